#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "platform/handle_win.h"
#include "skin/data/broadcast.h"

// The skin's watch over the windows this thread creates and activates (a
// WH_CBT hook of the user-interface thread), installed with the skin's hooks
// and removed with them. It reaches two kinds of foreign windows:
// - pop-up menu windows (class "#32768") at creation, when the default
//   manager skins pop-up menus and the window is not skinned already: they
//   get a menu window adapter, kept in the list of hooked foreign windows
//   until the window is destroyed, and are then handed to the menu window
//   handler;
// - standard dialogs (class "#32770") at creation and at activation, when
//   they have neither parent nor owner and the default manager skins
//   standard dialogs: handed to the dialog handler, which may add the windows
//   it skins to the list of hooked foreign windows.
// Owned dialogs, such as the program's error box, keep the platform's look.
namespace vorlan::skin {

inline constexpr wchar_t kDialogClass[] = L"#32770";

class TSkinCreationHook;

// What the hook hands on; none by default. The menu window handler sees a
// menu window after its adapter is attached.
using TMenuWindowHandler = std::function<void(HWND menu_window)>;
using TDialogHandler = std::function<void(HWND dialog, TSkinCreationHook& hook)>;
// Each replaces the previous one; an empty function removes it.
void SetMenuWindowHandler(TMenuWindowHandler handler);
void SetDialogHandler(TDialogHandler handler);

class TSkinCreationHook {
 public:
  // Throws when the system refuses the hook.
  TSkinCreationHook();
  ~TSkinCreationHook();
  TSkinCreationHook(const TSkinCreationHook&) = delete;
  TSkinCreationHook& operator=(const TSkinCreationHook&) = delete;

  // The foreign windows skinned through the hook; they go with it.
  std::vector<ISkinForeignWindow*> HookedWindows() const;
  void AddHookedWindow(std::unique_ptr<ISkinForeignWindow> window);
  void RemoveHookedWindow(const ISkinForeignWindow* window);
  // How many of the hooked windows are menu windows.
  std::size_t MenuWindowCount() const;

 private:
  friend LRESULT CALLBACK SkinCbtProc(int code, WPARAM wparam, LPARAM lparam) noexcept;
  void WindowCreated(HWND window, HWND parent);
  void WindowActivated(HWND window);
  void AttachMenuWindow(HWND window);

  platform::UniqueHook hook_;
  std::vector<std::unique_ptr<ISkinForeignWindow>> hooked_windows_;
};

// True when the dialog skinning takes the window: a dialog without parent or
// owner while the default manager skins standard dialogs.
bool DialogSkinningTakes(HWND window, HWND parent);

}  // namespace vorlan::skin
