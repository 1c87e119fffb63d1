// Works the running VorlanTV window through its messages, as a user would:
//   vorlan-driver lookup NUMBER   types NUMBER into the edit box, clicks the
//                                 search button, prints the window's place
//   vorlan-driver end-session     tells the program the session ends
//   vorlan-driver place           prints the window's place
//   vorlan-driver focus-edit NUMBER
//                                 activates the window, clicks into the edit
//                                 box, types NUMBER, moves the mouse away
//   vorlan-driver hover-button    moves the mouse over the search button
//   vorlan-driver hover-edit      moves the mouse over the edit box
//   vorlan-driver hide-glows      hides the glow windows (Xvfb shows them opaque)
//   vorlan-driver press-button    holds the left button down on it
//   vorlan-driver release-button  releases it (the click runs the lookup)
//                                 and returns when the lookup has ended
//   vorlan-driver move-away       moves the mouse away from the controls
//   vorlan-driver hover-close     moves the mouse over the title's close button
//   vorlan-driver press-close     holds the left button down on it
//   vorlan-driver release-away    moves off the button, releases there (no
//                                 close) and leaves the title
//   vorlan-driver system-menu     clicks the title's icon (the system menu
//                                 opens and stays open), prints the screen
//                                 area of the window and the menu
//   vorlan-driver activate-other SECONDS
//                                 shows a small window of its own away from
//                                 the program's and gives it the activation,
//                                 for SECONDS, then closes it
//   vorlan-driver open-tray-menu  opens the tray icon's menu (as a right click
//                                 on the icon tells the program) beside the
//                                 window, prints the menu's place
//   vorlan-driver hover-menu-item INDEX COUNT
//                                 moves the mouse over item INDEX (from 1) of
//                                 the open menu's COUNT items of one height
//   vorlan-driver close-menu      closes the open menu with Escape
// Exit code 0 on success; 2 when the window does not appear.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/program_messages.h"

namespace {

constexpr wchar_t kFormClass[] = L"VorlanForm";
constexpr wchar_t kMessageWindowClass[] = L"VorlanMessageWindow";
constexpr wchar_t kMenuClass[] = L"#32768";
constexpr DWORD kWaitMilliseconds = 60000;
constexpr UINT kSendTimeout = 60000;

HWND WaitForVisibleForm() {
  for (DWORD waited = 0; waited < kWaitMilliseconds; waited += 100) {
    HWND form = FindWindowW(kFormClass, nullptr);
    if (form && IsWindowVisible(form)) return form;
    Sleep(100);
  }
  return nullptr;
}

struct FoundControls {
  HWND edit = nullptr;
  HWND button = nullptr;
};

BOOL CALLBACK CollectControl(HWND child, LPARAM param) {
  auto* found = reinterpret_cast<FoundControls*>(param);
  wchar_t name[64] = {};
  GetClassNameW(child, name, 64);
  const LONG style = GetWindowLongW(child, GWL_STYLE);
  if (_wcsicmp(name, L"Edit") == 0 && !(style & ES_MULTILINE) && IsWindowVisible(child)) found->edit = child;
  // The search button by its caption, whatever its window class.
  wchar_t caption[64] = {};
  GetWindowTextW(child, caption, 64);
  if (std::wcsncmp(caption, L"Найти", 5) == 0 && IsWindowVisible(child)) found->button = child;
  return TRUE;
}

bool Send(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, message, wparam, lparam, SMTO_NORMAL, kSendTimeout, &result) != 0;
}

