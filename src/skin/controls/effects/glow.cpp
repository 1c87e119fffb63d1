#include "skin/controls/effects/glow.h"

#include <string>
#include <vector>

#include "skin/controls/base/layered_window.h"
#include "skin/controls/core/anim_timer.h"
#include "skin/controls/core/common_data.h"
#include "skin/controls/core/common_data_ops.h"
#include "skin/controls/effects/state_fade.h"
#include "skin/data/skin_manager.h"
#include "skin/draw/border_mask.h"
#include "skin/draw/image_entry.h"
#include "ui/application.h"

namespace vorlan::skin {
namespace {

// Freed glows leave empty slots, so that ids stay what they were.
std::vector<std::unique_ptr<TSkGlowEffect>>& Glows() {
  static std::vector<std::unique_ptr<TSkGlowEffect>> glows;
  return glows;
}

TSkGlowEffect* Find(std::int32_t id) {
  auto& glows = Glows();
  if (id < 0 || static_cast<std::size_t>(id) >= glows.size()) return nullptr;
  return glows[static_cast<std::size_t>(id)].get();
}

LRESULT CALLBACK GlowWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  // The mouse goes through the glow to whatever lies below.
  if (msg == WM_NCHITTEST) return HTTRANSPARENT;
  return DefWindowProcW(window, msg, wParam, lParam);
}

const wchar_t* GlowWindowClass() { return PictureWindowClass(L"VorlanGlowWindow", GlowWindowProc); }

bool Show(const TSkGlowEffect& glow, std::uint8_t alpha) {
  return glow.AlphaBmp && ShowLayeredPicture(glow.Wnd.get(), *glow.AlphaBmp, alpha);
}

bool Terminating() { return ui::Application().Terminated(); }

// The part of a control's window that can be seen, in screen coordinates.
RECT VisibleScreenRect(const TSkinCommonData& data) {
  RECT result{};
  const HWND window = data.OwnerHandle();
  if (window == nullptr) return result;
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const platform::WindowDc dc(window);
  RECT clip{};
  if (dc.get() == nullptr || GetClipBox(dc.get(), &clip) == ERROR) return bounds;
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  OffsetRect(&clip, origin.x, origin.y);
  IntersectRect(&result, &bounds, &clip);
  return result;
}

}  // namespace

