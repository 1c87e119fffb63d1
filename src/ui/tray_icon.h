#pragma once

#include <windows.h>
// (needs windows.h before it)
#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/handle_win.h"
#include "ui/component.h"
#include "ui/message_window.h"

namespace vorlan::ui {

class TPopupMenu;

// An icon in the notification area, with its own hidden window for the
// shell's notifications. It is added when loaded (if visible), modified when
// its tip or icon changes, deleted when hidden or destroyed, and added again
// when the shell's task bar is re-created.
class TTrayIcon : public TComponent {
 public:
  // The shell call (Shell_NotifyIconW by default; replaceable for tests).
  using TNotify = std::function<bool(DWORD message, NOTIFYICONDATAW& data)>;
  static constexpr size_t kMaxHintLength = 127;
  static constexpr UINT kCallbackMessage = platform::WM_TRAYNOTIFY;

  TTrayIcon();
  ~TTrayIcon() override;
  std::u16string_view ClassName() const override { return u"TTrayIcon"; }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // True while the icon is in the notification area.
  bool Added() const { return added_; }

  // The tip; empty means the application title. At most 127 characters are shown.
  const std::u16string& Hint() const { return hint_; }
  void SetHint(std::u16string hint);
  // The icon shown; the tray icon keeps it.
  void SetIcon(platform::UniqueIcon icon);

  TPopupMenu* PopupMenu() const { return popup_menu_; }
  void SetPopupMenu(TPopupMenu* menu) { popup_menu_ = menu; }

  TNotifyEvent OnDblClick;
  TNotify Notify;

  HWND Handle() const { return window_->Handle(); }
  // The shell's notification as it arrives (mouse message in LParam).
  void HandleNotification(UINT mouse_message);

 protected:
  void Loaded() override;

 private:
  bool HandleMessage(TMessage& message);
  NOTIFYICONDATAW Data() const;
  void Update(DWORD message);

  bool visible_ = true;
  bool added_ = false;
  std::u16string hint_;
  platform::UniqueIcon icon_;
  TPopupMenu* popup_menu_ = nullptr;  // borrowed: a component of the same form
  UINT taskbar_created_ = 0;
  std::unique_ptr<TMessageWindow> window_;
};

}  // namespace vorlan::ui
