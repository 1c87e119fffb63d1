#include "skin/controls/skin_messaging.h"

#include "ui/win_control.h"

namespace vorlan::skin {

LRESULT SendSkinCommand(HWND window, TSkinCommand command, LPARAM lparam) {
  if (!window) return 0;
  return SendMessageW(window, SM_ALPHACMD, MakeSkinWParam(command), lparam);
}

LRESULT SendSkinCommandTo(ui::TControl* control, TSkinCommand command, LPARAM lparam) {
  if (!control) return 0;
  if (const auto* windowed = dynamic_cast<const ui::TWinControl*>(control)) {
    if (windowed->IsDestroying() || !windowed->HandleAllocated()) return 0;
    return SendSkinCommand(windowed->Handle(), command, lparam);
  }
  ui::TMessage message{SM_ALPHACMD, MakeSkinWParam(command), lparam, 0};
  control->Dispatch(message);
  return message.Result;
}

bool IsSkinCommandTrue(HWND window, TSkinCommand command) { return SendSkinCommand(window, command) == 1; }

bool IsSkinCommandTrue(ui::TControl* control, TSkinCommand command) { return SendSkinCommandTo(control, command) == 1; }

TColor ParentColor(ui::TControl* control) {
  if (!control) return paint::kKeyColor;
  if (IsSkinCommandTrue(control, scIsSkinned)) {
    return paint::ResolveColor(static_cast<TColor>(SendSkinCommandTo(control, scGetBgColor, paint::kKeyColor)));
  }
  return paint::ResolveColor(control->Color());
}

TColor WindowBgColor(HWND window) {
  if (!window) return paint::kKeyColor;
  return paint::ResolveColor(static_cast<TColor>(SendSkinCommand(window, scGetBgColor, paint::kKeyColor)));
}

}  // namespace vorlan::skin
