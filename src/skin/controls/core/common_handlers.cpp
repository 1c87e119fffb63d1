#include "skin/controls/core/common_handlers.h"

#include "platform/handle_win.h"
#include "platform/program_messages.h"
#include "skin/controls/base/skin_messaging.h"
#include "skin/controls/core/anim_timer.h"
#include "skin/controls/core/common_data_ops.h"
#include "skin/controls/core/control_seams.h"
#include "skin/controls/core/hot_tracking.h"
#include "skin/data/class_codes.h"
#include "skin/data/skin_manager.h"
#include "ui/win_control.h"

namespace vorlan::skin {
namespace {

bool BothStatesTransparent(const TSkinGeneralData& section) {
  return section.Props[0].Transparency == 100 && section.Props[1].Transparency == 100;
}

// No hover look without a manager, nor when the manager turns it off.
bool HoverOffOrNoManager(const TSkinCommonData& data) {
  const TSkinManager* manager = data.SkinManager();
  return manager == nullptr || manager->Options().NoMouseHover;
}

bool TakesHotLookByMouse(const TSkinCommonData& data) {
  return IsStateColorClass(data.COC) && data.Section()->States >= 2 &&
         (!IsHotOnlyWithFlagClass(data.COC) || GlobalHoverSwitch());
}

// The cursor lies in the visible part of the control's client area.
bool CursorInside(const TSkinCommonData& data) {
  POINT cursor{};
  if (!GetCursorPos(&cursor)) return false;
  if (const HWND window = data.OwnerHandle()) {
    ScreenToClient(window, &cursor);
    const platform::WindowDc dc(window);
    RECT visible{};
    if (dc.get() == nullptr || GetClipBox(dc.get(), &visible) == ERROR) GetClientRect(window, &visible);
    return PtInRect(&visible, cursor) != FALSE;
  }
  const ui::TControl* target = data.Target();
  const ui::TWinControl* parent = target ? target->Parent() : nullptr;
  if (parent == nullptr || !parent->HandleAllocated()) return false;
  ScreenToClient(parent->Handle(), &cursor);
  return PtInRect(&target->BoundsRect(), cursor) != FALSE;
}

void MouseEnter(TSkinCommonData& data) {
  if (!data.Skinned() || data.FMouseAbove || HoverOffOrNoManager(data) || BothStatesTransparent(*data.Section()))
    return;
  const bool hoverable = !IsNoHoverClass(data.COC);
  if (!data.Target()->IsWindowed()) {
    if (hoverable) data.FMouseAbove = true;
    return;
  }
  if (hoverable) data.FMouseAbove = true;
  TSkinManager& manager = *data.SkinManager();
  SetActiveControl(&manager, data.OwnerHandle());
  if (!IsNoGlowClass(data.COC)) UpdateGlow(data, true, manager.Effects().AllowAnimation);
  if (TakesHotLookByMouse(data)) SetHotLook(data, true);
}

void MouseLeave(TSkinCommonData& data) {
  if (!data.Skinned() || HoverOffOrNoManager(data) || CursorInside(data)) return;
  data.FMouseAbove = false;
  if (!data.Target()->IsWindowed()) return;
  if (!IsNoGlowClass(data.COC)) UpdateGlow(data, false, true);
  if (IsStateColorClass(data.COC)) {
    if (!ShouldBeHot(data)) SetHotLook(data, false);
    data.Target()->Invalidate();
  }
}

void FocusChanged(TSkinCommonData& data, bool focused) {
  ui::TWinControl* windowed = data.WindowedTarget();
  if (windowed == nullptr || !data.Skinned() || BothStatesTransparent(*data.Section())) return;
  if (focused && !windowed->CanFocus()) return;
  data.BGChanged = true;
  data.FFocused = focused;
  if (!IsStateColorClass(data.COC)) return;
  // An edit box reached by the keyboard glows as one under the mouse does,
  // so that the focus shows; it stops glowing when it loses the focus unless
  // the mouse is still over it.
  const bool glows = !IsNoGlowClass(data.COC);
  if (focused) {
    if (data.Section()->States >= 2) SetHotLook(data, true);
    if (glows) UpdateGlow(data, true, data.SkinManager()->Effects().AllowAnimation);
  } else {
    if (!ShouldBeHot(data)) SetHotLook(data, false);
    if (glows && !data.FMouseAbove) UpdateGlow(data, false, true);
    windowed->Invalidate();
  }
}

// The parent's picture under an outer effect is out of date.
void NoteOuterEffectMoved(TSkinCommonData& data) {
  if (data.FOuterEffects.Visibility != TSkOuterVisibility::ovAlways) return;
  const ui::TControl* target = data.Target();
  if (target == nullptr || target->Parent() == nullptr) return;
  PerformSkinCommand(*target->Parent(), scBgChanged, 0, 1);
  PerformSkinCommand(*target->Parent(), scPrepareCache);
}

void Moved(TSkinCommonData& data) {
  if (!data.Skinned()) return;
  NoteOuterEffectMoved(data);
  if (data.RepaintIfMoved()) {
    data.BGChanged = true;
    PerformSkinCommand(*data.Target(), scRepaintIfMoved, 0, 1);
  }
  UpdateGlow(data, false, false);
}

void Sized(TSkinCommonData& data) {
  if (!data.Skinned()) return;
  data.BGChanged = true;
  NoteOuterEffectMoved(data);
  if (data.StateProps(0)->GradientPercent > 0) PerformSkinCommandOnChildren(*data.Target(), scRepaintIfMoved, 0, 1);
  // A finished fade keeps its timer: only a running one keeps the glow.
  if (!AnimationRunning(data)) UpdateGlow(data, false, false);
}

void VisibleChanged(TSkinCommonData& data, bool visible) {
  if (!visible) UpdateGlow(data, false, false);
  const TSkinManager* manager = data.SkinManager();
  if (manager != nullptr && manager->Options().OptimizingPriority == opMemory) {
    if (visible) {
      data.FUpdating = false;
    } else {
      if (data.FCacheBmp) *data.FCacheBmp = paint::TBitmap32();
      if (data.Target() != nullptr) PerformSkinCommandOnChildren(*data.Target(), scResetCache);
    }
  }
  data.BGChanged = true;
}

}  // namespace

bool CommonWndProc(ui::TMessage& message, TSkinCommonData& data) {
  if (message.Msg == SM_ALPHACMD) return CommonSkinCommand(message, data);
  ui::TControl* target = data.Target();
  if (target == nullptr || data.OwnerDestroying()) return false;
  switch (message.Msg) {
    case WM_MOVE:
      Moved(data);
      break;
    case WM_SIZE:
      Sized(data);
      break;
    case WM_SETFOCUS:
      FocusChanged(data, true);
      break;
    case WM_KILLFOCUS:
      FocusChanged(data, false);
      break;
    case WM_SHOWWINDOW:
      StopAnimation(data);
      break;
    case WM_FONTCHANGE:
    case platform::CM_ENABLEDCHANGED:
      data.FMouseAbove = false;
      data.FFocused = false;
      if (!target->Enabled()) UpdateGlow(data, false, false);
      break;
    case WM_UPDATEUISTATE:
      return data.Skinned();
    case WM_PARENTNOTIFY:
      if (LOWORD(message.WParam) == WM_CREATE && data.OwnerHandle() != nullptr) {
        AttachStandardAdapters(data.OwnerHandle(), reinterpret_cast<HWND>(message.LParam));
      }
      break;
    case platform::CM_VISIBLECHANGED:
      VisibleChanged(data, message.WParam != 0);
      break;
    case platform::CM_MOUSEENTER:
      MouseEnter(data);
      break;
    case platform::CM_MOUSELEAVE:
      MouseLeave(data);
      break;
    case platform::CM_SHOWINGCHANGED:
      if (target->Visible()) data.Loaded();
      break;
    default:
      break;
  }
  return false;
}

ui::TChainLink HookSkinHandlers(ui::TControl& control, TSkinCommonData& data, TSkinOwnCommands own) {
  return control.WindowProc().Add([&data, own = std::move(own)](ui::TMessage& message, const ui::TPassOn& pass_on) {
    if (message.Msg == SM_ALPHACMD && own && own(message)) return;
    if (CommonWndProc(message, data)) return;
    pass_on(message);
  });
}

}  // namespace vorlan::skin
