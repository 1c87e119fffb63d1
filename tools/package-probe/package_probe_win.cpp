// Looks at an installed VorlanTV from outside, for the installer tests:
//   vorlan-package-probe wait-shown SECONDS
//                             waits until the program's window is visible,
//                             pressing OK in the program's error boxes on the
//                             way (the banner of a build for the reserved
//                             hosts cannot be fetched); exit code 2 if not
//   vorlan-package-probe hide waits for the window, sends it a close request
//                             (which hides it) and waits until it is hidden
//   vorlan-package-probe census
//                             prints "forms N visible V listeners L tray T":
//                             the program's main windows, the visible ones,
//                             the running-copy listeners and the tray's icons
//   vorlan-package-probe shortcut LINK
//                             prints the shortcut's target and working directory
//   vorlan-package-probe version FILE
//                             prints the file's ProductVersion and FileVersion
//   vorlan-package-probe page-place
//                             waits for the installer's (or uninstaller's)
//                             window, whose title carries the application
//                             title, and prints its place
//   vorlan-package-probe page-ready
//                             waits until its Next (Install, Finish, Close)
//                             button can be pressed, the page's work done
//   vorlan-package-probe page-next
//                             presses that button
#include <windows.h>
// (needs windows.h before them)
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "app/app_title.h"
#include "app/version.h"

namespace {

constexpr wchar_t kFormClass[] = L"VorlanForm";
constexpr wchar_t kFormCaption[] = L"VorlanTV клиент";
constexpr wchar_t kDialogClass[] = L"#32770";
// Wine's notification area puts every icon into a window of its own.
constexpr wchar_t kTrayIconClass[] = L"__winex11_tray_icon";
constexpr DWORD kStepMilliseconds = 100;
constexpr UINT kSendTimeout = 10000;

std::wstring ClassOf(HWND window) {
  wchar_t name[128] = {};
  GetClassNameW(window, name, 128);
  return name;
}

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

std::wstring Widen(const char* ascii) { return std::wstring(ascii, ascii + std::strlen(ascii)); }

struct Census {
  std::vector<HWND> forms;
  int visible = 0;
  int listeners = 0;
  int tray = 0;
  std::vector<HWND> error_boxes;
};

BOOL CALLBACK CountTrayIcons(HWND window, LPARAM param) {
  if (ClassOf(window) == kTrayIconClass) ++reinterpret_cast<Census*>(param)->tray;
  return TRUE;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM param) {
  auto* census = reinterpret_cast<Census*>(param);
  const std::wstring name = ClassOf(window), text = TextOf(window);
  if (name == kFormClass && text == kFormCaption) {
    census->forms.push_back(window);
    if (IsWindowVisible(window)) ++census->visible;
  }
  if (text == Widen(VORLAN_RUNNING_COPY)) ++census->listeners;
  if (name == kTrayIconClass) ++census->tray;
  // Standalone tray: the icons are children of the tray's own window.
  EnumChildWindows(window, CountTrayIcons, param);
  if (name == kDialogClass && text == reinterpret_cast<const wchar_t*>(vorlan::app::kApplicationTitle) &&
      IsWindowVisible(window)) {
    census->error_boxes.push_back(window);
  }
  return TRUE;
}

Census TakeCensus() {
  Census census;
  EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&census));
  return census;
}

HWND VisibleForm(const Census& census) {
  for (HWND form : census.forms) {
    if (IsWindowVisible(form)) return form;
  }
  return nullptr;
}

int WaitShown(int seconds) {
  int pressed = 0;
  for (DWORD waited = 0; waited < static_cast<DWORD>(seconds) * 1000; waited += kStepMilliseconds) {
    const Census census = TakeCensus();
    if (VisibleForm(census)) {
      std::printf("shown after %d error box(es)\n", pressed);
      return 0;
    }
    for (HWND box : census.error_boxes) {
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      ++pressed;
    }
    Sleep(kStepMilliseconds);
  }
  std::fprintf(stderr, "vorlan-package-probe: the window did not appear (%d error box(es) pressed)\n", pressed);
  return 2;
}

int Hide() {
  if (WaitShown(60) != 0) return 2;
  HWND form = VisibleForm(TakeCensus());
  DWORD_PTR result = 0;
  SendMessageTimeoutW(form, WM_CLOSE, 0, 0, SMTO_NORMAL, kSendTimeout, &result);
  for (DWORD waited = 0; waited < kSendTimeout; waited += kStepMilliseconds) {
    if (!IsWindowVisible(form)) return 0;
    Sleep(kStepMilliseconds);
  }
  std::fprintf(stderr, "vorlan-package-probe: the window stayed visible\n");
  return 3;
}

int PrintCensus() {
  const Census census = TakeCensus();
  std::printf("forms %zu visible %d listeners %d tray %d\n", census.forms.size(), census.visible, census.listeners,
              census.tray);
  return 0;
}

