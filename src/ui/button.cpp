#include "ui/button.h"

namespace vorlan::ui {

void TButton::CreateParams(TCreateParams& params) {
  params.WindowClass = L"BUTTON";
  params.SystemClass = true;
  params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON;
}

bool TButton::DialogKeyPressed(UINT key) {
  if (key != VK_RETURN) return false;
  Click();
  return true;
}

void TButton::SetDefault(bool value) {
  if (default_ == value) return;
  default_ = value;
  DefaultChanged();
}

void TButton::WndProc(TMessage& message) {
  if (message.Msg == CN_BASE + WM_COMMAND) {
    if (HIWORD(message.WParam) == BN_CLICKED) Click();
    return;
  }
  TWinControl::WndProc(message);
}

}  // namespace vorlan::ui
