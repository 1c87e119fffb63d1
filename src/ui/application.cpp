#include "ui/application.h"

#include <commctrl.h>

#include "platform/error.h"
#include "platform/text.h"
#include "ui/form.h"

namespace vorlan::ui {
namespace {

int SystemMessageBox(HWND owner, const std::u16string& text, const std::u16string& caption, UINT type) {
  return MessageBoxW(owner, Wide(text), Wide(caption), type);
}

}  // namespace

TApplication::TApplication() : ShowMessageBox(SystemMessageBox) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  window_ = std::make_unique<TMessageWindow>(nullptr);
}

TApplication::~TApplication() = default;

void TApplication::SetTitle(std::u16string title) {
  title_ = std::move(title);
  if (Handle()) SetWindowTextW(Handle(), Wide(title_));
}

void TApplication::Run() {
  if (main_form_) main_form_->Show();
  while (!terminated_) HandleMessage();
}

void TApplication::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

void TApplication::ResetTerminated() {
  terminated_ = false;
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

bool TApplication::ProcessMessage() {
  MSG msg;
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  if (!IsDialogKey(msg)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

bool TApplication::IsDialogKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  auto* control = dynamic_cast<TWinControl*>(FindTarget(msg.hwnd));
  if (!control) return false;
  TForm* form = control->ParentForm();
  if (!form) return false;
  try {
    return form->DialogKey(*control, static_cast<UINT>(msg.wParam));
  } catch (...) {
    ReportEscapedError();
    return true;
  }
}

void TApplication::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

void TApplication::HandleMessage() {
  if (!ProcessMessage() && !terminated_) WaitMessage();
}

void TApplication::HandleException(std::exception_ptr error) noexcept {
  try {
    try {
      std::rethrow_exception(error);
    } catch (const EAbort&) {
    } catch (const vorlan::Error& e) {
      ShowException(e.Message());
    } catch (const std::exception& e) {
      ShowException(platform::Utf8ToUtf16(e.what()));
    } catch (...) {
      ShowException(u"Unknown error");
    }
  } catch (...) {
    // The box itself failed (its text, its window, memory): nothing more can
    // be shown, and nothing may reach the system's window procedure caller.
  }
}

void TApplication::ShowException(std::u16string_view message) {
  const std::u16string text = ErrorText ? ErrorText(message) : std::u16string(message);
  HWND owner = GetActiveWindow();
  if (!owner) owner = Handle();
  if (ShowMessageBox) ShowMessageBox(owner, text, title_, MB_OK | MB_ICONSTOP);
}

TApplication& Application() {
  static TApplication application;
  return application;
}

}  // namespace vorlan::ui
