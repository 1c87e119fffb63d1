#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/handle_win.h"

// The probed program (the program's entry with the stand-in services and a
// probe, probed_program/) started by a test and worked from outside, as a
// user works the window: the real cursor, the messages the system sends,
// the tray's notifications, pictures read from the screen.
namespace vorlan::app::testing {

// An average colour of a screen area, 0xRRGGBB.
using TColour = std::uint32_t;

class ProbedProgram {
 public:
  // Starts the program with `arguments` in a working directory of its own.
  // Nothing waits yet: see WaitForWindowOrBox.
  explicit ProbedProgram(const std::wstring& arguments = {});
  // Ends the program as the session's end does; terminates it when it stays.
  ~ProbedProgram();
  ProbedProgram(const ProbedProgram&) = delete;
  ProbedProgram& operator=(const ProbedProgram&) = delete;

  bool Running() const;
  // Waits until the main window is shown and painted or an error box is up;
  // false after `timeout_ms` or when the process ended.
  bool WaitForWindowOrBox(DWORD timeout_ms = 60000);
  // The main window (found once it was visible), the application window, the probe.
  HWND Form() const { return form_; }
  HWND ApplicationWindow();

  // True when the program's thread has handled everything posted to it
  // before (within `timeout_ms`).
  bool WaitIdle(DWORD timeout_ms = 20000);
  // Waits until `done` holds (checked every few milliseconds).
  bool WaitUntil(const std::function<bool()>& done, DWORD timeout_ms = 10000);

  // What the probe counts, and the process's private bytes.
  std::size_t GdiObjects();
  std::size_t UserObjects();
  int PagesWritten();
  std::uint64_t PrivateBytes() const;

  // The process's visible message boxes (dialog class), their text, their OK.
  std::vector<HWND> MessageBoxes() const;
  static std::wstring BoxText(HWND box);
  static std::wstring BoxCaption(HWND box);
  static void PressOk(HWND box);

  // The visible pop-up menu window of the process, or none.
  HWND OpenMenu() const;

  // The colour of the title bar, averaged over a small area between the
  // caption text and the close button (read from the screen).
  TColour TitleColour();
  // The colour of the whole client area, averaged.
  TColour ClientColour();

  // ---- a user's steps ----
  void HoverButton();
  // Press and release on the search button; the lookup runs in the click.
  void ClickButton();
  void HoverClose();
  // A click on the title's close button: the window goes to the tray.
  void ClickClose();
  // The tray icon's double click.
  void DoubleClickTrayIcon();
  // Opens the tray icon's menu (the right button released on the icon).
  void OpenTrayMenu();
  // Opens the system menu from the title's icon.
  void OpenSystemMenu();
  // Escape on the open menu.
  void CloseMenu();
  void MoveAway();
  // A skin preview record sent as a skin editor sends it (WM_COPYDATA to the
  // application window); the answer.
  bool SendPreview(const std::string& skin_name, const std::string& skin_dir, const std::string& options);

  // The directory the program runs in.
  const std::wstring& Directory() const { return directory_; }

 private:
  HWND FindControl(const wchar_t* caption_prefix, const wchar_t* window_class) const;
  POINT TitlePart(LRESULT code);
  TColour AverageColour(const RECT& screen_area) const;
  void PostToMessageWindows(UINT message, WPARAM wparam, LPARAM lparam);

  std::wstring directory_;
  // Title parts once found (the window keeps its place).
  std::vector<std::pair<LRESULT, POINT>> title_parts_;
  platform::UniqueKernelHandle process_, thread_;
  DWORD id_ = 0;
  HWND form_ = nullptr;
  HWND probe_ = nullptr;
  HWND application_ = nullptr;
  WPARAM marks_ = 0;
};

// The process's windows of a class (visible ones only with `visible_only`).
std::vector<HWND> WindowsOfProcess(DWORD process, const wchar_t* window_class, bool visible_only);

// Channels of two colours differ by at most `tolerance` each.
bool SameColour(TColour a, TColour b, int tolerance = 6);
std::string ColourText(TColour colour);
std::string Utf8(const std::wstring& text);

}  // namespace vorlan::app::testing
