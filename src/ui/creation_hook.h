#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace vorlan::ui {

// Watches the windows this thread creates (a WH_CBT hook, HCBT_CREATEWND):
// the handler gets each new window before it receives its first message,
// which is the moment to attach to windows the system makes on our behalf
// (a popup menu's window). Watches may overlap and end in any order; one
// system hook serves them all while any is alive.
class TWindowCreationHook {
 public:
  using THandler = std::function<void(HWND window)>;

  explicit TWindowCreationHook(THandler handler);
  ~TWindowCreationHook();
  TWindowCreationHook(const TWindowCreationHook&) = delete;
  TWindowCreationHook& operator=(const TWindowCreationHook&) = delete;

 private:
  friend LRESULT CALLBACK CreationHookProc(int code, WPARAM wparam, LPARAM lparam) noexcept;
  THandler handler_;
};

// The class name of a window (at most 255 characters).
std::u16string WindowClassName(HWND window);

}  // namespace vorlan::ui
