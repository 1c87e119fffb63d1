#pragma once

#include <windows.h>

// The peer of the program's window in the benchmarks: a bare Win32 window of
// the main window's outer size, with the system's frame and a client painted
// in the button face colour, that runs until it is closed or the session ends.
namespace bench {

inline constexpr wchar_t kBareWindowClass[] = L"VorlanBenchBare";
inline constexpr int kMainWindowWidth = 282, kMainWindowHeight = 280;

inline LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(window, &ps);
      FillRect(ps.hdc, &ps.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
      EndPaint(window, &ps);
      return 0;
    }
    case WM_ENDSESSION:
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

// Shows the window and runs its loop; the process's exit code.
inline int RunBareWindow() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = BareWindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kBareWindowClass;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  RegisterClassW(&wc);
  const HWND window = CreateWindowExW(WS_EX_APPWINDOW, kBareWindowClass, L"VorlanTV",
                                      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT,
                                      kMainWindowWidth, kMainWindowHeight, nullptr, nullptr, wc.hInstance, nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, SW_SHOW);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}

}  // namespace bench
