#include "probed_program.h"

#include <windows.h>
// (needs windows.h before it)
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "app/win/endurance/probe_messages.h"
#include "platform/program_messages.h"
#include "platform/text.h"
#include "skin/data/preview_data.h"

namespace vorlan::app::testing {
namespace {

constexpr wchar_t kProgramName[] = L"vorlan_probed_program.exe";
constexpr wchar_t kFormClass[] = L"VorlanForm";
constexpr wchar_t kMessageWindowClass[] = L"VorlanMessageWindow";
constexpr wchar_t kDialogClass[] = L"#32770";
constexpr wchar_t kMenuClass[] = L"#32768";
constexpr wchar_t kApplicationTitle[] = L"VorlanTV клиент 1.0";
constexpr UINT kMessageBoxTextId = 0xFFFF;

std::wstring ProgramPath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring self = path;
  return self.substr(0, self.find_last_of(L"\\/") + 1) + kProgramName;
}

// Without a window manager Wine waits two seconds for every hide of a
// managed window; the program is not managed (as the other window tests).
void NotManagedByWine() {
  const std::wstring key = std::wstring(L"Software\\Wine\\AppDefaults\\") + kProgramName + L"\\X11 Driver";
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  const wchar_t no[] = L"N";
  RegSetValueExW(handle, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(no), sizeof(no));
  RegCloseKey(handle);
}

std::wstring FreshDirectory() {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  static int counter = 0;
  std::wstring directory = std::wstring(temp) + L"vorlan-endurance-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                           std::to_wstring(++counter);
  CreateDirectoryW(directory.c_str(), nullptr);
  return directory;
}

LPARAM Coordinates(POINT p) { return MAKELPARAM(p.x, p.y); }

POINT ClientCentre(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return POINT{r.right / 2, r.bottom / 2};
}

// The real cursor goes there and the window under it hears of the move.
void MoveMouseTo(HWND window, POINT client) {
  POINT screen = client;
  ClientToScreen(window, &screen);
  SetCursorPos(screen.x, screen.y);
  PostMessageW(window, WM_MOUSEMOVE, 0, Coordinates(client));
}

// Non-client mouse messages carry screen coordinates and the hit code.
void PostTitleMouse(HWND form, UINT message, LRESULT code, POINT screen) {
  SetCursorPos(screen.x, screen.y);
  PostMessageW(form, message, static_cast<WPARAM>(code), Coordinates(screen));
}

}  // namespace

std::vector<HWND> WindowsOfProcess(DWORD process, const wchar_t* window_class, bool visible_only) {
  struct Search {
    DWORD process;
    const wchar_t* window_class;
    bool visible_only;
    std::vector<HWND> found;
  } search{process, window_class, visible_only, {}};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        if (owner == s->process && std::wstring(name) == s->window_class &&
            (!s->visible_only || IsWindowVisible(window))) {
          s->found.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool SameColour(TColour a, TColour b, int tolerance) {
  for (int shift : {0, 8, 16}) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance) {
      return false;
    }
  }
  return true;
}

std::string ColourText(TColour colour) {
  char text[16];
  std::snprintf(text, sizeof text, "#%06X", colour & 0xFFFFFF);
  return text;
}

std::string Utf8(const std::wstring& text) { return platform::Utf16ToUtf8(std::u16string(text.begin(), text.end())); }

ProbedProgram::ProbedProgram(const std::wstring& arguments) : directory_(FreshDirectory()) {
  NotManagedByWine();
  std::wstring command = L"\"" + ProgramPath() + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, directory_.c_str(), &startup,
                      &info)) {
    return;
  }
  process_.reset(info.hProcess);
  thread_.reset(info.hThread);
  id_ = info.dwProcessId;
}

ProbedProgram::~ProbedProgram() {
  if (Running()) {
    for (HWND box : MessageBoxes()) PressOk(box);
    if (HWND menu = OpenMenu()) PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 1);
    if (form_ != nullptr) {
      DWORD_PTR result = 0;
      SendMessageTimeoutW(form_, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 5000, &result);
      SendMessageTimeoutW(form_, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 5000, &result);
    }
    if (WaitForSingleObject(process_.get(), 10000) != WAIT_OBJECT_0) TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 10000);
  }
  DeleteFileW((directory_ + L"\\vorlantv.html").c_str());
  RemoveDirectoryW(directory_.c_str());
}

bool ProbedProgram::Running() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