void PrintPlace(HWND window, const char* what = "window") {
  RECT rect{};
  GetWindowRect(window, &rect);
  std::printf("%s %ld %ld %ld %ld\n", what, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  std::fflush(stdout);
}

bool FindControls(HWND form, FoundControls& found) {
  EnumChildWindows(form, CollectControl, reinterpret_cast<LPARAM>(&found));
  if (found.edit && found.button) return true;
  std::fprintf(stderr, "vorlan-driver: edit box or button not found\n");
  return false;
}

// The centre of a window in its own client coordinates and on the screen.
POINT ClientCentre(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return POINT{r.right / 2, r.bottom / 2};
}

POINT ScreenCentre(HWND window) {
  POINT p = ClientCentre(window);
  ClientToScreen(window, &p);
  return p;
}

LPARAM Coordinates(POINT p) { return MAKELPARAM(p.x, p.y); }

// The real cursor goes there (hover tracking asks where it is) and the
// window under it hears of the move.
void MoveMouseTo(HWND window, POINT client) {
  POINT screen = client;
  ClientToScreen(window, &screen);
  SetCursorPos(screen.x, screen.y);
  PostMessageW(window, WM_MOUSEMOVE, 0, Coordinates(client));
}

// Waits until the program's thread has handled everything posted so far.
bool WaitIdle(HWND form) { return Send(form, WM_NULL, 0, 0); }

// Over the banner, away from every control that reacts to the mouse.
void MoveAway(HWND form) {
  RECT client{};
  GetClientRect(form, &client);
  MoveMouseTo(form, POINT{client.right / 2, 40});
  WaitIdle(form);
}

int FocusEdit(HWND form, const wchar_t* number) {
  FoundControls found;
  if (!FindControls(form, found)) return 3;
  SetForegroundWindow(form);
  const LPARAM at = Coordinates(ClientCentre(found.edit));
  PostMessageW(found.edit, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(found.edit, WM_LBUTTONUP, 0, at);
  WaitIdle(form);
  for (const wchar_t* c = number; *c; ++c) Send(found.edit, WM_CHAR, *c, 1);
  MoveAway(form);
  return 0;
}

// The real cursor over the middle of one of the found controls.
int HoverControl(HWND form, HWND FoundControls::*which) {
  FoundControls found;
  if (!FindControls(form, found)) return 3;
  MoveMouseTo(found.*which, ClientCentre(found.*which));
  WaitIdle(form);
  return 0;
}

int PressButton(HWND form) {
  FoundControls found;
  if (!FindControls(form, found)) return 3;
  const POINT centre = ScreenCentre(found.button);
  SetCursorPos(centre.x, centre.y);
  PostMessageW(found.button, WM_LBUTTONDOWN, MK_LBUTTON, Coordinates(ClientCentre(found.button)));
  WaitIdle(form);
  return 0;
}

int ReleaseButton(HWND form) {
  FoundControls found;
  if (!FindControls(form, found)) return 3;
  PostMessageW(found.button, WM_LBUTTONUP, 0, Coordinates(ClientCentre(found.button)));
  // The lookup runs in the program's loop: the wait ends with it.
  if (!WaitIdle(form)) {
    std::fprintf(stderr, "vorlan-driver: the click did not return in time\n");
    return 4;
  }
  return 0;
}

int Lookup(HWND form, const wchar_t* number) {
  FoundControls found;
  if (!FindControls(form, found)) return 3;
  PrintPlace(form);
  Send(found.edit, WM_SETFOCUS, 0, 0);
  for (const wchar_t* c = number; *c; ++c) Send(found.edit, WM_CHAR, *c, 1);
  // The click returns when the lookup has ended (it runs in the program's
  // message loop).
  if (!Send(found.button, BM_CLICK, 0, 0)) {
    std::fprintf(stderr, "vorlan-driver: the click did not return in time\n");
    return 4;
  }
  return 0;
}

LRESULT CALLBACK OtherWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_ERASEBKGND) {
    RECT r{};
    GetClientRect(window, &r);
    FillRect(reinterpret_cast<HDC>(wparam), &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    return 1;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

// Pumps this thread's messages for a while.
void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(10);
  }
}

int ActivateOther(HWND form, int seconds) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = OtherWindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"VorlanDriverOther";
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  RegisterClassW(&wc);
  RECT place{};
  GetWindowRect(form, &place);
  // Beside the form, so that a crop of the form shows none of it.
  const int left = place.left > 220 ? place.left - 210 : place.right + 10;
  HWND other = CreateWindowExW(0, wc.lpszClassName, L"Other", WS_POPUP | WS_BORDER, left, place.top, 200, 80, nullptr,
                               nullptr, wc.hInstance, nullptr);
  if (!other) return 5;
  ShowWindow(other, SW_SHOW);
  SetForegroundWindow(other);
  SetActiveWindow(other);
  PumpFor(500);
  std::printf("active %s\n", GetForegroundWindow() == form ? "form" : "other");
  std::fflush(stdout);
  PumpFor(static_cast<DWORD>(seconds) * 1000);
  DestroyWindow(other);
  return 0;
}

// Xvfb composes nothing: a layered glow window shows as an opaque block over
// the control it surrounds. A picture of the control itself hides the glows
// first (a step of the tour, not of the program).
BOOL CALLBACK HideIfGlow(HWND window, LPARAM) {
  wchar_t name[64]{};
  GetClassNameW(window, name, 64);
  if (std::wcscmp(name, L"VorlanGlowWindow") == 0) ShowWindow(window, SW_HIDE);
  return TRUE;
}

