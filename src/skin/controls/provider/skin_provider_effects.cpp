#include <windows.h>

#include <algorithm>
#include <memory>

#include "paint/fills.h"
#include "skin/controls/base/layered_window.h"
#include "skin/controls/base/skin_flags.h"
#include "skin/controls/core/child_painting.h"
#include "skin/controls/core/control_to_bitmap.h"
#include "skin/controls/provider/skin_provider.h"
#include "skin/controls/provider/window_animation.h"
#include "skin/data/skin_manager.h"

// The provider's part in how its form comes onto the screen and leaves it.
namespace vorlan::skin {
namespace {

void RemoveStyleBits(HWND window, int index, LONG_PTR bits) {
  const LONG_PTR style = GetWindowLongPtrW(window, index);
  if (style & bits) SetWindowLongPtrW(window, index, style & ~bits);
}

}  // namespace

bool TSkinProvider::EffectApplies(bool showing) const {
  const TSkinManager* manager = FCommonData->SkinManager();
  if (!AllowAnimation || !manager || !manager->Active() || !manager->Effects().AllowAnimation) return false;
  const TSkFormAnimation& effect = showing ? manager->AnimEffects().FormShow : manager->AnimEffects().FormHide;
  return effect.Active && form_.HandleAllocated() && !(GetWindowLongPtrW(form_.Handle(), GWL_STYLE) & WS_CHILD);
}

paint::TBitmap32 TSkinProvider::WholeWindowImage() {
  TSkinScrollWndData& data = *FCommonData;
  if (!CacheValid()) PaintAll();
  if (!data.FCacheBmp || data.FCacheBmp->Empty()) return {};
  paint::TBitmap32 image = data.FCacheBmp->Clone();
  const TFrameGeometry g = Geometry();
  for (ui::TControl* child : form_.Controls()) {
    if (child->Visible())
      PaintControlToBitmap(image, *child, g.OffsetX + child->Left(), nullptr, g.OffsetY + child->Top());
  }
  paint::SetAlphaRect(image, image.Bounds(), 255, paint::kNoColor);
  return image;
}

void TSkinProvider::SetChildrenRedraw(bool on) {
  for (ui::TControl* child : form_.Controls()) {
    auto* windowed = dynamic_cast<ui::TWinControl*>(child);
    if (windowed && windowed->HandleAllocated() && windowed->Visible()) {
      SendMessageW(windowed->Handle(), WM_SETREDRAW, on ? TRUE : FALSE, 0);
    }
  }
}

// The framework's showing change: the window is prepared invisible (layered
// at alpha 1, nothing painted) while it is shown, and the show effect then
// puts the complete picture on the screen at once or fades it in.
void TSkinProvider::HandleShowingChanged(ui::TMessage& message, const ui::TPassOn& oldWndProc) {
  const HWND window = form_.Handle();
  if (!form_.Visible()) {
    oldWndProc(message);
    return;
  }
  // A hide snapshot still fading out would lie over the new picture.
  FinishHideAnimation();
  CoverForm.reset();
  hiding_ = false;
  // The desktop's own transitions would play over the form's effects.
  SetWindowTransitions(window, true);
  TSkinScrollWndData& data = *FCommonData;
  const bool effect = EffectApplies(true);
  made_layered_ = false;
  if (effect) {
    data.FUpdating = true;
    FInAnimation = true;
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    if (exStyle & WS_EX_LAYERED) {
      BYTE alpha = 255;
      DWORD flags = 0;
      if (GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) && (flags & LWA_ALPHA)) own_alpha_ = alpha;
      SetLayeredWindowAttributes(window, 0, 0, LWA_ALPHA);
    } else {
      own_alpha_ = 255;
      SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
      SetLayeredWindowAttributes(window, 0, 1, LWA_ALPHA);
      made_layered_ = true;
      RgnChanged = true;
      UpdateRegion();
    }
    SetChildrenRedraw(false);
  }
  oldWndProc(message);
  if (!IsWindowVisible(window)) {
    // The showing did not happen (the form went again inside OnShow).
    data.FUpdating = false;
    FInAnimation = false;
    SetChildrenRedraw(true);
    if (made_layered_) RemoveStyleBits(window, GWL_EXSTYLE, WS_EX_LAYERED);
    return;
  }
  if (effect) {
    SetChildrenRedraw(true);
    if (made_layered_) {
      // Still on the screen, but neither drawn nor redrawn until the effect
      // has its picture ready.
      RemoveStyleBits(window, GWL_EXSTYLE, WS_EX_LAYERED);
      RemoveStyleBits(window, GWL_STYLE, WS_VISIBLE);
    } else {
      SetLayeredWindowAttributes(window, 0, own_alpha_, LWA_ALPHA);
    }
    data.FUpdating = false;
    fAnimating = true;
    const TSkFormAnimation& show = data.SkinManager()->AnimEffects().FormShow;
    AnimShowForm(*this, show.Mode, show.Time, own_alpha_);
    fAnimating = false;
    FInAnimation = false;
    // Whatever happened above, the form ends visible.
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (!(style & WS_VISIBLE)) {
      SetWindowLongPtrW(window, GWL_STYLE, style | WS_VISIBLE);
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
  } else {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  GetClientRect(window, &LastClientRect);
  UpdateDisabledOverlay();
}

void TSkinProvider::HandleVisibleChanged(ui::TMessage& message, const ui::TPassOn& oldWndProc) {
  oldWndProc(message);
  if (message.WParam) return;
  // Hidden: the next showing builds everything from nothing.
  KillAnimations();
  DisabledOverlay.reset();
  FCommonData->FCacheBmp.reset();
  FCommonData->BGChanged = true;
}

// Before the window goes: its current picture in a snapshot window over it,
// so that it seems to stay while the hide effect is prepared.
void TSkinProvider::HandleWindowPosChanging(ui::TMessage& message, const ui::TPassOn& oldWndProc) {
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(message.LParam);
  const HWND window = form_.Handle();
  TSkinScrollWndData& data = *FCommonData;
  const TSkinManager* manager = data.SkinManager();
  if (pos && (pos->flags & SWP_HIDEWINDOW) && IsWindowVisible(window) && !SkipAnimation && !hiding_ &&
      EffectApplies(false) && data.FCacheBmp && !data.FCacheBmp->Empty() && manager &&
      manager->ShowState != TShowState::Minimize) {
    hiding_ = true;
    paint::TBitmap32 image = WholeWindowImage();
    if (!image.Empty()) {
      RECT bounds{};
      GetWindowRect(window, &bounds);
      CoverForm = CreateEffectWindow(bounds, HWND_TOPMOST);
      if (CoverForm) {
        ShowLayeredPicture(CoverForm.get(), image, 255);
        ShowWindow(CoverForm.get(), SW_SHOWNOACTIVATE);
      }
      data.FCacheBmp = std::make_unique<paint::TBitmap32>(std::move(image));
      // The picture now holds the children too: no background for them.
      data.BGChanged = true;
    }
  }
  oldWndProc(message);
}

void TSkinProvider::HandleWindowPosChanged(ui::TMessage& message, const ui::TPassOn& oldWndProc) {
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(message.LParam);
  const HWND window = form_.Handle();
  TSkinScrollWndData& data = *FCommonData;
  const bool hiding = pos && (pos->flags & SWP_HIDEWINDOW);
  const bool effect = hiding && !SkipAnimation && data.FCacheBmp && !data.FCacheBmp->Empty() && !IsIconic(window) &&
                      EffectApplies(false);
  if (!effect) {
    oldWndProc(message);
    if (hiding) CoverForm.reset();
    return;
  }
  if (CompositionEnabled() && !(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED)) {
    SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(window, 0, 1, LWA_ALPHA);
  }
  oldWndProc(message);
  {
    const TFlagScope busy(flags_detail::AnimationFlag());
    auto image = std::make_unique<paint::TBitmap32>(WholeWindowImage());
    ClearRects(ArOR, *image);
    platform::UniqueWindow cover = std::move(CoverForm);
    if (!cover) {
      RECT bounds{};
      GetWindowRect(window, &bounds);
      cover = CreateEffectWindow(bounds, HWND_TOPMOST);
    }
    const TSkFormAnimation& hide = data.SkinManager()->AnimEffects().FormHide;
    StartHideAnimation(std::move(cover), std::move(image), hide.Time, window, hide.Mode, 255);
    RemoveStyleBits(window, GWL_EXSTYLE, WS_EX_LAYERED);
    RemoveStyleBits(window, GWL_STYLE, WS_VISIBLE);
  }
  // The picture holds the children now; the next showing starts afresh.
  data.BGChanged = true;
}

void TSkinProvider::HandleClose(ui::TMessage& message, const ui::TPassOn& oldWndProc) {
  oldWndProc(message);
  if (form_.IsDestroying() || !form_.HandleAllocated() || !EffectApplies(false)) return;
  // Only a form that went: one still on the screen keeps a picture its
  // children can take their background from.
  if (IsWindowVisible(form_.Handle())) return;
  TSkinScrollWndData& data = *FCommonData;
  if (data.FCacheBmp && !data.FCacheBmp->Empty()) {
    data.FCacheBmp = std::make_unique<paint::TBitmap32>(WholeWindowImage());
  }
  data.BGChanged = false;
}

void TSkinProvider::SetTransparency(std::uint8_t alpha) {
  if (!form_.HandleAllocated()) return;
  const HWND window = form_.Handle();
  if (alpha < 255) {
    SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA);
  } else {
    RemoveStyleBits(window, GWL_EXSTYLE, WS_EX_LAYERED);
  }
}

std::int32_t TSkinProvider::FrameEdgeWidth(LPARAM fallback) const {
  if (!form_.HandleAllocated()) return static_cast<std::int32_t>(fallback);
  RECT outer{}, client{};
  GetWindowRect(form_.Handle(), &outer);
  GetClientRect(form_.Handle(), &client);
  // The form has no border width of its own inside its client area.
  const std::int32_t width = ((outer.right - outer.left) - (client.right - client.left)) / 2;
  return width != 0 ? width : static_cast<std::int32_t>(fallback);
}

std::int32_t TSkinProvider::FontOwnerAt(const RECT& rect) const {
  const TSkinManager* manager = FCommonData->SkinManager();
  if (!manager) return -1;
  if (FormHeader.AdditionalHeight > 0 && manager->IsValidSkinIndex(FHeaderIndex) &&
      rect.top < FormHeader.AdditionalHeight) {
    return FHeaderIndex;
  }
  const TSkinGeneralData* section = FCommonData->Section();
  if (section && section->GiveOwnFont) return FCommonData->SkinIndex;
  return -1;
}

}  // namespace vorlan::skin