// COM pointers given back when they go.
struct ComRelease {
  void operator()(IUnknown* object) const { object->Release(); }
};
template <class T>
using ComPointer = std::unique_ptr<T, ComRelease>;

struct ComApartment {
  const bool ready = SUCCEEDED(CoInitialize(nullptr));
  ~ComApartment() {
    if (ready) CoUninitialize();
  }
};

int PrintShortcut(const wchar_t* link) {
  const ComApartment apartment;
  if (!apartment.ready) return 4;
  IShellLinkW* raw_link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&raw_link)))) {
    return 4;
  }
  const ComPointer<IShellLinkW> shell_link(raw_link);
  IPersistFile* raw_file = nullptr;
  if (FAILED(shell_link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&raw_file)))) return 4;
  const ComPointer<IPersistFile> file(raw_file);
  wchar_t target[MAX_PATH] = {}, directory[MAX_PATH] = {};
  if (FAILED(file->Load(link, STGM_READ)) || FAILED(shell_link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) ||
      FAILED(shell_link->GetWorkingDirectory(directory, MAX_PATH))) {
    return 4;
  }
  std::printf("target %ls\ndirectory %ls\n", target, directory);
  return 0;
}

std::wstring VersionString(const std::vector<char>& data, const wchar_t* name) {
  struct Translation {
    WORD language, code_page;
  }* translation = nullptr;
  UINT size = 0;
  if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &size) ||
      size < sizeof(Translation)) {
    return L"";
  }
  wchar_t path[96] = {};
  std::swprintf(path, 96, L"\\StringFileInfo\\%04x%04x\\%ls", translation->language, translation->code_page, name);
  wchar_t* value = nullptr;
  if (!VerQueryValueW(data.data(), path, reinterpret_cast<void**>(&value), &size)) return L"";
  return value;
}

int PrintVersion(const wchar_t* file) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(file, &ignored);
  if (size == 0) return 4;
  std::vector<char> data(size);
  if (!GetFileVersionInfoW(file, 0, size, data.data())) return 4;
  std::printf("ProductVersion %ls\nFileVersion %ls\n", VersionString(data, L"ProductVersion").c_str(),
              VersionString(data, L"FileVersion").c_str());
  return 0;
}

struct FoundPage {
  HWND window = nullptr;
};

BOOL CALLBACK FindPage(HWND window, LPARAM param) {
  const std::wstring title = TextOf(window);
  const std::wstring program_title = reinterpret_cast<const wchar_t*>(vorlan::app::kApplicationTitle);
  if (ClassOf(window) == kDialogClass && IsWindowVisible(window) && title != program_title &&
      title.find(program_title) != std::wstring::npos) {
    reinterpret_cast<FoundPage*>(param)->window = window;
    return FALSE;
  }
  return TRUE;
}

HWND WaitForPage() {
  for (DWORD waited = 0; waited < 60000; waited += kStepMilliseconds) {
    FoundPage found;
    EnumWindows(FindPage, reinterpret_cast<LPARAM>(&found));
    if (found.window) return found.window;
    Sleep(kStepMilliseconds);
  }
  std::fprintf(stderr, "vorlan-package-probe: no installer window\n");
  return nullptr;
}

int PrintPagePlace() {
  HWND page = WaitForPage();
  if (!page) return 2;
  RECT rect{};
  GetWindowRect(page, &rect);
  std::printf("window %ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  return 0;
}

// The page's Next button once it can be pressed (none after a minute).
HWND WaitForNext() {
  for (DWORD waited = 0; waited < 60000; waited += kStepMilliseconds) {
    HWND page = WaitForPage();
    if (!page) return nullptr;
    HWND next = GetDlgItem(page, IDOK);
    if (next && IsWindowEnabled(next) && IsWindowVisible(next)) return next;
    Sleep(kStepMilliseconds);
  }
  std::fprintf(stderr, "vorlan-package-probe: the page's button stayed disabled\n");
  return nullptr;
}

int PressNext() {
  HWND next = WaitForNext();
  if (!next) return 3;
  PostMessageW(next, BM_CLICK, 0, 0);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc >= 2 ? argv[1] : L"";
  if (command == L"wait-shown" && argc >= 3) return WaitShown(_wtoi(argv[2]));
  if (command == L"hide") return Hide();
  if (command == L"census") return PrintCensus();
  if (command == L"shortcut" && argc >= 3) return PrintShortcut(argv[2]);
  if (command == L"version" && argc >= 3) return PrintVersion(argv[2]);
  if (command == L"page-place") return PrintPagePlace();
  if (command == L"page-ready") return WaitForNext() ? 0 : 3;
  if (command == L"page-next") return PressNext();
  std::fprintf(stderr,
               "usage: vorlan-package-probe wait-shown SECONDS | hide | census | shortcut LINK | version FILE |\n"
               "       page-place | page-ready | page-next\n");
  return 1;
}
