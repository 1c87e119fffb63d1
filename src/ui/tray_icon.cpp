#include "ui/tray_icon.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/popup_menu.h"

namespace vorlan::ui {

TTrayIcon::TTrayIcon()
    : Notify([](DWORD message, NOTIFYICONDATAW& data) { return Shell_NotifyIconW(message, &data) != FALSE; }),
      taskbar_created_(RegisterWindowMessageW(L"TaskbarCreated")),
      window_(std::make_unique<TMessageWindow>([this](TMessage& m) { return HandleMessage(m); })) {}

TTrayIcon::~TTrayIcon() {
  if (added_) Update(NIM_DELETE);
}

NOTIFYICONDATAW TTrayIcon::Data() const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = window_->Handle();
  data.uID = 1;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kCallbackMessage;
  data.hIcon = icon_ ? icon_.get() : LoadIconW(nullptr, IDI_APPLICATION);
  const std::u16string& tip = hint_.empty() ? Application().Title() : hint_;
  const size_t length = std::min(tip.size(), kMaxHintLength);
  std::copy_n(tip.data(), length, reinterpret_cast<char16_t*>(data.szTip));
  data.szTip[length] = L'\0';
  return data;
}

void TTrayIcon::Update(DWORD message) {
  NOTIFYICONDATAW data = Data();
  const bool done = Notify && Notify(message, data);
  if (message == NIM_ADD) added_ = done;
  if (message == NIM_DELETE) added_ = false;
}

void TTrayIcon::Loaded() {
  if (visible_ && !added_) Update(NIM_ADD);
}

void TTrayIcon::SetVisible(bool visible) {
  visible_ = visible;
  if (IsLoading()) return;
  if (visible && !added_) Update(NIM_ADD);
  if (!visible && added_) Update(NIM_DELETE);
}

void TTrayIcon::SetHint(std::u16string hint) {
  hint_ = std::move(hint);
  if (added_) Update(NIM_MODIFY);
}

void TTrayIcon::SetIcon(platform::UniqueIcon icon) {
  icon_ = std::move(icon);
  if (added_) Update(NIM_MODIFY);
}

void TTrayIcon::HandleNotification(UINT mouse_message) {
  switch (mouse_message) {
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      if (OnDblClick) OnDblClick(*this);
      break;
    case WM_RBUTTONUP:
      if (popup_menu_) {
        // The menu closes when the user clicks elsewhere only if our window
        // is in the foreground.
        SetForegroundWindow(window_->Handle());
        Application().ProcessMessages();
        POINT cursor{};
        GetCursorPos(&cursor);
        popup_menu_->Popup(window_->Handle(), cursor.x, cursor.y);
      }
      break;
    default:
      break;
  }
}

bool TTrayIcon::HandleMessage(TMessage& message) {
  if (message.Msg == kCallbackMessage) {
    HandleNotification(static_cast<UINT>(message.LParam));
    return true;
  }
  if (message.Msg == taskbar_created_ && taskbar_created_ != 0) {
    // The new task bar knows nothing of us.
    if (visible_) Update(NIM_ADD);
    return true;
  }
  return false;
}

}  // namespace vorlan::ui