bool ProbedProgram::WaitUntil(const std::function<bool()>& done, DWORD timeout_ms) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    if (done()) return true;
    if (!Running() || std::chrono::steady_clock::now() > end) return false;
    Sleep(2);
  }
}

bool ProbedProgram::WaitForWindowOrBox(DWORD timeout_ms) {
  const bool appeared = WaitUntil(
      [this] {
        if (!MessageBoxes().empty()) return true;
        const std::vector<HWND> forms = WindowsOfProcess(id_, kFormClass, true);
        if (!forms.empty()) form_ = forms.front();
        return form_ != nullptr;
      },
      timeout_ms);
  return appeared && (form_ == nullptr || WaitIdle());
}

HWND ProbedProgram::ApplicationWindow() {
  if (application_ == nullptr || !IsWindow(application_)) {
    application_ = nullptr;
    for (HWND window : WindowsOfProcess(id_, kMessageWindowClass, false)) {
      wchar_t title[64] = {};
      GetWindowTextW(window, title, 64);
      if (std::wstring(title) == kApplicationTitle) application_ = window;
      if (std::wstring(title) == kProbeTitle) probe_ = window;
    }
  }
  return application_;
}

bool ProbedProgram::WaitIdle(DWORD timeout_ms) {
  ApplicationWindow();
  if (probe_ == nullptr) return false;
  // A sent message is handled before the posted ones: a mark is posted
  // behind them, and the wait ends when the probe has seen it.
  const WPARAM mark = ++marks_;
  if (!PostMessageW(probe_, kProbeMark, mark, 0)) return false;
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    DWORD_PTR seen = 0;
    if (!SendMessageTimeoutW(probe_, kProbeLastMark, 0, 0, SMTO_NORMAL, timeout_ms, &seen)) return false;
    if (seen == mark) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    Sleep(1);
  }
}

std::size_t ProbedProgram::GdiObjects() {
  ApplicationWindow();
  DWORD_PTR result = 0;
  SendMessageTimeoutW(probe_, kProbeGdiObjects, 0, 0, SMTO_NORMAL, 10000, &result);
  return result;
}

std::size_t ProbedProgram::UserObjects() {
  ApplicationWindow();
  DWORD_PTR result = 0;
  SendMessageTimeoutW(probe_, kProbeUserObjects, 0, 0, SMTO_NORMAL, 10000, &result);
  return result;
}

int ProbedProgram::PagesWritten() {
  ApplicationWindow();
  DWORD_PTR result = 0;
  SendMessageTimeoutW(probe_, kProbePagesWritten, 0, 0, SMTO_NORMAL, 10000, &result);
  return static_cast<int>(result);
}

std::uint64_t ProbedProgram::PrivateBytes() const {
  // Windows reports the commit charge as PagefileUsage too; Wine fills only it.
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  return GetProcessMemoryInfo(process_.get(), &counters, sizeof(counters)) ? counters.PagefileUsage : 0;
}

std::vector<HWND> ProbedProgram::MessageBoxes() const { return WindowsOfProcess(id_, kDialogClass, true); }

std::wstring ProbedProgram::BoxText(HWND box) {
  wchar_t text[512] = {};
  GetWindowTextW(GetDlgItem(box, kMessageBoxTextId), text, 512);
  return text;
}

std::wstring ProbedProgram::BoxCaption(HWND box) {
  wchar_t text[256] = {};
  GetWindowTextW(box, text, 256);
  return text;
}

