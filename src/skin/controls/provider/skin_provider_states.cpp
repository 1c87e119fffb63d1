#include <windows.h>

#include <algorithm>

#include "paint/fills.h"
#include "skin/controls/base/layered_window.h"
#include "skin/controls/base/skin_flags.h"
#include "skin/controls/provider/desktop_manager.h"
#include "skin/controls/provider/skin_provider.h"
#include "skin/controls/provider/window_animation.h"

// The frame's part in the window's changes of state that the platform would
// answer by drawing a frame of its own: activation, a new caption, enabling.
namespace vorlan::skin {
namespace {

LRESULT CALLBACK OverlayWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_ERASEBKGND: {
      RECT r{};
      GetClientRect(window, &r);
      FillRect(reinterpret_cast<HDC>(wParam), &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      return 1;
    }
    default:
      return DefWindowProcW(window, msg, wParam, lParam);
  }
}

// A black window of constant alpha over `bounds`, that neither takes the
// activation nor the mouse.
platform::UniqueWindow CreateOverlayWindow(const RECT& bounds, HWND insertAfter, BYTE alpha) {
  const DWORD topmost = insertAfter == HWND_TOPMOST ? WS_EX_TOPMOST : 0;
  platform::UniqueWindow overlay(CreateWindowExW(
      WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT | topmost,
      PictureWindowClass(L"VorlanDisabledOverlay", OverlayWindowProc), L"", WS_POPUP, bounds.left, bounds.top,
      bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
  if (!overlay) return overlay;
  SetLayeredWindowAttributes(overlay.get(), 0, alpha, LWA_ALPHA);
  SetWindowPos(overlay.get(), insertAfter, bounds.left, bounds.top, bounds.right - bounds.left,
               bounds.bottom - bounds.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  return overlay;
}

}  // namespace

void TSkinProvider::CoverCaption() {
  TSkinScrollWndData& data = *FCommonData;
  const HWND window = form_.Handle();
  if (CaptForm || !IsWindowVisible(window)) return;
  const TFrameGeometry g = Geometry();
  const auto fits = [&] { return data.FCacheBmp && data.FCacheBmp->Width() == g.W && data.FCacheBmp->Height() == g.H; };
  // The picture the window shows now; a new one when there is none of its size.
  if (!fits()) PaintAll();
  if (!fits()) return;
  RECT bounds{}, client{};
  GetWindowRect(window, &bounds);
  GetClientRect(window, &client);
  platform::UniqueWindow cover = CreateEffectWindow(bounds, DirectlyAbove(window));
  if (!cover) return;
  // Only the frame: the client area goes on showing the form itself.
  const RECT inside{g.OffsetX, g.OffsetY, g.OffsetX + client.right, g.OffsetY + client.bottom};
  platform::UniqueRegion shape(CreateRectRgn(0, 0, g.W, g.H));
  const platform::UniqueRegion hole(CreateRectRgnIndirect(&inside));
  CombineRgn(shape.get(), shape.get(), hole.get(), RGN_DIFF);
  // The system owns the region once it is set.
  if (SetWindowRgn(cover.get(), shape.get(), FALSE)) shape.release();
  paint::TBitmap32 picture = data.FCacheBmp->Clone();
  paint::SetAlphaRect(picture, picture.Bounds(), 255, paint::kNoColor);
  paint::FillRect32(picture, paint::FromRECT(inside), 0, 0);
  ShowLayeredPicture(cover.get(), picture, 255);
  ShowWindow(cover.get(), SW_SHOWNOACTIVATE);
  CaptForm = std::move(cover);
}

// The platform draws its own caption when activation changes: it does so
// under the cover, and the frame is repainted from the rebuilt picture.
void TSkinProvider::HandleNcActivate(ui::TMessage& message, const ui::TPassOn& oldWndProc) {
  FormActive = message.WParam != 0;
  const TSkinGeneralData* section = FCommonData->Section();
  const TSkinManager* manager = FCommonData->SkinManager();
  const bool borderFrames = manager && manager->IsValidImgIndex(FCommonData->BorderIndex) &&
                            manager->Skin.ma[static_cast<std::size_t>(FCommonData->BorderIndex)].ImageCount > 1;
  if ((section && section->States > 1) || borderFrames) FCommonData->BGChanged = true;
  const HWND window = form_.Handle();
  if (!FDrawNonClientArea || !IsWindowVisible(window)) {
    oldWndProc(message);
    return;
  }
  const bool showEffect = fAnimating || FInAnimation || AnimationInProgress();
  if (!showEffect) CoverCaption();
  // A desktop that began composing after the provider was made may draw
  // outside the cover: no drawing at all during the call then.
  const bool lateComposition = CompositionEnabled() && !composition_at_start_;
  if (lateComposition) SendMessageW(window, WM_SETREDRAW, FALSE, 0);
  oldWndProc(message);
  if (lateComposition) {
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  } else {
    RedrawFrame();
  }
  CaptForm.reset();
}

void TSkinProvider::HandleSetText(ui::TMessage& message, const ui::TPassOn& oldWndProc) {
  FGlow1 = FGlow2 = TMask8();
  FCommonData->BGChanged = true;
  const HWND window = form_.Handle();
  if (!FDrawNonClientArea || !IsWindowVisible(window) || fAnimating || FInAnimation || AnimationInProgress()) {
    oldWndProc(message);
    return;
  }
  CoverCaption();
  oldWndProc(message);
  if (CompositionEnabled()) {
    RedrawFrame();
    CaptForm.reset();
  } else {
    // What lay under the cover was never drawn on the screen: it is painted now.
    CaptForm.reset();
    SendMessageW(window, WM_NCPAINT, 1, 0);
  }
}

void TSkinProvider::HandleEnabledChanged(ui::TMessage& message, const ui::TPassOn& oldWndProc) {
  oldWndProc(message);
  if (!FDrawNonClientArea || !form_.HandleAllocated()) return;
  UpdateDisabledOverlay();
  // The buttons of a disabled form are drawn faded.
  FCommonData->BGChanged = true;
  SendMessageW(form_.Handle(), WM_NCPAINT, 1, 0);
}

void TSkinProvider::UpdateDisabledOverlay() {
  const bool wanted = DisabledBlendValue < 255 && FDrawNonClientArea && form_.HandleAllocated() && !form_.Enabled() &&
                      IsWindowVisible(form_.Handle());
  if (!wanted) {
    DisabledOverlay.reset();
    return;
  }
  const HWND window = form_.Handle();
  RECT bounds{};
  GetWindowRect(window, &bounds);
  if (DisabledOverlay) {
    // It follows the form when that moves or changes size.
    SetWindowPos(DisabledOverlay.get(), nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                 bounds.bottom - bounds.top, SWP_NOACTIVATE | SWP_NOZORDER);
    return;
  }
  const auto alpha = static_cast<BYTE>(255 - std::clamp(DisabledBlendValue, 0, 255));
  DisabledOverlay = CreateOverlayWindow(bounds, DirectlyAbove(window), alpha);
}

}  // namespace vorlan::skin