int HideGlows() {
  EnumWindows(HideIfGlow, 0);
  return 0;
}

// Top-level windows of one class that belong to the form's process.
struct ProcessWindows {
  DWORD process = 0;
  const wchar_t* window_class = nullptr;
  bool visible_only = false;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectProcessWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<ProcessWindows*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t name[64]{};
  GetClassNameW(window, name, 64);
  if (process == search->process && std::wcscmp(name, search->window_class) == 0 &&
      (!search->visible_only || IsWindowVisible(window))) {
    search->found.push_back(window);
  }
  return TRUE;
}

std::vector<HWND> WindowsOfProgram(HWND form, const wchar_t* window_class, bool visible_only) {
  ProcessWindows search;
  GetWindowThreadProcessId(form, &search.process);
  search.window_class = window_class;
  search.visible_only = visible_only;
  EnumWindows(CollectProcessWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND OpenMenuWindow(HWND form) {
  const std::vector<HWND> menus = WindowsOfProgram(form, kMenuClass, true);
  return menus.empty() ? nullptr : menus.front();
}

HWND WaitForMenu(HWND form, bool open) {
  for (DWORD waited = 0; waited < 10000; waited += 50) {
    HWND menu = OpenMenuWindow(form);
    if ((menu != nullptr) == open) return menu;
    Sleep(50);
  }
  return OpenMenuWindow(form);
}

// The title's parts are found the way the mouse finds them: by asking the
// window's hit test along the title, so the tour follows the skin's layout.
bool FindTitlePart(HWND form, LRESULT code, POINT& centre) {
  RECT r{};
  GetWindowRect(form, &r);
  LONG first = -1, last = -1, row = -1;
  for (LONG y = r.top + 2; y < r.top + 40 && first < 0; ++y) {
    for (LONG x = r.left; x < r.right; ++x) {
      DWORD_PTR hit = 0;
      SendMessageTimeoutW(form, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_NORMAL, kSendTimeout, &hit);
      if (static_cast<LRESULT>(hit) != code) {
        if (first >= 0) break;
        continue;
      }
      if (first < 0) first = x, row = y;
      last = x;
    }
  }
  if (first < 0) {
    std::fprintf(stderr, "vorlan-driver: no title part with hit code %ld\n", static_cast<long>(code));
    return false;
  }
  centre = POINT{(first + last) / 2, row + 6};
  return true;
}

// Non-client mouse messages carry screen coordinates and the hit code.
void PostTitleMouse(HWND form, UINT message, LRESULT code, POINT screen) {
  SetCursorPos(screen.x, screen.y);
  PostMessageW(form, message, static_cast<WPARAM>(code), MAKELPARAM(screen.x, screen.y));
}

// A mouse message over the close button (a move brings the window forward first).
int MouseOnClose(HWND form, UINT message) {
  POINT p{};
  if (!FindTitlePart(form, HTCLOSE, p)) return 3;
  if (message == WM_NCMOUSEMOVE) SetForegroundWindow(form);
  PostTitleMouse(form, message, HTCLOSE, p);
  WaitIdle(form);
  return 0;
}

int ReleaseAway(HWND form) {
  POINT close{};
  if (!FindTitlePart(form, HTCLOSE, close)) return 3;
  const POINT caption{close.x - 80, close.y};
  PostTitleMouse(form, WM_NCMOUSEMOVE, HTCAPTION, caption);
  PostTitleMouse(form, WM_NCLBUTTONUP, HTCAPTION, caption);
  PostTitleMouse(form, WM_NCMOUSEMOVE, HTCAPTION, caption);
  WaitIdle(form);
  MoveAway(form);
  return 0;
}

int SystemMenu(HWND form) {
  POINT icon{};
  if (!FindTitlePart(form, HTSYSMENU, icon)) return 3;
  SetForegroundWindow(form);
  WaitIdle(form);
  // The menu runs its own loop in the program: the post returns at once.
  PostTitleMouse(form, WM_NCLBUTTONDOWN, HTSYSMENU, icon);
  const HWND menu = WaitForMenu(form, true);
  if (!menu) return 6;
  Sleep(300);  // painted
  // "area LEFT TOP WIDTH HEIGHT": the window and the menu together.
  RECT window{}, popup{}, both{};
  GetWindowRect(form, &window);
  GetWindowRect(menu, &popup);
  UnionRect(&both, &window, &popup);
  std::printf("area %ld %ld %ld %ld\n", both.left, both.top, both.right - both.left, both.bottom - both.top);
  std::fflush(stdout);
  return 0;
}

// The cursor goes there as the user's mouse would: the system's input, so
// that a menu loop tracking the mouse sees it.
void MoveMouseOnScreen(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = static_cast<LONG>(screen.x * 65535 / std::max(GetSystemMetrics(SM_CXSCREEN) - 1, 1));
  input.mi.dy = static_cast<LONG>(screen.y * 65535 / std::max(GetSystemMetrics(SM_CYSCREEN) - 1, 1));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof(input));
}

// The tray icon's hidden window is one of the program's message windows;
// only it answers the shell's notification, so each of them is told.
int OpenTrayMenu(HWND form) {
  RECT place{};
  GetWindowRect(form, &place);
  // The menu opens at the cursor: beside the window, so that both show.
  SetCursorPos(place.right + 24, place.top + 40);
  for (HWND window : WindowsOfProgram(form, kMessageWindowClass, false)) {
    PostMessageW(window, vorlan::platform::WM_TRAYNOTIFY, 0, WM_RBUTTONUP);
  }
  HWND menu = WaitForMenu(form, true);
  if (!menu) {
    std::fprintf(stderr, "vorlan-driver: the tray menu did not open\n");
    return 6;
  }
  WaitIdle(form);
  PrintPlace(menu, "menu");
  return 0;
}

int HoverMenuItem(HWND form, int index, int count) {
  HWND menu = OpenMenuWindow(form);
  if (!menu || index < 1 || count < index) {
    std::fprintf(stderr, "vorlan-driver: no open menu, or no such item\n");
    return 6;
  }
  RECT client{};
  GetClientRect(menu, &client);
  POINT at{client.right / 2, static_cast<LONG>(client.bottom * (2 * index - 1) / (2 * count))};
  ClientToScreen(menu, &at);
  MoveMouseOnScreen(at);
  WaitIdle(form);
  return 0;
}

int CloseMenu(HWND form) {
  HWND menu = OpenMenuWindow(form);
  if (!menu) return 0;
  // The menu loop reads the thread's keys, whichever window they are for.
  PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 1);
  PostMessageW(menu, WM_KEYUP, VK_ESCAPE, 0xC0000001);
  if (WaitForMenu(form, false)) {
    std::fprintf(stderr, "vorlan-driver: the menu did not close\n");
    return 6;
  }
  return 0;
}

