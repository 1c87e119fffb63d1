#include "ui/popup_menu.h"

#include <algorithm>
#include <optional>

#include "platform/handle_win.h"
#include "ui/creation_hook.h"
#include "ui/window_subclass.h"

namespace vorlan::ui {
namespace {

// The system's class of popup menu windows.
constexpr char16_t kMenuWindowClass[] = u"#32768";

}  // namespace

TMenuItem& TPopupMenu::AddItem(std::u16string name, std::u16string caption) {
  TMenuItem& item = Add<TMenuItem>();
  item.SetName(std::move(name));
  item.SetCaption(std::move(caption));
  items_.push_back(&item);
  return item;
}

TMenuItem* TPopupMenu::ItemOf(ULONG_PTR data) const {
  const auto it = std::find(items_.begin(), items_.end(), reinterpret_cast<TMenuItem*>(data));
  return it == items_.end() ? nullptr : *it;
}

bool TPopupMenu::HandleOwnerDraw(TMessage& message) {
  if (message.Msg == WM_MEASUREITEM) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
    TMenuItem* item = measure->CtlType == ODT_MENU ? ItemOf(measure->itemData) : nullptr;
    if (!item) return false;
    int width = 0, height = 0;
    OnMeasureItem(*item, width, height);
    measure->itemWidth = static_cast<UINT>(std::max(width, 0));
    measure->itemHeight = static_cast<UINT>(std::max(height, 0));
    message.Result = TRUE;
    return true;
  }
  if (message.Msg == WM_DRAWITEM) {
    const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
    TMenuItem* item = draw->CtlType == ODT_MENU ? ItemOf(draw->itemData) : nullptr;
    if (!item) return false;
    OnDrawItem(*item, TMenuItemDraw{draw->hDC, draw->rcItem, draw->itemState});
    message.Result = TRUE;
    return true;
  }
  return false;
}

void TPopupMenu::Popup(HWND owner, int x, int y) {
  platform::UniqueMenu menu(CreatePopupMenu());
  if (!menu) return;
  const bool owner_draw = OnMeasureItem && OnDrawItem;
  for (size_t i = 0; i < items_.size(); ++i) {
    const UINT state = items_[i]->Enabled() ? MF_ENABLED : MF_GRAYED;
    if (owner_draw) {
      // The item's data is the item itself; the text stays the caption.
      AppendMenuW(menu.get(), MF_OWNERDRAW | state, i + 1, reinterpret_cast<const wchar_t*>(items_[i]));
    } else {
      AppendMenuW(menu.get(), MF_STRING | state, i + 1, Wide(items_[i]->Caption()));
    }
  }
  TWindowSubclass drawing;
  if (owner_draw) {
    drawing = TWindowSubclass(owner, [this](TMessage& message, const TPassOn& pass_on) {
      if (!HandleOwnerDraw(message)) pass_on(message);
    });
  }
  std::optional<TWindowCreationHook> watch;
  watch.emplace([this](HWND window) {
    if (popup_window_ || WindowClassName(window) != kMenuWindowClass) return;
    popup_window_ = window;
    if (OnPopupWindow) OnPopupWindow(window);
  });
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, x, y, 0, owner, nullptr));
  watch.reset();
  drawing.Remove();
  popup_window_ = nullptr;
  // The menu closes properly only when its owner gets a message afterwards.
  PostMessageW(owner, WM_NULL, 0, 0);
  if (chosen >= 1 && chosen <= items_.size()) items_[chosen - 1]->Click();
}

}  // namespace vorlan::ui
