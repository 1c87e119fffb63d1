#pragma once

#include <windows.h>

#include "ui/types.h"

// The bridge between window handles and the objects that handle their
// messages. The object is bound at WM_NCCREATE (its address is the creation
// parameter) or, for windows of the system's classes, right after creation
// through a subclass of its own id; it is unbound at WM_NCDESTROY. No
// exception ever crosses back into the system: it goes to the application's
// error box.
namespace vorlan::ui {

class TWindowTarget {
 public:
  TWindowTarget() = default;
  TWindowTarget(const TWindowTarget&) = delete;
  TWindowTarget& operator=(const TWindowTarget&) = delete;
  // Destroys a window still bound, without routing its last messages here.
  virtual ~TWindowTarget();

  HWND Handle() const { return window_; }
  bool HandleAllocated() const { return window_ != nullptr; }

  // Handles one message; the chain of procedures behind it decides the result.
  virtual void Dispatch(TMessage& message) = 0;
  // The window is gone (WM_NCDESTROY has been handled).
  virtual void HandleDestroyed() {}

  // Passes a message to where unconsumed messages go: DefWindowProcW, or the
  // system class's own procedure for windows of the system's classes; 0
  // without a window.
  LRESULT CallDefault(const TMessage& message) const;

 protected:
  // Creates the window bound to this target; the class must be one from
  // RegisterFrameworkClass.
  HWND CreateBoundWindow(DWORD ex_style, const wchar_t* window_class, const wchar_t* title, DWORD style, int x, int y,
                         int width, int height, HWND parent, HMENU menu_or_id);
  // Creates a window of a system class and routes it through this target.
  HWND CreateSubclassedWindow(DWORD ex_style, const wchar_t* window_class, const wchar_t* title, DWORD style, int x,
                              int y, int width, int height, HWND parent, HMENU menu_or_id);
  // Destroys the window while this object still handles its messages.
  void DestroyHandle();

 private:
  friend LRESULT CALLBACK FrameworkWindowProc(HWND, UINT, WPARAM, LPARAM) noexcept;
  friend LRESULT CALLBACK FrameworkSubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR) noexcept;
  void Bind(HWND window);
  void Unbind();
  LRESULT Deliver(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;

  HWND window_ = nullptr;
  bool subclassed_ = false;
};

// The window procedure of every window class the framework registers.
LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;

// Registers a window class served by FrameworkWindowProc (once per name).
const wchar_t* RegisterFrameworkClass(const wchar_t* name, UINT style = CS_DBLCLKS);

// The framework object behind a window, if any.
TWindowTarget* FindTarget(HWND window);

// For a catch (...) at the edge to the system: the error goes to the
// application's error box, and nothing (not even a failing box) escapes.
void ReportEscapedError() noexcept;

}  // namespace vorlan::ui
