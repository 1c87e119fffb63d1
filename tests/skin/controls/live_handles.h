#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

// Counts of the process's live window-system objects, for tests that prove
// that something undoes itself.
namespace vorlan::skin::test {

// Live GDI objects of the process. The system counts them; where it does
// not (Wine answers 0), every handle index is probed, which finds the same
// objects because a GDI handle is also found by its index alone there.
inline std::size_t LiveGdiObjects() {
  if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return counted;
  std::size_t live = 0;
  for (std::uintptr_t index = 1; index < 0x10000; ++index) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++live;
  }
  return live;
}

inline BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<std::size_t*>(count);
  EnumChildWindows(window, CountWindow, count);
  return TRUE;
}

// Live windows of this thread (all of them children included), where the
// system does not count USER objects.
inline std::size_t LiveUserObjects() {
  if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return counted;
  std::size_t live = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&live));
  return live;
}

// Runs the messages waiting for this thread.
inline void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace vorlan::skin::test
