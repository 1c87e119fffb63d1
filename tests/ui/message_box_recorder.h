#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/application.h"

namespace vorlan::ui::testing {

// Takes the place of the system's message box for the life of a test: the
// boxes are recorded (with whether a window of interest was visible at that
// moment) instead of waiting for a click.
class MessageBoxRecorder {
 public:
  struct Box {
    HWND owner = nullptr;
    std::u16string text;
    std::u16string caption;
    UINT type = 0;
    bool watched_window_visible = false;
  };

  MessageBoxRecorder() {
    Application().ResetTerminated();
    Application().ShowMessageBox = [this](HWND owner, const std::u16string& text, const std::u16string& caption,
                                          UINT type) {
      boxes.push_back({owner, text, caption, type, watched && IsWindowVisible(watched) != FALSE});
      return IDOK;
    };
  }
  ~MessageBoxRecorder() {
    Application().ShowMessageBox = nullptr;
    Application().ResetTerminated();
  }
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  HWND watched = nullptr;
  std::vector<Box> boxes;
};

}  // namespace vorlan::ui::testing