std::int32_t ShowGlow(const RECT& screenRect, std::u16string_view sectionName, std::u16string_view keyPrefix,
                      TSkinCommonData* data, HWND controlWindow, std::uint8_t alpha, std::int32_t margin) {
  ReapStoppedTimers();
  if (data == nullptr) return -1;
  const ISkinWindowSystem* system = SkinWindowSystem();
  if (system != nullptr && !system->SupportsLayeredWindows()) return -1;
  // A drag or a pressed control of another window owns the mouse now.
  const HWND capture = GetCapture();
  if (capture != nullptr && capture != controlWindow) return -1;
  TSkinManager* manager = data->SkinManager();
  if (manager == nullptr) return -1;
  const std::int32_t section = manager->GetSkinIndex(sectionName);
  const std::int32_t mask = manager->GetMaskIndex(section, sectionName, std::u16string(keyPrefix) + u"0");
  if (!manager->IsValidImgIndex(mask)) return -1;

  const std::int32_t width =
      screenRect.right - screenRect.left + manager->MaskWidthLeft(mask) + manager->MaskWidthRight(mask) - 2 * margin;
  const std::int32_t height =
      screenRect.bottom - screenRect.top + manager->MaskWidthTop(mask) + manager->MaskWidthBottom(mask) - 2 * margin;
  if (width <= 0 || height <= 0) return -1;
  const std::int32_t x = screenRect.left + margin - manager->MaskWidthLeft(mask);
  const std::int32_t y = screenRect.top + margin - manager->MaskWidthTop(mask);

  auto glow = std::make_unique<TSkGlowEffect>();
  glow->Margin = margin;
  glow->MaskIndex = mask;
  glow->SkinManager = manager;
  glow->SkinData = data;
  glow->Alpha = alpha;
  glow->AlphaBmp = std::make_unique<paint::TBitmap32>(width, height, paint::TRowOrder::TopDown);
  paint::TBitmap32& picture = *glow->AlphaBmp;
  for (std::int32_t row = 0; row < height; ++row) std::fill_n(picture.Row(row), width, 0u);
  PaintBorderMask(picture, picture.Bounds(), paint::TCacheInfo{}, SkinImage(manager->Skin, mask), 0, false);
  ApplyColorAdjustments(picture, *data, 0);

  // Placed directly above the control's top-level window; looked up before
  // the glow exists, since a new window starts at the top itself.
  const HWND top = controlWindow != nullptr ? GetAncestor(controlWindow, GA_ROOT) : nullptr;
  HWND insertAfter = HWND_TOPMOST;
  if (top != nullptr && (GetWindowLongW(top, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0 && data->Target() != nullptr) {
    const HWND above = GetWindow(top, GW_HWNDPREV);
    // With nothing above, "after the window itself" would put the glow
    // under it, where the window hides it.
    insertAfter = above != nullptr ? above : HWND_TOP;
  }
  glow->Wnd.reset(CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                                  GlowWindowClass(), L"", WS_POPUP, x, y, width, height, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
  if (!glow->Wnd) return -1;
  SetWindowPos(glow->Wnd.get(), insertAfter, x, y, width, height, SWP_NOACTIVATE);
  Show(*glow, alpha);
  ShowWindow(glow->Wnd.get(), SW_SHOWNOACTIVATE);

  auto& glows = Glows();
  glows.push_back(std::move(glow));
  return static_cast<std::int32_t>(glows.size() - 1);
}

void HideGlow(std::int32_t& id, bool animate) {
  ReapStoppedTimers();
  TSkGlowEffect* glow = Find(id);
  if (glow == nullptr) {
    id = -1;
    return;
  }
  TSkinCommonData* data = glow->SkinData;
  const TSkinManager* manager = glow->SkinManager;
  if (animate && data != nullptr && manager != nullptr && manager->Effects().AllowAnimation && !Terminating() &&
      (!data->AnimTimer || data->AnimTimer->ThreadType == kGlowFade)) {
    if (!data->AnimTimer) data->AnimTimer = std::make_unique<TSkThreadedTimer>();
    TSkThreadedTimer& timer = *data->AnimTimer;
    if (!(timer.Animating() && timer.State == kFadeToNormal)) {
      timer.ThreadType = kGlowFade;
      timer.InitData(*data, 0, false, kFadeToNormal, GlowFadeFrame);
      timer.TimeHandler();
    }
    return;
  }
  FreeGlow(id);
  if (data == nullptr || !data->AnimTimer) return;
  // Gone at once, the glow takes the control's running fade with it (a glow's
  // own fade has nothing left to do at all).
  const bool pictureFade = data->AnimTimer->ThreadType == kPictureFade;
  if (pictureFade && !AnimationRunning(*data)) return;
  StopAnimation(*data);
  // The cut fade left one of its frames on the screen.
  if (pictureFade && !data->OwnerDestroying()) data->Invalidate();
}

void FreeGlow(std::int32_t& id) {
  if (Find(id) != nullptr) Glows()[static_cast<std::size_t>(id)].reset();
  id = -1;
}

void SetGlowAlpha(std::int32_t id, std::uint8_t alpha) {
  TSkGlowEffect* glow = Find(id);
  if (glow == nullptr || !glow->Wnd) return;
  const HWND window = glow->Wnd.get();
  if ((GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED) == 0) {
    ShowWindow(window, SW_HIDE);
    SetWindowLongW(window, GWL_EXSTYLE, GetWindowLongW(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    ShowWindow(window, SW_SHOWNOACTIVATE);
  }
  glow->Alpha = alpha;
  Show(*glow, alpha);
}

void DestroyAllGlows(bool /*freeWindows*/) {
  ReapStoppedTimers();
  auto& glows = Glows();
  for (auto& glow : glows) {
    if (glow && glow->SkinData != nullptr) glow->SkinData->GlowID = -1;
  }
  glows.clear();
}

const TSkGlowEffect* GlowEffect(std::int32_t id) { return Find(id); }

std::size_t LiveGlowCount() {
  std::size_t live = 0;
  for (const auto& glow : Glows()) live += glow != nullptr;
  return live;
}

std::int32_t ShowControlGlow(TSkinCommonData& data, std::uint8_t alpha) {
  if (data.GlowID >= 0) return data.GlowID;
  const TSkinManager* manager = data.SkinManager();
  const TSkinGeneralData* section = data.Section();
  if (manager == nullptr || section == nullptr || !manager->Effects().AllowGlowing || manager->Options().NoMouseHover ||
      section->GlowCount < 1) {
    return -1;
  }
  data.GlowID = ShowGlow(VisibleScreenRect(data), section->ClassName, u"GLOW", &data, data.OwnerHandle(), alpha,
                         section->GlowMargin);
  return data.GlowID;
}

bool GlowFadeFrame(TSkinCommonData& data, std::int32_t /*iteration*/) {
  TSkThreadedTimer* timer = data.AnimTimer.get();
  if (timer == nullptr) return false;
  const TSkFadeFrame frame = timer->GlowFrame();
  if (frame.Continues) {
    SetGlowAlpha(data.GlowID, static_cast<std::uint8_t>(frame.Level));
    return true;
  }
  const std::int32_t target = timer->State;
  if (frame.GlowEnds) HideGlow(data.GlowID, false);
  if (target == kFadeToNormal) StopAnimation(data);
  return false;
}

}  // namespace vorlan::skin
