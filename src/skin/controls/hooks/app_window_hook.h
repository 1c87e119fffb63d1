#pragma once

#include <windows.h>

#include <functional>

#include "ui/types.h"
#include "ui/window_subclass.h"

// The default manager's watch over the application window, in front of the
// window's own handling: the skin preview from a skin editor, minimise and
// restore, the task bar's requests for the main form, the request to
// invalidate every form, and the pop-up menu notifications.
namespace vorlan::skin {

// The parts of the work that belong to the main form's skin provider and the
// skinned menus; each unset one leaves its message to the window.
struct TAppWindowHandlers {
  // The application is hiding while it ends: the main form's hide effect,
  // played to its end.
  std::function<void()> PlayMainFormHide;
  // The task-bar button's system menu (0x0313), at the cursor.
  std::function<void(POINT cursor)> ShowMainFormSystemMenu;
  // Task-bar thumbnail and live preview requests (0x0323, 0x0326); true
  // when answered (Result set).
  std::function<bool(ui::TMessage& message)> AnswerTaskbarPreview;
  // Pop-up menu window notifications (0xBCB3, 0xBCB4); true when handled.
  std::function<bool(ui::TMessage& message)> PaintPopupMenuBorder;
};
TAppWindowHandlers& AppWindowHandlers();

inline constexpr UINT WM_TASKBAR_SYSMENU = 0x0313;
inline constexpr UINT WM_TASKBAR_THUMBNAIL = 0x0323;
inline constexpr UINT WM_TASKBAR_LIVE_PREVIEW = 0x0326;
inline constexpr UINT SM_MENU_ITEM_SHOWN = 0xBCB3;
inline constexpr UINT SM_MENU_WINDOW_SHOWN = 0xBCB4;

class TAppWindowHook {
 public:
  explicit TAppWindowHook(HWND application_window);

 private:
  void Handle(ui::TMessage& message, const ui::TPassOn& pass_on);
  void CopyData(ui::TMessage& message, const ui::TPassOn& pass_on);
  void InvalidateAllForms();

  HWND window_;
  ui::TWindowSubclass subclass_;
};

}  // namespace vorlan::skin
