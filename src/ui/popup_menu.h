#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/component.h"

namespace vorlan::ui {

class TMenuItem : public TComponent {
 public:
  const std::u16string& Caption() const { return caption_; }
  void SetCaption(std::u16string caption) { caption_ = std::move(caption); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }

  TNotifyEvent OnClick;
  void Click() {
    if (OnClick) OnClick(*this);
  }

 private:
  std::u16string caption_;
  bool enabled_ = true;
};

// A menu shown at a point of the screen; the chosen item's OnClick runs after
// the menu has closed.
class TPopupMenu : public TComponent {
 public:
  // Items are owned by the menu, in the order shown.
  TMenuItem& AddItem(std::u16string name, std::u16string caption);
  const std::vector<TMenuItem*>& Items() const { return items_; }

  // Shows the menu at a screen position, owned by `owner` (a window of this
  // thread that should be in the foreground), and runs the chosen item.
  void Popup(HWND owner, int x, int y);

 private:
  std::vector<TMenuItem*> items_;  // borrowed: owned as components
};

}  // namespace vorlan::ui
