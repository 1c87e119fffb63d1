#include "skin/controls/base/skin_messaging.h"

#include <vector>

#include "ui/win_control.h"

namespace vorlan::skin {
namespace {

WPARAM CommandWParam(TSkinCommand command, std::uint16_t lowWord) { return MakeSkinWParam(command) | lowWord; }

}  // namespace

LRESULT SendSkinCommand(HWND window, TSkinCommand command, LPARAM lparam, std::uint16_t lowWord) {
  if (!window) return 0;
  return SendMessageW(window, SM_ALPHACMD, CommandWParam(command, lowWord), lparam);
}

LRESULT SendSkinCommandTo(ui::TControl* control, TSkinCommand command, LPARAM lparam, std::uint16_t lowWord) {
  if (!control) return 0;
  if (const auto* windowed = dynamic_cast<const ui::TWinControl*>(control)) {
    if (windowed->IsDestroying() || !windowed->HandleAllocated()) return 0;
    return SendSkinCommand(windowed->Handle(), command, lparam, lowWord);
  }
  ui::TMessage message{SM_ALPHACMD, CommandWParam(command, lowWord), lparam, 0};
  control->Dispatch(message);
  return message.Result;
}

LRESULT PerformSkinCommand(ui::TControl& control, TSkinCommand command, LPARAM lparam, std::uint16_t lowWord) {
  if (control.IsDestroying()) return 0;
  return control.Perform(SM_ALPHACMD, CommandWParam(command, lowWord), lparam);
}

void PerformSkinCommandOnChildren(ui::TControl& control, TSkinCommand command, LPARAM lparam, std::uint16_t lowWord,
                                  bool windowedOnly) {
  auto* container = dynamic_cast<ui::TWinControl*>(&control);
  if (container == nullptr) return;
  // A copy: a child may leave its parent while it handles the command.
  const std::vector<ui::TControl*> children = container->Controls();
  for (ui::TControl* child : children) {
    if (windowedOnly && !child->IsWindowed()) continue;
    PerformSkinCommand(*child, command, lparam, lowWord);
  }
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
