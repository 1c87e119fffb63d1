// Works the running VorlanTV window through its messages, as a user would:
//   vorlan-driver lookup NUMBER   types NUMBER into the edit box, clicks the
//                                 search button, prints the window's place
//   vorlan-driver end-session     tells the program the session ends
// Exit code 0 on success; 2 when the window does not appear.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr wchar_t kFormClass[] = L"VorlanForm";
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
  if (_wcsicmp(name, L"Button") == 0 && IsWindowVisible(child)) found->button = child;
  return TRUE;
}

bool Send(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, message, wparam, lparam, SMTO_NORMAL, kSendTimeout, &result) != 0;
}

int Lookup(HWND form, const wchar_t* number) {
  FoundControls found;
  EnumChildWindows(form, CollectControl, reinterpret_cast<LPARAM>(&found));
  if (!found.edit || !found.button) {
    std::fprintf(stderr, "vorlan-driver: edit box or button not found\n");
    return 3;
  }
  RECT rect{};
  GetWindowRect(form, &rect);
  std::printf("window %ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  std::fflush(stdout);
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

int EndSession(HWND form) {
  Send(form, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
  Send(form, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: vorlan-driver lookup NUMBER | end-session\n");
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
  std::fprintf(stderr, "vorlan-driver: unknown command\n");
  return 1;
}
