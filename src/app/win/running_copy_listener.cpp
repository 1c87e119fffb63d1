#include "app/win/running_copy_listener.h"

namespace vorlan::app {

TRunningCopyListener::TRunningCopyListener(TMainForm& form, const TRunningCopyNames& names)
    : form_(form),
      show_request_(names.ShowRequest()),
      exit_request_(names.ExitRequest()),
      window_([this](ui::TMessage& message) { return Dispatch(message); }, names.WindowTitle().c_str()) {}

bool TRunningCopyListener::Dispatch(ui::TMessage& message) {
  // A registration that failed answers 0, which no message carries.
  if (message.Msg == 0) return false;
  if (message.Msg == show_request_) {
    ShowOrBringToFront();
  } else if (message.Msg == exit_request_) {
    form_.D1Click(form_);
  } else {
    return false;
  }
  message.Result = 0;
  return true;
}

void TRunningCopyListener::ShowOrBringToFront() {
  if (!form_.Visible()) {
    form_.G1Click(form_);
    return;
  }
  const HWND window = form_.Handle();
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  SetForegroundWindow(window);
}

}  // namespace vorlan::app
