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

bool TPopupMenu::ItemOwnerDrawn(const TMenuItem& item) const {
  return (OnMeasureItem && OnDrawItem) || (OwnerDraw && item.OnMeasureItem && item.OnAdvancedDrawItem);
}

bool TPopupMenu::HandleOwnerDraw(TMessage& message) {
  if (message.Msg == WM_MEASUREITEM) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
    TMenuItem* item = measure->CtlType == ODT_MENU ? ItemOf(measure->itemData) : nullptr;
    if (!item) return false;
    int width = 0, height = 0;
    if (OwnerDraw && item->OnMeasureItem) {
      // Measured with the screen's context, as the system measures its own.
      const platform::WindowDc screen(nullptr);
      item->OnMeasureItem(*item, screen.get(), width, height);
    } else {
      OnMeasureItem(*item, width, height);
    }
    measure->itemWidth = static_cast<UINT>(std::max(width, 0));
    measure->itemHeight = static_cast<UINT>(std::max(height, 0));
    message.Result = TRUE;
    return true;
  }
  if (message.Msg == WM_DRAWITEM) {
    const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
    TMenuItem* item = draw->CtlType == ODT_MENU ? ItemOf(draw->itemData) : nullptr;
    if (!item) return false;
    if (OwnerDraw && item->OnAdvancedDrawItem) {
      item->OnAdvancedDrawItem(*item, draw->hDC, draw->rcItem, draw->itemState);
    } else {
      OnDrawItem(*item, TMenuItemDraw{draw->hDC, draw->rcItem, draw->itemState});
    }
    if (item->OnDrawItem) item->OnDrawItem(*item, draw->hDC, draw->rcItem, (draw->itemState & ODS_SELECTED) != 0);
    message.Result = TRUE;
    return true;
  }
  return false;
}

void TPopupMenu::Popup(HWND owner, int x, int y) {
  platform::UniqueMenu menu(CreatePopupMenu());
  if (!menu) return;
  bool owner_draw = false;
  for (size_t i = 0; i < items_.size(); ++i) {
    const TMenuItem& item = *items_[i];
    UINT flags = item.Enabled() ? MF_ENABLED : MF_GRAYED;
    if (item.Checked) flags |= MF_CHECKED;
    if (item.Caption() == u"-") flags |= MF_SEPARATOR;
    if (item.Break == TMenuBreak::mbBreak) flags |= MF_MENUBREAK;
    if (item.Break == TMenuBreak::mbBarBreak) flags |= MF_MENUBARBREAK;
    const UINT_PTR id = item.Command != 0 ? item.Command : i + 1;
    if (ItemOwnerDrawn(item)) {
      // The item's data is the item itself; the text stays the caption.
      owner_draw = true;
      AppendMenuW(menu.get(), MF_OWNERDRAW | flags, id, reinterpret_cast<const wchar_t*>(&item));
    } else {
      AppendMenuW(menu.get(), MF_STRING | flags, id, Wide(item.Caption()));
    }
    if (item.Default) SetMenuDefaultItem(menu.get(), static_cast<UINT>(id), FALSE);
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
  const UINT animation = MenuAnimation ? 0 : TPM_NOANIMATION;
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY | animation, x, y, 0, owner, nullptr));
  watch.reset();
  drawing.Remove();
  popup_window_ = nullptr;
  // The menu closes properly only when its owner gets a message afterwards.
  PostMessageW(owner, WM_NULL, 0, 0);
  if (OnClose) OnClose(*this);
  for (size_t i = 0; chosen != 0 && i < items_.size(); ++i) {
    const UINT id = items_[i]->Command != 0 ? items_[i]->Command : static_cast<UINT>(i + 1);
    if (id == chosen) {
      items_[i]->Click();
      break;
    }
  }
}

}  // namespace vorlan::ui
