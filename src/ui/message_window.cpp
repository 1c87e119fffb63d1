#include "ui/message_window.h"

#include <utility>

namespace vorlan::ui {

TMessageWindow::TMessageWindow(THandler handler, const wchar_t* title) : handler_(std::move(handler)) {
  CreateBoundWindow(WS_EX_TOOLWINDOW, RegisterFrameworkClass(L"VorlanMessageWindow", 0), title, WS_POPUP, 0, 0, 0, 0,
                    nullptr, nullptr);
}

TMessageWindow::~TMessageWindow() { DestroyHandle(); }

void TMessageWindow::Dispatch(TMessage& message) {
  if (handler_ && handler_(message)) return;
  message.Result = CallDefault(message);
}

}  // namespace vorlan::ui
