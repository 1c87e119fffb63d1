#include "ui/popup_menu.h"

#include "ui/handle.h"

namespace vorlan::ui {

TMenuItem& TPopupMenu::AddItem(std::u16string name, std::u16string caption) {
  TMenuItem& item = Add<TMenuItem>();
  item.SetName(std::move(name));
  item.SetCaption(std::move(caption));
  items_.push_back(&item);
  return item;
}

void TPopupMenu::Popup(HWND owner, int x, int y) {
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) return;
  for (size_t i = 0; i < items_.size(); ++i) {
    const UINT flags = MF_STRING | (items_[i]->Enabled() ? MF_ENABLED : MF_GRAYED);
    AppendMenuW(menu.get(), flags, i + 1, Wide(items_[i]->Caption()));
  }
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, x, y, 0, owner, nullptr));
  // The menu closes properly only when its owner gets a message afterwards.
  PostMessageW(owner, WM_NULL, 0, 0);
  if (chosen >= 1 && chosen <= items_.size()) items_[chosen - 1]->Click();
}

}  // namespace vorlan::ui
