#pragma once

#include <windows.h>

#include "app/win/main_form.h"
#include "app/win/running_copy.h"
#include "ui/message_window.h"

namespace vorlan::app {

// The running copy's ear: a hidden window under the names' title that turns
// the requests of a later start and of the uninstaller into what the tray
// menu does on the main form. It borrows the form and goes before it.
class TRunningCopyListener {
 public:
  TRunningCopyListener(TMainForm& form, const TRunningCopyNames& names);

  HWND Handle() const { return window_.Handle(); }

 private:
  bool Dispatch(ui::TMessage& message);
  void ShowOrBringToFront();

  TMainForm& form_;
  UINT show_request_;
  UINT exit_request_;
  ui::TMessageWindow window_;
};

}  // namespace vorlan::app