void ProbedProgram::PressOk(HWND box) {
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

HWND ProbedProgram::OpenMenu() const {
  const std::vector<HWND> menus = WindowsOfProcess(id_, kMenuClass, true);
  return menus.empty() ? nullptr : menus.front();
}

HWND ProbedProgram::FindControl(const wchar_t* caption_prefix, const wchar_t* window_class) const {
  struct Search {
    const wchar_t* caption_prefix;
    const wchar_t* window_class;
    HWND found = nullptr;
  } search{caption_prefix, window_class};
  EnumChildWindows(
      form_,
      [](HWND child, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        wchar_t name[64] = {}, caption[64] = {};
        GetClassNameW(child, name, 64);
        GetWindowTextW(child, caption, 64);
        const bool by_class = s->window_class != nullptr && _wcsicmp(name, s->window_class) == 0 &&
                              !(GetWindowLongW(child, GWL_STYLE) & ES_MULTILINE);
        const bool by_caption = s->caption_prefix != nullptr &&
                                std::wcsncmp(caption, s->caption_prefix, std::wcslen(s->caption_prefix)) == 0;
        if (IsWindowVisible(child) && (by_class || by_caption)) {
          s->found = child;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A title part's centre, found as the mouse finds it: by the window's own
// hit test along the title.
POINT ProbedProgram::TitlePart(LRESULT code) {
  for (const auto& [known, at] : title_parts_) {
    if (known == code) return at;
  }
  RECT r{};
  GetWindowRect(form_, &r);
  for (LONG y = r.top + 2; y < r.top + 40; ++y) {
    LONG first = -1, last = -1;
    for (LONG x = r.left; x < r.right; ++x) {
      DWORD_PTR hit = 0;
      SendMessageTimeoutW(form_, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_NORMAL, 5000, &hit);
      if (static_cast<LRESULT>(hit) == code) {
        if (first < 0) first = x;
        last = x;
      } else if (first >= 0) {
        break;
      }
    }
    if (first >= 0) {
      title_parts_.emplace_back(code, POINT{(first + last) / 2, y + 6});
      return title_parts_.back().second;
    }
  }
  return POINT{-1, -1};
}

// The screen as the display keeps it: Xvfb started with a framebuffer
// directory (scripts/wine-session names the file in XVFB_SCREEN) holds the
// true picture in an XWD file, where reading the screen through the window
// system can come back black. Empty when there is no such file.
std::vector<std::uint8_t> FramebufferScreen() {
  const char* file = std::getenv("XVFB_SCREEN");
  if (file == nullptr || *file == '\0') return {};
  const std::string path = (file[0] == '/' ? "Z:" : "") + std::string(file);
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One pixel of an XWD picture of 32 bits a pixel (0xRRGGBB), or none.
std::optional<TColour> XwdPixel(const std::vector<std::uint8_t>& xwd, LONG x, LONG y) {
  const auto field = [&](std::size_t index) -> std::uint32_t {
    const std::size_t at = index * 4;
    if (at + 4 > xwd.size()) return 0;
    return std::uint32_t{xwd[at]} << 24 | std::uint32_t{xwd[at + 1]} << 16 | std::uint32_t{xwd[at + 2]} << 8 |
           xwd[at + 3];
  };
  const std::uint32_t header = field(0), width = field(4), height = field(5), byte_order = field(7);
  const std::uint32_t bits = field(11), bytes_per_line = field(12), colours = field(19);
  if (bits != 32 || x < 0 || y < 0 || static_cast<std::uint32_t>(x) >= width ||
      static_cast<std::uint32_t>(y) >= height) {
    return std::nullopt;
  }
  const std::size_t at = header + std::size_t{colours} * 12 + static_cast<std::size_t>(y) * bytes_per_line +
                         static_cast<std::size_t>(x) * 4;
  if (at + 4 > xwd.size()) return std::nullopt;
  const std::uint8_t* p = &xwd[at];
  // Least significant byte first (byte order 0): blue, green, red.
  return byte_order == 0 ? TColour{p[2]} << 16 | TColour{p[1]} << 8 | p[0]
                         : TColour{p[1]} << 16 | TColour{p[2]} << 8 | p[3];
}

TColour ProbedProgram::AverageColour(const RECT& area) const {
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return 0;
  std::uint64_t sum[3] = {};
  const auto add = [&](TColour c) {
    sum[0] += c >> 16 & 0xFF;
    sum[1] += c >> 8 & 0xFF;
    sum[2] += c & 0xFF;
  };
  if (const std::vector<std::uint8_t> screen = FramebufferScreen(); !screen.empty()) {
    for (LONG y = area.top; y < area.bottom; ++y) {
      for (LONG x = area.left; x < area.right; ++x) add(XwdPixel(screen, x, y).value_or(0));
    }
  } else {
    const platform::WindowDc desktop(nullptr);
    const platform::UniqueMemoryDc memory(CreateCompatibleDC(desktop.get()));
    const platform::UniqueBitmap bitmap(CreateCompatibleBitmap(desktop.get(), width, height));
    const platform::SelectGuard select(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, width, height, desktop.get(), area.left, area.top, SRCCOPY);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const COLORREF c = GetPixel(memory.get(), x, y);
        add(TColour{GetRValue(c)} << 16 | TColour{GetGValue(c)} << 8 | GetBValue(c));
      }
    }
  }
  const std::uint64_t n = static_cast<std::uint64_t>(width) * height;
  return static_cast<TColour>((sum[0] / n) << 16 | (sum[1] / n) << 8 | (sum[2] / n));
}

TColour ProbedProgram::TitleColour() {
  const POINT close = TitlePart(HTCLOSE);
  if (close.x < 0) return 0;
  return AverageColour(RECT{close.x - 70, close.y - 8, close.x - 40, close.y - 2});
}

TColour ProbedProgram::ClientColour() {
  RECT client{};
  GetClientRect(form_, &client);
  POINT origin{0, 0};
  ClientToScreen(form_, &origin);
  OffsetRect(&client, origin.x, origin.y);
  return AverageColour(client);
}

void ProbedProgram::HoverButton() {
  const HWND button = FindControl(L"Найти", nullptr);
  if (button != nullptr) MoveMouseTo(button, ClientCentre(button));
}

void ProbedProgram::ClickButton() {
  const HWND button = FindControl(L"Найти", nullptr);
  if (button == nullptr) return;
  const POINT centre = ClientCentre(button);
  MoveMouseTo(button, centre);
  PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, Coordinates(centre));
  PostMessageW(button, WM_LBUTTONUP, 0, Coordinates(centre));
}

void ProbedProgram::HoverClose() { PostTitleMouse(form_, WM_NCMOUSEMOVE, HTCLOSE, TitlePart(HTCLOSE)); }

void ProbedProgram::ClickClose() {
  const POINT close = TitlePart(HTCLOSE);
  PostTitleMouse(form_, WM_NCMOUSEMOVE, HTCLOSE, close);
  PostTitleMouse(form_, WM_NCLBUTTONDOWN, HTCLOSE, close);
  PostTitleMouse(form_, WM_NCLBUTTONUP, HTCLOSE, close);
}

// The tray icon's hidden window is one of the program's message windows;
// only it answers the shell's notification, so each of them is told.
void ProbedProgram::PostToMessageWindows(UINT message, WPARAM wparam, LPARAM lparam) {
  for (HWND window : WindowsOfProcess(id_, kMessageWindowClass, false)) {
    if (window != probe_) PostMessageW(window, message, wparam, lparam);
  }
}

void ProbedProgram::DoubleClickTrayIcon() {
  ApplicationWindow();
  PostToMessageWindows(platform::WM_TRAYNOTIFY, 0, WM_LBUTTONDBLCLK);
}

void ProbedProgram::OpenTrayMenu() {
  ApplicationWindow();
  RECT place{};
  GetWindowRect(form_, &place);
  SetCursorPos(place.right + 24, place.top + 40);  // the menu opens at the cursor, beside the window
  PostToMessageWindows(platform::WM_TRAYNOTIFY, 0, WM_RBUTTONUP);
}

void ProbedProgram::OpenSystemMenu() {
  SetForegroundWindow(form_);
  PostTitleMouse(form_, WM_NCLBUTTONDOWN, HTSYSMENU, TitlePart(HTSYSMENU));
}

void ProbedProgram::CloseMenu() {
  if (const HWND menu = OpenMenu()) {
    // The menu loop reads the thread's keys, whichever window they are for.
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageW(menu, WM_KEYUP, VK_ESCAPE, 0xC0000001);
  }
}

void ProbedProgram::MoveAway() {
  RECT client{};
  GetClientRect(form_, &client);
  MoveMouseTo(form_, POINT{client.right / 2, 40});
}

bool ProbedProgram::SendPreview(const std::string& skin_name, const std::string& skin_dir, const std::string& options) {
  skin::TSkPreviewData record;
  record.Magic = skin::kPreviewMagic;
  std::copy_n(skin_name.begin(), std::min(skin_name.size(), record.SkinName.size() - 1), record.SkinName.begin());
  std::copy_n(skin_dir.begin(), std::min(skin_dir.size(), record.SkinDir.size() - 1), record.SkinDir.begin());
  std::copy_n(options.begin(), std::min(options.size(), record.Data.size() - 1), record.Data.begin());
  const auto bytes = skin::PreviewDataBytes(record);
  COPYDATASTRUCT copy{};
  copy.cbData = static_cast<DWORD>(bytes.size());
  copy.lpData = const_cast<std::uint8_t*>(bytes.data());
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(ApplicationWindow(), WM_COPYDATA, skin::kPreviewWParam, reinterpret_cast<LPARAM>(&copy),
                             SMTO_NORMAL, 20000, &result) != 0 &&
         result != 0;
}

}  // namespace vorlan::app::testing
