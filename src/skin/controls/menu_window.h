#pragma once

#include <windows.h>

#include <functional>

#include "ui/window_subclass.h"

// The adapter of a popup menu's window ("#32768", section "MAINMENU"): it
// answers that the window is skinned, keeps the frame that the menu painter
// put on it over the system's own painting, and tells when the window goes.
namespace vorlan::skin {

class TSkMnuWnd {
 public:
  using TFrameHandler = std::function<void(HWND window)>;

  // `draw_frame` repaints the skin's frame; `destroyed` runs once when the
  // window is destroyed. Both are borrowed by the adapter's lifetime.
  TSkMnuWnd(HWND window, TFrameHandler draw_frame, TFrameHandler destroyed);
  TSkMnuWnd(const TSkMnuWnd&) = delete;
  TSkMnuWnd& operator=(const TSkMnuWnd&) = delete;

  HWND CtrlHandle() const { return CtrlHandle_; }
  bool Destroyed() const { return Destroyed_; }
  // Set by command 14 while the window is visible: the region must be set anew.
  bool RegionChanged = false;
  bool RegionSet = false;  // the painter has given the window its region

 private:
  void skWndProc(ui::TMessage& message, const ui::TPassOn& pass_on);

  HWND CtrlHandle_;
  TFrameHandler draw_frame_;
  TFrameHandler destroyed_;
  bool Destroyed_ = false;
  ui::TWindowSubclass subclass_;
};

}  // namespace vorlan::skin
