#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/component.h"

namespace vorlan::ui {

// Where a menu item starts a new column.
enum class TMenuBreak { mbNone, mbBreak, mbBarBreak };

class TMenuItem : public TComponent {
 public:
  std::u16string_view ClassName() const override { return u"TMenuItem"; }

  const std::u16string& Caption() const { return caption_; }
  void SetCaption(std::u16string caption) { caption_ = std::move(caption); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }

  bool Checked = false;
  bool RadioItem = false;
  bool Default = false;  // shown bold, chosen by a double click
  TMenuBreak Break = TMenuBreak::mbNone;
  std::u16string ShortCutText;  // shown right-aligned ("Alt+F4")
  UINT Command = 0;             // the item's identifier; 0: its position

  TNotifyEvent OnClick;
  void Click() {
    if (OnClick) OnClick(*this);
  }

  // Owner drawing of this item: its size, and its whole look (state: ODS_*
  // bits). An item with both is owner-drawn whenever its menu allows it.
  std::function<void(TMenuItem& item, HDC dc, int& width, int& height)> OnMeasureItem;
  std::function<void(TMenuItem& item, HDC dc, const RECT& rect, UINT state)> OnAdvancedDrawItem;
  // The item's own drawing, after everything else.
  std::function<void(TMenuItem& item, HDC dc, const RECT& rect, bool selected)> OnDrawItem;

 private:
  std::u16string caption_;
  bool enabled_ = true;
};

// An item's look while it is drawn (ODS_SELECTED, ODS_GRAYED, ... of
// DRAWITEMSTRUCT).
struct TMenuItemDraw {
  HDC Dc = nullptr;
  RECT Rect{};     // the item's place in the menu window's client area
  UINT State = 0;  // ODS_* bits
};

// A menu shown at a point of the screen; the chosen item's OnClick runs after
// the menu has closed.
class TPopupMenu : public TComponent {
 public:
  std::u16string_view ClassName() const override { return u"TPopupMenu"; }

  // Items are owned by the menu, in the order shown.
  TMenuItem& AddItem(std::u16string name, std::u16string caption);
  const std::vector<TMenuItem*>& Items() const { return items_; }

  // Shows the menu at a screen position, owned by `owner` (a window of this
  // thread that should be in the foreground), and runs the chosen item.
  void Popup(HWND owner, int x, int y);

  // Items with their own measure and draw handlers are owner-drawn while
  // this is set.
  bool OwnerDraw = false;
  // The system's opening animation.
  bool MenuAnimation = true;

  // Owner drawing: with both set, the program measures and draws every item
  // (the system still tracks the mouse and keys). The owner window's
  // WM_MEASUREITEM and WM_DRAWITEM for these items are taken on the way
  // through a layer on it that lives while the menu is shown.
  std::function<void(TMenuItem& item, int& width, int& height)> OnMeasureItem;
  std::function<void(TMenuItem& item, const TMenuItemDraw& draw)> OnDrawItem;

  // The menu's own window, as soon as the system has made it and before it
  // shows (the moment to attach to it); and while the menu is shown.
  std::function<void(HWND window)> OnPopupWindow;
  HWND PopupWindow() const { return popup_window_; }
  // The menu has closed (before the chosen item runs): the end of its loop.
  TNotifyEvent OnClose;

 private:
  bool HandleOwnerDraw(TMessage& message);
  bool ItemOwnerDrawn(const TMenuItem& item) const;
  TMenuItem* ItemOf(ULONG_PTR data) const;

  std::vector<TMenuItem*> items_;  // borrowed: owned as components
  HWND popup_window_ = nullptr;
};

}  // namespace vorlan::ui
