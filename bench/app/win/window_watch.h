#pragma once

#include <windows.h>
// (needs windows.h before it)
#include <psapi.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/handle_win.h"

// Watching a program of another process from outside, as a user sees it:
// when its window is up and fully painted, how much private memory it holds.
namespace bench {

using Clock = std::chrono::steady_clock;

inline double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A started program; its process is ended when this goes.
class ChildProgram {
 public:
  // Starts `command_line` in `directory` (empty: this one's).
  ChildProgram(const std::wstring& command_line, const std::wstring& directory = {}) {
    std::wstring command = command_line;
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    started_ = Clock::now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &si, &pi)) {
      return;
    }
    process_.reset(pi.hProcess);
    thread_.reset(pi.hThread);
    id_ = pi.dwProcessId;
  }
  ~ChildProgram() { End(); }
  ChildProgram(const ChildProgram&) = delete;
  ChildProgram& operator=(const ChildProgram&) = delete;

  bool Started() const { return process_.get() != nullptr; }
  bool Running() const { return Started() && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }
  DWORD Id() const { return id_; }
  HANDLE Process() const { return process_.get(); }
  Clock::time_point StartedAt() const { return started_; }

  // Asks the program to end as the session's end does, then waits for it;
  // a program that does not go is terminated.
  void End(HWND window = nullptr) {
    if (!Running()) return;
    DWORD_PTR result = 0;
    if (window != nullptr) {
      SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 5000, &result);
      SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 5000, &result);
    }
    if (WaitForSingleObject(process_.get(), window != nullptr ? 10000 : 0) != WAIT_OBJECT_0) {
      TerminateProcess(process_.get(), 1);
      WaitForSingleObject(process_.get(), 10000);
    }
  }

 private:
  vorlan::platform::UniqueKernelHandle process_, thread_;
  DWORD id_ = 0;
  Clock::time_point started_;
};

// The visible top-level window of `process` with the class `window_class`.
inline HWND VisibleWindowOf(DWORD process, const wchar_t* window_class) {
  struct Search {
    DWORD process;
    const wchar_t* window_class;
    HWND found = nullptr;
  } search{process, window_class};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t name[64]{};
        GetClassNameW(window, name, 64);
        if (owner == s->process && std::wstring(name) == s->window_class && IsWindowVisible(window)) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// True when the window's thread has handled every message sent before.
inline bool Synchronise(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result) != 0;
}

// No part of the window or of a visible child waits to be painted.
inline bool NothingToPaint(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return false;
  bool valid = true;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM param) -> BOOL {
        if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
          *reinterpret_cast<bool*>(param) = false;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&valid));
  return valid;
}

// Waits for the program's window to be visible and fully painted: nothing
// left to paint, twice, around a message its thread answers only between
// two handlers (a paint under way when the first look found nothing left
// has ended by the second). The window, or nullptr after `timeout_ms`.
inline HWND WaitUntilPainted(const ChildProgram& program, const wchar_t* window_class, DWORD timeout_ms = 60000) {
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  HWND window = nullptr;
  while (window == nullptr) {
    if (!program.Running() || Clock::now() > deadline) return nullptr;
    window = VisibleWindowOf(program.Id(), window_class);
    if (window == nullptr) Sleep(1);
  }
  while (Clock::now() < deadline) {
    if (!Synchronise(window)) return nullptr;
    if (NothingToPaint(window) && Synchronise(window) && NothingToPaint(window)) return window;
    Sleep(0);
  }
  return nullptr;
}

// The process's private bytes: its commit charge, the memory of its own
// (what Windows reports as both PagefileUsage and PrivateUsage; Wine fills
// only the first, from the process's resident and swapped anonymous memory).
inline std::uint64_t PrivateBytes(HANDLE process) {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  if (!GetProcessMemoryInfo(process, &counters, sizeof(counters))) return 0;
  return counters.PagefileUsage;
}

}  // namespace bench
