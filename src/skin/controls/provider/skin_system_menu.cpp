#include <windows.h>

#include <chrono>
#include <string>

#include "platform/handle_win.h"
#include "platform/text.h"
#include "skin/controls/provider/skin_provider.h"
#include "ui/application.h"

namespace vorlan::skin {
namespace {

// A command's caption and shortcut in the window's own system menu (split at
// the tab); the fallback caption when the menu lacks it.
struct TCommandText {
  std::u16string Caption, ShortCut;
};

TCommandText SplitAtTab(std::u16string text) {
  const std::size_t tab = text.find(u'\t');
  if (tab == std::u16string::npos) return {std::move(text), {}};
  return {text.substr(0, tab), text.substr(tab + 1)};
}

TCommandText CommandText(HMENU menu, UINT command, std::u16string_view fallback) {
  wchar_t text[256] = {};
  if (menu && GetMenuStringW(menu, command, text, 256, MF_BYCOMMAND) > 0) {
    return SplitAtTab(reinterpret_cast<const char16_t*>(text));
  }
  return {std::u16string(fallback), {}};
}

// The platform's own system commands; other items of the window's system
// menu were added by the program and are offered too.
bool IsSystemCommand(UINT id) { return id >= 0xF000 && id <= 0xF1FF; }

bool SingleOrSizeable(HWND window) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  const LONG_PTR ex = GetWindowLongPtrW(window, GWL_EXSTYLE);
  return (style & WS_CAPTION) == WS_CAPTION && !(ex & WS_EX_TOOLWINDOW) && !(ex & WS_EX_DLGMODALFRAME);
}

}  // namespace

TSkinSystemMenu::TSkinSystemMenu(TSkinProvider& provider)
    : provider_(provider), menu_(ui::MakeOwned<ui::TPopupMenu>()) {
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch() / std::chrono::milliseconds(1);
  menu_->SetName(u"skSysMenu" + platform::Utf8ToUtf16(std::to_string(ticks)));
}

bool TSkinSystemMenu::VisibleClose() const {
  const HWND window = provider_.Form().Handle();
  const HMENU menu = GetSystemMenu(window, FALSE);
  return provider_.HasSystemMenu() && menu && GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

bool TSkinSystemMenu::EnabledClose() const {
  const HMENU menu = GetSystemMenu(provider_.Form().Handle(), FALSE);
  if (!menu) return true;
  const UINT state = GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND);
  return state == static_cast<UINT>(-1) || !(state & (MF_GRAYED | MF_DISABLED));
}

bool TSkinSystemMenu::VisibleMax() const {
  const HWND window = provider_.Form().Handle();
  return provider_.HasSystemMenu() && provider_.HasMaximize() && SingleOrSizeable(window);
}

bool TSkinSystemMenu::EnabledMax() const {
  return provider_.HasMaximize() && SingleOrSizeable(provider_.Form().Handle());
}

bool TSkinSystemMenu::VisibleMin() const {
  const HWND window = provider_.Form().Handle();
  return (provider_.HasSystemMenu() && provider_.HasMinimize() && SingleOrSizeable(window)) || IsIconic(window);
}

bool TSkinSystemMenu::EnabledMin() const {
  const HWND window = provider_.Form().Handle();
  return provider_.HasMinimize() && (!IsIconic(window) || &provider_.Form() == ui::Application().MainForm());
}

bool TSkinSystemMenu::VisibleRestore() const {
  return provider_.HasSystemMenu() && SingleOrSizeable(provider_.Form().Handle());
}

bool TSkinSystemMenu::EnabledRestore() const {
  const HWND window = provider_.Form().Handle();
  const bool normal = !IsIconic(window) && !IsZoomed(window);
  return (provider_.HasMaximize() && !normal) || IsIconic(window);
}

bool TSkinSystemMenu::EnabledMove() const { return !IsZoomed(provider_.Form().Handle()); }

bool TSkinSystemMenu::VisibleSize() const {
  const HWND window = provider_.Form().Handle();
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  return (style & WS_THICKFRAME) && !(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

bool TSkinSystemMenu::EnabledSize() const {
  const HWND window = provider_.Form().Handle();
  return (GetWindowLongPtrW(window, GWL_STYLE) & WS_THICKFRAME) && !IsIconic(window);
}

ui::TMenuItem* TSkinSystemMenu::Item(std::u16string_view name) const {
  for (ui::TMenuItem* item : menu_->Items())
    if (item->Name() == name) return item;
  return nullptr;
}

void TSkinSystemMenu::Generate() {
  const std::u16string name = menu_->Name();
  menu_ = ui::MakeOwned<ui::TPopupMenu>();
  menu_->SetName(name);
  const HWND window = provider_.Form().Handle();
  const HMENU own = GetSystemMenu(window, FALSE);
  const auto add = [&](std::u16string name, UINT command, std::u16string_view fallback, bool enabled) {
    TCommandText text = CommandText(own, command, fallback);
    ui::TMenuItem& item = menu_->AddItem(std::move(name), std::move(text.Caption));
    item.ShortCutText = std::move(text.ShortCut);
    item.Command = command;  // its glyph is chosen by the command
    item.SetEnabled(enabled);
    item.OnClick = [window, command](ui::TObject&) { SendMessageW(window, WM_SYSCOMMAND, command, 0); };
    return &item;
  };
  if (VisibleRestore()) add(u"skIR", SC_RESTORE, u"&Restore", EnabledRestore());
  add(u"skIM", SC_MOVE, u"&Move", EnabledMove());
  if (VisibleSize()) add(u"skIS", SC_SIZE, u"&Size", EnabledSize());
  if (VisibleMin()) {
    add(u"skIN", SC_MINIMIZE, u"Mi&nimize", EnabledMin())->OnClick = [this, window](ui::TObject&) {
      // Minimizing from the menu skips the hide effect.
      const bool skip = provider_.SkipAnimation;
      provider_.SkipAnimation = true;
      SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
      provider_.SkipAnimation = skip;
    };
  }
  if (VisibleMax()) add(u"skIX", SC_MAXIMIZE, u"Ma&ximize", EnabledMax());
  menu_->AddItem(u"", u"-");
  if (AddExtraItems(own, window)) menu_->AddItem(u"", u"-");
  add(u"skIC", SC_CLOSE, u"&Close", EnabledClose());
}

bool TSkinSystemMenu::AddExtraItems(HMENU own, HWND window) {
  if (!own) return false;
  bool any = false;
  const int count = GetMenuItemCount(own);
  for (int i = 0; i < count; ++i) {
    const UINT id = GetMenuItemID(own, i);
    if (id == 0 || id == static_cast<UINT>(-1) || IsSystemCommand(id)) continue;  // separators, sub-menus
    wchar_t text[256] = {};
    GetMenuStringW(own, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
    TCommandText caption = SplitAtTab(reinterpret_cast<const char16_t*>(text));
    ui::TMenuItem& item = menu_->AddItem(u"", std::move(caption.Caption));
    item.ShortCutText = std::move(caption.ShortCut);
    item.SetEnabled(!(GetMenuState(own, static_cast<UINT>(i), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)));
    item.OnClick = [window, id](ui::TObject&) { PostMessageW(window, WM_SYSCOMMAND, id, 0); };
    any = true;
  }
  return any;
}

}  // namespace vorlan::skin
