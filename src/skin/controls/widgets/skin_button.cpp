#include "skin/controls/widgets/skin_button.h"

#include "paint/bitmap_gdi_win.h"
#include "platform/program_messages.h"
#include "skin/controls/base/running_animations.h"
#include "skin/controls/core/common_data_ops.h"
#include "skin/controls/core/common_handlers.h"
#include "skin/controls/core/control_seams.h"
#include "skin/controls/effects/glow.h"
#include "skin/controls/effects/state_fade.h"
#include "skin/data/class_codes.h"
#include "skin/data/skin_manager.h"
#include "ui/application.h"

namespace vorlan::skin {
namespace {

// How long the pressed look stays after a release, so that it is seen.
constexpr DWORD kReleasePauseMs = 30;

// A manager that turns the hover look off (without one the button still has it).
bool ManagerTurnsHoverOff(const TSkinCommonData& data) {
  const TSkinManager* manager = data.SkinManager();
  return manager != nullptr && manager->Options().NoMouseHover;
}

}  // namespace

TSkinButton::TSkinButton() : TSkinnedControl(kClassButton) {}

TSkinButton::~TSkinButton() = default;

void TSkinButton::CreateParams(ui::TCreateParams& params) {
  ui::TButton::CreateParams(params);
  params.Style = (params.Style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TSkinButton::SetParent(ui::TWinControl* parent) {
  ui::TButton::SetParent(parent);
  // Made outside a layout: nothing else tells the data that it may load.
  if (parent != nullptr && !IsLoading()) FCommonData->Loaded();
}

// ---- properties ----

void TSkinButton::SetDown(bool value) {
  if (FDown == value) return;
  FDown = value;
  RegionChanged = true;
  FCommonData->Invalidate();
}

void TSkinButton::SetShowFocus(bool value) {
  if (FShowFocus == value) return;
  FShowFocus = value;
  FCommonData->Invalidate();
}

void TSkinButton::SetFocusMargin(std::int32_t value) {
  if (FFocusMargin == value) return;
  FFocusMargin = value;
  FCommonData->Invalidate();
}

void TSkinButton::SetContentMargin(std::int32_t value) {
  if (FContentMargin == value) return;
  FContentMargin = value;
  FCommonData->Invalidate();
}

void TSkinButton::SetStyle(TButtonStyle value) {
  if (FStyle == value) return;
  FStyle = value;
  FCommonData->Invalidate();
}

void TSkinButton::SetDisabledKind(paint::TSkinDisabledKinds value) {
  if (FDisabledKind == value) return;
  FDisabledKind = value;
  FCommonData->Invalidate();
}

void TSkinButton::SetWordWrap(bool value) {
  if (FWordWrap == value) return;
  FWordWrap = value;
  FCommonData->Invalidate();
}

void TSkinButton::DefaultChanged() { FCommonData->Invalidate(); }

void TSkinButton::SetButtonStyle(bool isDefault) {
  IsFocused = isDefault;
  FCommonData->Invalidate();
}

std::int32_t TSkinButton::CurrentState() const {
  const TSkinCommonData& data = *FCommonData;
  bool pushed = forced_pressed_;
  if (!releasing_ && HandleAllocated() && (SendMessageW(Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0) pushed = true;
  // A mouse press shows pushed only while the mouse is over the button; a
  // key press (Space) always.
  if (pushed && (data.FMouseAbove || !FMouseClicked || ManagerTurnsHoverOff(data))) return kButtonPressed;
  if (FDown || DroppedDown) return kButtonPressed;
  if (ShouldBeHot(data)) return kButtonHot;
  return Default() ? kButtonDefault : kButtonNormal;
}

// ---- messages ----

void TSkinButton::Repaint() { FCommonData->Invalidate(true); }

bool TSkinButton::EventAnimated(TSkinAnimatEvent event) const {
  if ((FAnimatEvents & event) != 0) return true;
  if ((FAnimatEvents & aeGlobalDef) == 0) return false;
  const TSkinManager* manager = FCommonData->SkinManager();
  if (manager == nullptr) return false;
  const auto& events = manager->AnimEffects().Buttons.Events;
  switch (event) {
    case aeMouseEnter:
      return events[beMouseEnter];
    case aeMouseLeave:
      return events[beMouseLeave];
    case aeMouseDown:
      return events[beMouseDown];
    case aeMouseUp:
      return events[beMouseUp];
    default:
      return false;
  }
}

void TSkinButton::ChangeState(std::int32_t target, bool withGlow, TSkinAnimatEvent event) {
  const bool allowed = EventAnimated(event) && !SkinChanging() && !SystemEnding() && !ui::Application().Terminated();
  AnimateState(*FCommonData, target, PictureFadeFrame, withGlow, false, allowed);
}

void TSkinButton::WndProc(ui::TMessage& message) {
  if (Destroying()) {
    ui::TButton::WndProc(message);
    return;
  }
  // An owner-drawn button reports a quick second press as a double click
  // and neither pushes nor clicks: every press is a press here.
  if (message.Msg == WM_LBUTTONDBLCLK) message.Msg = WM_LBUTTONDOWN;
  if (message.Msg == SM_ALPHACMD) {
    if (!OwnSkinCommand(message) && !CommonSkinCommand(message, *FCommonData)) ui::TButton::WndProc(message);
    return;
  }
  if (!FCommonData->Skinned()) {
    UnskinnedMessage(message);
    return;
  }
  if (BeforeFramework(message)) return;
  if (CommonWndProc(message, *FCommonData)) return;
  ui::TButton::WndProc(message);
  AfterFramework(message);
}

bool TSkinButton::OwnSkinCommand(ui::TMessage& message) {
  TSkinCommonData& data = *FCommonData;
  switch (CommandOf(message)) {
    case scPrepareSkin:
      if (FromOwnManager(data, message)) {
        RegionChanged = true;
        FRegionRedraw = true;
      }
      CommonSkinCommand(message, data);
      return true;
    case scRemoveSkin:
      CommonSkinCommand(message, data);
      if (FromOwnManager(data, message)) {
        FRegion.reset();
        if (HandleAllocated()) SetWindowRgn(Handle(), nullptr, TRUE);
        if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      }
      return true;
    case scRefreshSkin:
      if (FromOwnManager(data, message)) {
        FRegion.reset();
        if (HandleAllocated()) SetWindowRgn(Handle(), nullptr, FALSE);
      }
      CommonSkinCommand(message, data);
      RegionChanged = true;
      if ((data.CtrlSkinState & kCtrlPrinting) == 0) Repaint();
      return true;
    case scIsSkinned:
      message.Result = 1;
      return true;
    case scGetSkinSection: {
      const TSkinManager* manager = data.SkinManager();
      message.Result = manager != nullptr ? manager->ConstData.Sections[ssButton] + 1 : 0;
      return true;
    }
    case scPrepareCache:
      PrepareCache();
      return true;
    case scFreeRegion:
      FRegion.reset();
      return true;
    default:
      return false;
  }
}

void TSkinButton::MouseDownLeft() {
  TSkinCommonData& data = *FCommonData;
  if (!Enabled()) return;
  data.FUpdating = false;
  FMouseClicked = true;
  if (!FDown) {
    RegionChanged = true;
    // The platform pushes the button after this message: its new picture is
    // the pressed one already.
    forced_pressed_ = true;
    ChangeState(kButtonPressed, false, aeMouseDown);
    forced_pressed_ = false;
  }
}

void TSkinButton::MouseUpLeft() {
  TSkinCommonData& data = *FCommonData;
  if (!Enabled() || !FMouseClicked) return;
  FMouseClicked = false;
  if (AnimationRunning(data)) {
    // A fade still under way is cut: the pressed look is shown at once.
    StopAnimation(data);
    data.BGChanged = true;
    forced_pressed_ = true;
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    forced_pressed_ = false;
  }
  Sleep(kReleasePauseMs);
  data.FUpdating = false;
  RegionChanged = true;
  if (data.FMouseAbove) {
    // The platform releases the button after this message: its new
    // picture is the hot one already.
    releasing_ = true;
    ChangeState(kButtonHot, true, aeMouseUp);
    releasing_ = false;
  } else {
    // A fade back cut above can no longer take the glow away.
    UpdateGlow(data, false, false);
  }
}

void TSkinButton::PushedStateChanging(ui::TMessage& message) {
  const bool pushedNow = (SendMessageW(Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  if ((message.WParam != 0) == pushedNow) return;
  // The platform changes its pushed state (press, key, the mouse leaving or
  // coming back while held): the picture must follow.
  FCommonData->BGChanged = true;
  RegionChanged = true;
}

bool TSkinButton::BeforeFramework(ui::TMessage& message) {
  TSkinCommonData& data = *FCommonData;
  switch (message.Msg) {
    case WM_MOVE: {
      const TSkinGeneralData& section = *data.Section();
      const bool showsParent = section.Props[0].Transparency > 0 ||
                               (section.States > 1 && section.Props[1].Transparency > 0 && CurrentState() == 1);
      if (showsParent) {
        data.BGChanged = true;
        Repaint();
      }
      return false;
    }
    case WM_SIZE:
      RegionChanged = true;
      UpdateGlow(data, false, false);
      return false;
    case WM_SETFOCUS:
      if (!Visible() || !Enabled()) return false;
      CommonWndProc(message, data);
      ui::TButton::WndProc(message);
      if (AnimationRunning(data)) {
        // The fade takes the focused look from its next frame on.
        data.BGChanged = true;
        data.AnimTimer->Tick();
      } else {
        data.Invalidate();
      }
      return true;
    case WM_KILLFOCUS:
      if (!Visible() || !Enabled()) return false;
      StopAnimation(data);
      CommonWndProc(message, data);
      ui::TButton::WndProc(message);
      data.FFocused = false;
      RegionChanged = true;
      data.Invalidate();
      UpdateGlow(data, false, false);
      return true;
    case WM_ENABLE:
      return true;  // the picture is redone on the framework's notice
    case WM_PAINT:
      if (message.WParam != 0) {
        PaintHandler(reinterpret_cast<HDC>(message.WParam), false);
      } else {
        const platform::PaintDc paint(Handle());
        if (Visible() && Parent() != nullptr) PaintHandler(paint.get(), false);
      }
      return true;
    case WM_ERASEBKGND:
      if (Visible() && message.WParam != 0 && data.FCacheBmp && !data.Updating()) {
        if (data.BGChanged) PrepareCache();
        if (data.CacheValid() && !AnimationRunning(data)) {
          paint::ShowBitmap(reinterpret_cast<HDC>(message.WParam), {0, 0}, *data.FCacheBmp);
        }
      }
      message.Result = 0;
      return true;
    case WM_WINDOWPOSCHANGING:
      RegionChanged = true;
      return false;
    case WM_WINDOWPOSCHANGED:
      RegionChanged = true;
      data.BGChanged = true;
      return false;
    case WM_UPDATEUISTATE:
      message.Result = 1;
      return true;
    case WM_PRINT:
    case WM_PRINTCLIENT:
      RegionChanged = true;
      data.FUpdating = false;
      PaintHandler(reinterpret_cast<HDC>(message.WParam), true);
      return true;
    case platform::CM_MOUSEENTER:
      if (Enabled() && !data.FMouseAbove && !ManagerTurnsHoverOff(data)) {
        if (OnMouseEnter) OnMouseEnter(*this);
        data.BGChanged = false;
        data.FMouseAbove = true;
        ChangeState(kButtonHot, true, aeMouseEnter);
      }
      return false;
    case platform::CM_MOUSELEAVE:
      if (Enabled()) {
        if (OnMouseLeave) OnMouseLeave(*this);
        data.BGChanged = false;
        data.FMouseAbove = false;
        ChangeState(kButtonNormal, false, aeMouseLeave);
      }
      return false;
    case WM_KEYDOWN:
      if (message.WParam == VK_SPACE && Focused() && Enabled()) {
        // A fade under way would hold the pressed look back until it ends.
        StopAnimation(data);
        RegionChanged = true;
        data.BGChanged = true;
        UpdateGlow(data, false, false);
      }
      return false;
    case WM_LBUTTONDOWN:
      MouseDownLeft();
      return false;
    case WM_LBUTTONUP:
      MouseUpLeft();
      return false;
    case BM_SETSTATE:
      PushedStateChanging(message);
      return false;
    default:
      return false;
  }
}

void TSkinButton::AfterFramework(const ui::TMessage& message) {
  TSkinCommonData& data = *FCommonData;
  switch (message.Msg) {
    case WM_SETFONT:
      if (!Visible()) return;
      data.FUpdating = false;
      StopAnimation(data);
      data.Invalidate();
      return;
    case WM_SETTEXT:
      StopAnimation(data);
      data.Invalidate();
      return;
    case WM_CANCELMODE:
      UpdateGlow(data, false, false);
      return;
    case platform::CM_VISIBLECHANGED:
      data.BGChanged = true;
      data.FUpdating = false;
      if (Visible()) Repaint();
      return;
    case platform::CM_ENABLEDCHANGED:
      if (!Visible()) return;
      data.FUpdating = false;
      StopAnimation(data);
      data.Invalidate();
      return;
    case WM_KEYDOWN:
      // Unless the platform's push has repainted it already.
      if (message.WParam == VK_SPACE && data.BGChanged) Repaint();
      return;
    case WM_KEYUP:
      if (message.WParam != VK_SPACE) return;
      RegionChanged = true;
      data.BGChanged = true;
      Repaint();
      return;
    case BM_SETSTATE:
      // The platform did not repaint the owner-drawn button itself.
      if (data.BGChanged) Repaint();
      return;
    default:
      return;
  }
}

void TSkinButton::UnskinnedMessage(ui::TMessage& message) {
  TSkinCommonData& data = *FCommonData;
  switch (message.Msg) {
    case WM_PAINT:
      if (message.WParam != 0) {
        PaintUnskinned(reinterpret_cast<HDC>(message.WParam));
      } else {
        const platform::PaintDc paint(Handle());
        PaintUnskinned(paint.get());
      }
      return;
    case WM_PRINT:
    case WM_PRINTCLIENT:
      PaintUnskinned(reinterpret_cast<HDC>(message.WParam));
      return;
    default:
      break;
  }
  ui::TButton::WndProc(message);
  switch (message.Msg) {
    case platform::CM_ENABLEDCHANGED:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SETTEXT:
    case BM_SETSTATE:
      // The owner-drawn window leaves its repainting to us.
      if (Visible() && HandleAllocated()) InvalidateRect(Handle(), nullptr, FALSE);
      return;
    case platform::CM_MOUSEENTER:
    case platform::CM_MOUSELEAVE: {
      if (!Enabled() || !HandleAllocated()) return;
      const bool entered = message.Msg == platform::CM_MOUSEENTER;
      data.FMouseAbove = entered;
      const ui::TNotifyEvent& event = entered ? OnMouseEnter : OnMouseLeave;
      if (event) event(*this);
      RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      return;
    }
    default:
      return;
  }
}

}  // namespace vorlan::skin
