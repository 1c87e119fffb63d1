#include "skin/controls/command_send.h"

#include <vector>

#include "skin/controls/skin_messaging.h"
#include "ui/win_control.h"

namespace vorlan::skin::detail {
namespace {

WPARAM CommandWParam(TSkinCommand command, std::uint16_t lowWord) { return MakeSkinWParam(command) | lowWord; }

}  // namespace

std::intptr_t SendCommand(HWND window, TSkinCommand command, std::intptr_t lparam, std::uint16_t lowWord) {
  if (window == nullptr) return 0;
  return SendMessageW(window, SM_ALPHACMD, CommandWParam(command, lowWord), lparam);
}

std::intptr_t SendCommand(ui::TControl& control, TSkinCommand command, std::intptr_t lparam, std::uint16_t lowWord) {
  if (control.IsDestroying()) return 0;
  return control.Perform(SM_ALPHACMD, CommandWParam(command, lowWord), lparam);
}

void SendToChildren(ui::TControl& control, TSkinCommand command, std::intptr_t lparam, std::uint16_t lowWord,
                    bool windowedOnly) {
  auto* container = dynamic_cast<ui::TWinControl*>(&control);
  if (container == nullptr) return;
  // A copy: a child may leave its parent while it handles the command.
  const std::vector<ui::TControl*> children = container->Controls();
  for (ui::TControl* child : children) {
    if (windowedOnly && !child->IsWindowed()) continue;
    SendCommand(*child, command, lparam, lowWord);
  }
}

bool IsSkinnedControl(ui::TControl& control) { return IsSkinCommandTrue(&control, scIsSkinned); }

}  // namespace vorlan::skin::detail
