#include "ui/popup_menu.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/creation_hook.h"
#include "ui/message_window.h"
#include "ui/timer.h"

namespace vorlan::ui {
namespace {

struct Drawn {
  std::u16string caption;
  RECT rect{};
  UINT state = 0;
  bool on_the_menus_window = false;
};

// Shows an owner-drawn menu of three items (the middle one disabled) and
// closes it as soon as every item has been drawn once.
struct OwnerDrawnMenu {
  TComponent owner;
  TPopupMenu& menu = owner.Add<TPopupMenu>();
  std::vector<std::u16string> measured;
  std::vector<Drawn> drawn;
  std::vector<std::u16string> popup_windows;  // their class names
  int clicks = 0;

  // Closes a menu that stays open by mistake, so that a failure cannot hang.
  TTimer& safety = owner.Add<TTimer>();

  OwnerDrawnMenu() {
    safety.SetInterval(3000);
    safety.OnTimer = [](TObject&) { EndMenu(); };
    menu.AddItem(u"A1", u"First").OnClick = [this](TObject&) { ++clicks; };
    menu.AddItem(u"B1", u"Second").SetEnabled(false);
    menu.AddItem(u"C1", u"Third");
    menu.OnMeasureItem = [this](TMenuItem& item, int& width, int& height) {
      measured.push_back(item.Caption());
      width = 120;
      height = 17 + static_cast<int>(measured.size());  // 18, 19, 20: each item its own height
    };
    menu.OnPopupWindow = [this](HWND window) { popup_windows.push_back(WindowClassName(window)); };
    menu.OnDrawItem = [this](TMenuItem& item, const TMenuItemDraw& draw) {
      const bool on_window = menu.PopupWindow() && WindowFromDC(draw.Dc) == menu.PopupWindow();
      drawn.push_back({item.Caption(), draw.Rect, draw.State, on_window});
      if (drawn.size() == menu.Items().size()) EndMenu();
    };
  }
};

int Height(const RECT& r) { return r.bottom - r.top; }

TEST(PopupMenu, OwnerDrawnItemsAreMeasuredAndDrawnByTheProgram) {
  OwnerDrawnMenu m;
  TMessageWindow owner(nullptr);
  m.menu.Popup(owner.Handle(), 10, 10);

  EXPECT_EQ(m.measured, (std::vector<std::u16string>{u"First", u"Second", u"Third"}));
  ASSERT_EQ(m.drawn.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(m.drawn[i].caption, m.measured[i]);
    EXPECT_EQ(Height(m.drawn[i].rect), 18 + i) << "each item is drawn at the height it asked for";
    EXPECT_TRUE(m.drawn[i].on_the_menus_window) << "drawn on the window the menu reported";
  }
  EXPECT_EQ(m.drawn[1].rect.top, m.drawn[0].rect.bottom) << "items follow each other";
  EXPECT_TRUE(m.drawn[1].state & ODS_GRAYED) << "the disabled item is drawn so";
  EXPECT_FALSE(m.drawn[0].state & ODS_GRAYED);

  ASSERT_EQ(m.popup_windows.size(), 1u);
  EXPECT_EQ(m.popup_windows[0], u"#32768");
  EXPECT_EQ(m.menu.PopupWindow(), nullptr) << "only while the menu is shown";
  EXPECT_EQ(m.clicks, 0) << "closed without a choice";

  // The owner's layer went with the menu: its messages are its own again.
  MEASUREITEMSTRUCT later{};
  later.CtlType = ODT_MENU;
  later.itemData = reinterpret_cast<ULONG_PTR>(m.menu.Items()[0]);
  m.measured.clear();
  SendMessageW(owner.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&later));
  EXPECT_TRUE(m.measured.empty());
}

TEST(PopupMenu, WithoutBothHooksItemsAreTheSystemsOwn) {
  OwnerDrawnMenu m;
  m.menu.OnMeasureItem = nullptr;
  TMessageWindow owner(nullptr);
  // Nothing of ours draws, so a key closes the menu as soon as it tracks.
  PostMessageW(owner.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  m.menu.Popup(owner.Handle(), 10, 10);
  EXPECT_TRUE(m.drawn.empty());
  EXPECT_TRUE(m.measured.empty());
  EXPECT_EQ(m.popup_windows.size(), 1u) << "the menu's window is reported all the same";
}

TEST(CreationHook, WatchesOverlapAndEndInAnyOrder) {
  std::vector<char> seen;
  auto first = std::make_unique<TWindowCreationHook>([&seen](HWND) { seen.push_back('1'); });
  auto second = std::make_unique<TWindowCreationHook>([&seen](HWND) { seen.push_back('2'); });
  { TMessageWindow window(nullptr); }
  EXPECT_EQ(seen, (std::vector<char>{'1', '2'}));
  first.reset();
  seen.clear();
  { TMessageWindow window(nullptr); }
  EXPECT_EQ(seen, std::vector<char>{'2'}) << "the second watch outlives the first";
  second.reset();
  seen.clear();
  { TMessageWindow window(nullptr); }
  EXPECT_TRUE(seen.empty()) << "the system hook went with the last watch";
}

}  // namespace
}  // namespace vorlan::ui
