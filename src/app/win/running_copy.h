#pragma once

#include <windows.h>

#include <string>

#include "platform/handle_win.h"

namespace vorlan::app {

// The names one running copy of the program is known by in the user's
// session: its mutex, the title of its listening window and its two
// requests (registered window messages, which the installer sends too).
struct TRunningCopyNames {
  std::wstring base;

  // The program's own names (tests choose others, so that a program running
  // beside them is not disturbed).
  static TRunningCopyNames Program();

  std::wstring Mutex() const { return L"Local\\" + base; }
  const std::wstring& WindowTitle() const { return base; }
  // Show the window as the tray's "Показать\скрыть" does, or bring it to
  // the front when it is shown.
  UINT ShowRequest() const;
  // End as the tray's "Выйти" does.
  UINT ExitRequest() const;
};

// Decides at start whether this process is the session's running copy. The
// first one owns the named mutex for its whole life; a later one finds the
// running copy's listening window. A copy that is ending releases the mutex
// and a start meanwhile takes over; a copy still starting shows its window
// by itself, so a start that finds no listener within a short wait gives up.
class TRunningCopy {
 public:
  explicit TRunningCopy(const TRunningCopyNames& names);
  TRunningCopy(const TRunningCopy&) = delete;
  TRunningCopy& operator=(const TRunningCopy&) = delete;
  ~TRunningCopy();

  bool First() const { return owns_mutex_; }
  // For a later start: asks the running copy to show its window (posted, so
  // this returns at once). False when no running copy listens.
  bool AskToShow() const;

 private:
  TRunningCopyNames names_;
  platform::UniqueKernelHandle mutex_;
  bool owns_mutex_ = false;
  HWND listener_ = nullptr;  // the running copy's, found by its title
};

}  // namespace vorlan::app
