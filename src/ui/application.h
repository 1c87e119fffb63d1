#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "ui/message_window.h"

namespace vorlan::ui {

class TForm;

// The silent error: leaves a handler without any box.
class EAbort : public std::exception {
 public:
  const char* what() const noexcept override { return "Operation aborted"; }
};

// The one application object of the process: its hidden window, the message
// loop, the title and the error box for errors that escape event handlers.
class TApplication {
 public:
  TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;
  ~TApplication();

  HWND Handle() const { return window_ ? window_->Handle() : nullptr; }

  const std::u16string& Title() const { return title_; }
  void SetTitle(std::u16string title);

  // The main form owns the task-bar button (so the button exists only while
  // it is visible); closing it ends the program.
  TForm* MainForm() const { return main_form_; }
  void SetMainForm(TForm* form) { main_form_ = form; }

  // Shows the main form, then handles messages until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Starts afresh after a Terminate (for programs that run the loop again):
  // a quit request still waiting is dropped.
  void ResetTerminated();

  // Handles every message waiting now, without waiting for more.
  void ProcessMessages();
  // Handles one message, waiting for it if none is there.
  void HandleMessage();

  // The error box for an error that escaped an event handler; the program
  // goes on afterwards. Never throws: a failing box loses the message.
  void HandleException(std::exception_ptr error) noexcept;
  void ShowException(std::u16string_view message);

  // How the error message reaches its final text (for example a period at
  // its end); by default unchanged.
  std::function<std::u16string(std::u16string_view message)> ErrorText;

  // Shows a message box and returns the button chosen; MessageBoxW by
  // default, replaceable where no one can press a button.
  std::function<int(HWND owner, const std::u16string& text, const std::u16string& caption, UINT type)> ShowMessageBox;

 private:
  bool ProcessMessage();
  bool IsDialogKey(const MSG& msg);

  std::u16string title_;
  TForm* main_form_ = nullptr;  // borrowed: the program owns its forms
  bool terminated_ = false;
  std::unique_ptr<TMessageWindow> window_;
};

// The process's application object.
TApplication& Application();

}  // namespace vorlan::ui