int EndSession(HWND form) {
  Send(form, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
  Send(form, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr,
                 "usage: vorlan-driver lookup NUMBER | end-session | activate-other SECONDS | place |\n"
                 "       focus-edit NUMBER | hover-button | hover-edit | press-button | release-button | move-away |\n"
                 "       hover-close | press-close | release-away | system-menu |\n"
                 "       open-tray-menu | hover-menu-item INDEX COUNT | close-menu\n");
    return 1;
  }
  HWND form = WaitForVisibleForm();
  if (!form) {
    std::fprintf(stderr, "vorlan-driver: the VorlanTV window did not appear\n");
    return 2;
  }
  const std::wstring command = argv[1];
  if (command == L"lookup" && argc >= 3) return Lookup(form, argv[2]);
  if (command == L"end-session") return EndSession(form);
  if (command == L"place") {
    PrintPlace(form);
    return 0;
  }
  if (command == L"focus-edit" && argc >= 3) return FocusEdit(form, argv[2]);
  if (command == L"hover-button") return HoverControl(form, &FoundControls::button);
  if (command == L"hover-edit") return HoverControl(form, &FoundControls::edit);
  if (command == L"hide-glows") return HideGlows();
  if (command == L"press-button") return PressButton(form);
  if (command == L"release-button") return ReleaseButton(form);
  if (command == L"move-away") {
    MoveAway(form);
    return 0;
  }
  if (command == L"hover-close") return MouseOnClose(form, WM_NCMOUSEMOVE);
  if (command == L"press-close") return MouseOnClose(form, WM_NCLBUTTONDOWN);
  if (command == L"release-away") return ReleaseAway(form);
  if (command == L"system-menu") return SystemMenu(form);
  if (command == L"activate-other" && argc >= 3) return ActivateOther(form, _wtoi(argv[2]));
  if (command == L"open-tray-menu") return OpenTrayMenu(form);
  if (command == L"hover-menu-item" && argc >= 4) return HoverMenuItem(form, _wtoi(argv[2]), _wtoi(argv[3]));
  if (command == L"close-menu") return CloseMenu(form);
  std::fprintf(stderr, "vorlan-driver: unknown command\n");
  return 1;
}
