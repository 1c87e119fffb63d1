#include "skin/controls/menus/skin_menus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/hooks/window_creation_hook.h"
#include "skin/controls/menus/menu_window.h"
#include "skin/controls/provider/window_system.h"
#include "skin/controls/skin_provider_fixture.h"
#include "skinned_test_controls.h"
#include "ui/creation_hook.h"
#include "ui/form.h"
#include "ui/message_window.h"
#include "ui/timer.h"

namespace vorlan::skin::test {
namespace {

std::size_t LiveGdi() {
  if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return counted;
  std::size_t live = 0;
  for (std::uintptr_t index = 1; index < 0x10000; ++index) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++live;
  }
  return live;
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<std::size_t*>(count);
  return TRUE;
}

// Top-level windows of this thread (menu windows are top-level).
std::size_t LiveThreadWindows() {
  std::size_t count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

// A form with a popup menu of the tray menu's shape, and a painter over a
// skin with the menu sections.
struct MenuFixture {
  TestSkin skin;
  TSkinableMenus painter{skin.manager};
  ui::TOwned<ui::TForm> form = ui::MakeOwned<ui::TForm>();
  ui::TPopupMenu& menu = form->Add<ui::TPopupMenu>();
  std::int32_t main_menu, menu_item;

  MenuFixture() {
    main_menu = skin.Section(u"MAINMENU", 0x00E0E0E0);
    menu_item = skin.Section(u"MENUITEM", 0x00FFFFFF);
    skin.At(menu_item).Props[1].Color = 0x00FF8000;
    skin.manager.ConstData.Sections[ssMenuItem] = menu_item;
    menu.AddItem(u"G1", u"Title");
    menu.AddItem(u"S1", u"-");
    menu.AddItem(u"N1", u"-Title-");
    menu.AddItem(u"D1", u"Exit").SetEnabled(false);
  }
  ui::TMenuItem& Item(int i) { return *menu.Items()[static_cast<std::size_t>(i)]; }
};

// Runs `open` (which shows a menu and returns when it has closed); a timer
// runs `while_open` and then ends the menu.
void WhileMenuOpen(const std::function<void()>& open, const std::function<void()>& while_open) {
  ui::TComponent owner_component;
  ui::TTimer& close = owner_component.Add<ui::TTimer>();
  close.SetInterval(200);
  close.OnTimer = [&](ui::TObject&) {
    close.SetEnabled(false);
    if (while_open) while_open();
    EndMenu();
  };
  open();
}

// Opens the menu, draws every item once, and closes it.
void OpenAndClose(ui::TPopupMenu& menu, std::function<void()> while_open = {}) {
  ui::TMessageWindow owner(nullptr);
  WhileMenuOpen([&] { menu.Popup(owner.Handle(), 20, 20); }, while_open);
}

BOOL CALLBACK FindShownMenuWindow(HWND window, LPARAM found) {
  if (!IsWindowVisible(window) || ui::WindowClassName(window) != u"#32768") return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// The shown popup menu window of this thread, found without the menu's help.
HWND ShownMenuWindow() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindShownMenuWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

TEST(SkinMenus, ItemKindsSizesAndGlyphs) {
  struct Row {
    std::u16string caption;
    TSkMenuItemKind kind;
    const char* why;
  } rows[] = {
      {u"-", smDivider, "a single dash is a divider"},
      {u"-Title-", smCaption, "dashes at both ends make a caption line"},
      {u"--", smCaption, "two dashes are both ends"},
      {u"-Title", smNormal, "a dash at one end only"},
      {u"Exit", smNormal, "plain text"},
  };
  for (const Row& row : rows) EXPECT_EQ(MenuItemKind(row.caption), row.kind) << row.why;
  EXPECT_EQ(SysMenuGlyph(SC_CLOSE), u'r');
  EXPECT_EQ(SysMenuGlyph(SC_MINIMIZE), u'0');
  EXPECT_EQ(SysMenuGlyph(SC_MAXIMIZE), u'1');
  EXPECT_EQ(SysMenuGlyph(SC_RESTORE), u'2');
  EXPECT_EQ(SysMenuGlyph(SC_MOVE), 0);

  MenuFixture f;
  int w = 0, h = 0;
  f.painter.SkinMeasureItem(f.Item(1), nullptr, w, h);
  EXPECT_EQ(h, 2) << "a divider is 2 pixels high";
  int cw = 0, ch = 0;
  f.painter.SkinMeasureItem(f.Item(2), nullptr, cw, ch);
  int nw = 0, nh = 0;
  f.painter.SkinMeasureItem(f.Item(0), nullptr, nw, nh);
  const int text_height = ch - (2 * 2 + 3);  // a caption line: text + 2 margins + 3
  ASSERT_GT(text_height, 0);
  EXPECT_EQ(nh, std::max(text_height, 16) + 2 * 2 + 2) << "a normal item: max(text, glyph) + 2 margins + 2";
  EXPECT_EQ(nw - cw, 0) << "same text, same width: the dashes are not measured";
}

TEST(SkinMenus, ExtraLineOnlyWithUseExtraLineAndTheNamedFirstItem) {
  MenuFixture f;
  f.Item(0).SetName(u"SkinSelectItem");
  int plain = 0, h = 0;
  f.painter.SkinMeasureItem(f.Item(0), nullptr, plain, h);
  TSkMenuSupport support = f.skin.manager.MenuSupport();
  support.UseExtraLine = true;
  f.skin.manager.SetMenuSupport(support);
  int with_line = 0;
  f.painter.SkinMeasureItem(f.Item(0), nullptr, with_line, h);
  EXPECT_EQ(with_line - plain, 32) << "the extra line widens first-column items by ExtraLineWidth";
  f.Item(0).SetName(u"G1");
  int unnamed = 0;
  f.painter.SkinMeasureItem(f.Item(0), nullptr, unnamed, h);
  EXPECT_EQ(unnamed, plain) << "only a first item named SkinSelectItem brings the extra line";
}

TEST(SkinMenus, HooksKeepTheItemsOwnHandlersAndFollowSkinnedPopups) {
  MenuFixture f;
  int own = 0;
  f.Item(3).OnAdvancedDrawItem = [&own](ui::TMenuItem&, HDC, const RECT&, UINT) { ++own; };
  f.painter.SetActive(true);
  EXPECT_TRUE(f.menu.OwnerDraw);
  EXPECT_FALSE(f.menu.MenuAnimation) << "animation off while skinned";
  EXPECT_TRUE(f.Item(0).OnMeasureItem && f.Item(0).OnAdvancedDrawItem);
  f.Item(3).OnAdvancedDrawItem(f.Item(3), nullptr, RECT{}, 0);
  EXPECT_EQ(own, 1) << "an item's own draw handler is kept";

  f.skin.manager.SetSkinnedPopups(false);
  f.painter.InitItems(true);
  EXPECT_FALSE(f.menu.OwnerDraw) << "without SkinnedPopups the system draws the menu";

  f.painter.SetActive(false);
  EXPECT_FALSE(f.Item(0).OnMeasureItem) << "the painter's handlers go";
  EXPECT_FALSE(f.Item(0).OnAdvancedDrawItem);
  ASSERT_TRUE(f.Item(3).OnAdvancedDrawItem) << "only the painter's handlers are removed";
  EXPECT_TRUE(f.menu.MenuAnimation);
}

TEST(SkinMenus, ManagerHooksOnActivationAndUnhooksOnRemoval) {
  const TSkinWindowSystemInstallation installation;
  TSkinManager manager;
  ASSERT_NE(manager.SkinableMenus(), nullptr) << "the window layer gives every manager a painter";
  auto form = ui::MakeOwned<ui::TForm>();
  ui::TPopupMenu& menu = form->Add<ui::TPopupMenu>();
  ui::TMenuItem& item = menu.AddItem(u"A1", u"Item");
  manager.SkinableMenus()->UpdateMenus(true);
  EXPECT_TRUE(item.OnAdvancedDrawItem && menu.OwnerDraw);
  manager.SetSkinnedPopups(false);
  ASSERT_TRUE(manager.IsDefault());
  EXPECT_FALSE(menu.OwnerDraw) << "switching SkinnedPopups off unhooks at once";
  manager.SkinableMenus()->SetActive(false);
  EXPECT_FALSE(item.OnAdvancedDrawItem);
}

TEST(SkinMenus, OpenMenuGetsPictureRegionAndFrameAndFreesItOnClose) {
  MenuFixture f;
  f.painter.SetActive(true);
  std::size_t infos_while_open = 0;
  HWND window = nullptr;
  RECT region_box{};
  int drawn = 0, own_draws = 0;
  f.Item(0).OnDrawItem = [&own_draws](ui::TMenuItem&, HDC, const RECT&, bool) { ++own_draws; };
  f.painter.OnDrawItem = [&drawn](ui::TMenuItem&, HDC, TSkMenuItemKind, UINT, const RECT&) { ++drawn; };
  OpenAndClose(f.menu, [&] {
    infos_while_open = f.painter.MenuInfos().size();
    window = f.menu.PopupWindow();
    const platform::UniqueRegion rgn(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(window, rgn.get()) != ERROR) GetRgnBox(rgn.get(), &region_box);
  });
  EXPECT_EQ(infos_while_open, 1u) << "one picture per open popup";
  EXPECT_NE(window, nullptr);
  EXPECT_GT(region_box.right, 0) << "the window got a region";
  EXPECT_GT(drawn, 0) << "the painter's own event ran on the items";
  EXPECT_GE(own_draws, 1) << "the item's own draw event runs after the painter";
  EXPECT_TRUE(f.painter.MenuInfos().empty()) << "the picture is freed when the menu loop ends";
  EXPECT_EQ(TSkMnuWnd::Find(window), nullptr) << "without the hook no adapter: the painter attaches none itself";
}

TEST(SkinMenus, MenuWindowMadeByTheSystemGetsTheHooksAdapterAndFrameAndIsReleased) {
  MenuFixture f;
  f.skin.At(f.main_menu).Props[0].Color = 0x00336699;
  TSkinCreationHook hook;
  f.painter.SetActive(true);
  HWND window = nullptr;
  bool in_list = false, answers_skinned = false, answers_adapter = false, has_region = false;
  std::size_t adapters_while_open = 0, infos_while_open = 0;
  COLORREF frame = CLR_INVALID, painted_over = CLR_INVALID, after_ncpaint = CLR_INVALID;
  RECT kept_box{};
  OpenAndClose(f.menu, [&] {
    window = ShownMenuWindow();
    if (!window) return;
    adapters_while_open = hook.MenuWindowCount();
    infos_while_open = f.painter.MenuInfos().size();
    const std::vector<ISkinForeignWindow*> hooked = hook.HookedWindows();
    const TSkMnuWnd* adapter = TSkMnuWnd::Find(window);
    in_list = adapter && std::find(hooked.begin(), hooked.end(), adapter) != hooked.end();
    answers_skinned = SendMessageW(window, SM_ALPHACMD, MakeSkinWParam(scIsSkinned), 0) == 1;
    // Found like every other adapter, through the skin command.
    answers_adapter = adapter && SendMessageW(window, SM_ALPHACMD, MakeSkinWParam(scGetAdapter), 0) ==
                                     reinterpret_cast<LRESULT>(static_cast<const TSkMainWnd*>(adapter));
    const platform::UniqueRegion rgn(CreateRectRgn(0, 0, 0, 0));
    has_region = GetWindowRgn(window, rgn.get()) != ERROR;
    RECT wr{};
    GetWindowRect(window, &wr);
    const int middle = (wr.bottom - wr.top) / 2;
    const platform::WholeWindowDc dc(window);
    frame = GetPixel(dc.get(), 1, middle);
    // Something paints over the frame; the next frame painting of the window
    // brings the skin's frame back through the adapter.
    const RECT strip{0, 0, 3, wr.bottom - wr.top};
    FillRect(dc.get(), &strip, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    painted_over = GetPixel(dc.get(), 1, middle);
    SendMessageW(window, WM_NCPAINT, 1, 0);
    after_ncpaint = GetPixel(dc.get(), 1, middle);
    // A window whose size did not change keeps the region it has: the frame
    // painting does not set it again (which would repaint the window each time).
    SetWindowRgn(window, CreateRectRgn(0, 0, 5, 5), FALSE);
    SendMessageW(window, WM_NCPAINT, 1, 0);
    const platform::UniqueRegion kept(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(window, kept.get()) != ERROR) GetRgnBox(kept.get(), &kept_box);
  });
  ASSERT_NE(window, nullptr) << "the menu was shown";
  EXPECT_EQ(adapters_while_open, 1u) << "one adapter for the one menu window";
  EXPECT_TRUE(in_list) << "the adapter is kept in the hook's list of foreign windows";
  EXPECT_TRUE(answers_skinned);
  EXPECT_TRUE(answers_adapter);
  EXPECT_EQ(infos_while_open, 1u);
  EXPECT_TRUE(has_region) << "the painter gave the window its region";
  EXPECT_EQ(frame, 0x00336699u) << "the frame comes from the MAINMENU picture";
  EXPECT_EQ(painted_over, 0u);
  EXPECT_EQ(after_ncpaint, 0x00336699u) << "the adapter redraws the frame after the system's painting";
  EXPECT_EQ(kept_box.right, 5) << "the region is not set again while the window keeps its size";

  EXPECT_EQ(hook.MenuWindowCount(), 0u) << "released when its window is destroyed";
  EXPECT_TRUE(hook.HookedWindows().empty());
  EXPECT_EQ(TSkMnuWnd::Find(window), nullptr);
  EXPECT_TRUE(f.painter.MenuInfos().empty());
}

// Windows puts a menu window's client area inside a three-pixel frame, Wine
// draws its frame inside the client area: either way an item shows the part
// of the menu's picture it lies on.
TEST(SkinMenus, SeeThroughItemsShowThePictureUnderThemInTheOpenWindow) {
  MenuFixture f;
  f.skin.Texture(f.main_menu, paint::TRect{0, 0, 64, 64});  // no two neighbours alike
  for (TSkinGenState& state : f.skin.At(f.menu_item).Props) state.Transparency = 100;
  f.painter.SetActive(true);
  std::vector<std::pair<COLORREF, std::uint32_t>> shown_and_picture;
  OpenAndClose(f.menu, [&] {
    const HWND window = f.menu.PopupWindow();
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
    if (!window || !menu || f.painter.MenuInfos().empty()) return;
    const paint::TBitmap32& picture = *f.painter.MenuInfos().front().Bmp;
    RECT outer{}, item{};
    GetWindowRect(window, &outer);
    GetMenuItemRect(nullptr, menu, 0, &item);
    const platform::WholeWindowDc dc(window);
    for (const POINT& p : {POINT{item.right - 3, item.top + 1}, POINT{item.right - 9, item.bottom - 2}}) {
      const int x = p.x - outer.left, y = p.y - outer.top;
      shown_and_picture.emplace_back(GetPixel(dc.get(), x, y), picture.Pixel(x, y));
    }
  });
  ASSERT_EQ(shown_and_picture.size(), 2u) << "the menu was shown and drawn";
  for (const auto& [shown, under] : shown_and_picture) {
    EXPECT_EQ(shown, paint::ColorToPixel(static_cast<paint::TColor>(under)) & 0x00FFFFFFu)
        << "the item shows the picture at its own place in the window";
  }
}

// "-Title-" starts a second column after a bar break: the first column
// (an item and a divider) is the shorter one.
TEST(SkinMenus, TheColumnBeforeABarBreakEndsInItsLineAndThePicture) {
  MenuFixture f;
  f.skin.Texture(f.main_menu, paint::TRect{0, 0, 64, 64});
  f.skin.At(f.menu_item).Props[0].FontColor.Color = 0x000000FF;
  f.Item(2).Break = ui::TMenuBreak::mbBarBreak;
  f.painter.SetActive(true);
  COLORREF line = CLR_INVALID, gap = CLR_INVALID;
  std::uint32_t picture_under_gap = 0;
  OpenAndClose(f.menu, [&] {
    const HWND window = f.menu.PopupWindow();
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
    if (!window || !menu || f.painter.MenuInfos().empty()) return;
    RECT outer{}, divider{}, second{};
    GetWindowRect(window, &outer);
    GetMenuItemRect(nullptr, menu, 1, &divider);
    GetMenuItemRect(nullptr, menu, 2, &second);
    if (second.left < divider.right) return;  // not two columns
    const platform::WholeWindowDc dc(window);
    const int below = divider.bottom + 6 - outer.top;
    line = GetPixel(dc.get(), divider.right - 1 - outer.left, below);
    gap = GetPixel(dc.get(), divider.left + 5 - outer.left, below);
    picture_under_gap = f.painter.MenuInfos().front().Bmp->Pixel(divider.left + 5 - outer.left, below);
  });
  ASSERT_NE(line, CLR_INVALID) << "the menu was shown in two columns";
  EXPECT_EQ(line, 0x000000FFu) << "the line between the columns, in the item section's font colour";
  EXPECT_EQ(gap, paint::ColorToPixel(static_cast<paint::TColor>(picture_under_gap)) & 0x00FFFFFFu)
      << "below the column's last item: the menu's picture";
}

TEST(SkinMenus, AnItemDrawnWithoutItsWindowStillLiesOnTheMenusBackground) {
  MenuFixture f;
  for (TSkinGenState& state : f.skin.At(f.menu_item).Props) state.Transparency = 100;
  f.painter.SetActive(true);
  const platform::UniqueMemoryDc mem(CreateCompatibleDC(nullptr));
  paint::TBitmap32 target = paint::NewBitmap32(100, 24);
  const platform::SelectGuard select(mem.get(), static_cast<HBITMAP>(target.NativeHandle()));
  // No window and no size: the picture takes the size of the items.
  f.painter.SkinAdvancedDrawItem(f.Item(0), mem.get(), RECT{0, 0, 100, 24}, 0);
  GdiFlush();
  EXPECT_EQ(target.Row(2)[10] & 0x00FFFFFFu, 0x00E0E0E0u);
}

TEST(SkinMenus, DisabledItemKeepsFortyPercentOverTheBackground) {
  MenuFixture f;
  f.painter.SetActive(true);
  f.skin.At(f.menu_item).Props[0].Color = 0x000000FF;  // red items over a grey menu
  const platform::UniqueMemoryDc mem(CreateCompatibleDC(nullptr));
  paint::TBitmap32 target = paint::NewBitmap32(100, 24);
  const platform::SelectGuard select(mem.get(), static_cast<HBITMAP>(target.NativeHandle()));
  const TSkMenuInfo* info = f.painter.GetMenuInfo(f.Item(0), 106, nullptr, mem.get(), 100);
  ASSERT_NE(info, nullptr);
  const std::uint32_t bg = info->Bmp->Row(12 + 3)[98 + 3];  // the picture holds the frame around the items
  f.painter.SkinAdvancedDrawItem(f.Item(3), mem.get(), RECT{0, 0, 100, 24}, ODS_GRAYED);
  GdiFlush();
  const std::uint32_t p = target.Row(12)[98];
  for (int shift : {0, 8, 16}) {
    const int item = shift == 16 ? 255 : 0, under = static_cast<int>((bg >> shift) & 0xFF);
    // trunc(under − (under − item) × 0.4): 40 percent of the red item over 60 percent of the background.
    EXPECT_EQ(static_cast<int>((p >> shift) & 0xFF), static_cast<int>(under - (under - item) * 0.4)) << shift;
  }
  f.painter.SkinAdvancedDrawItem(f.Item(0), mem.get(), RECT{0, 0, 100, 24}, 0);
  GdiFlush();
  EXPECT_EQ(target.Row(12)[98] & 0x00FFFFFFu, 0x00FF0000u) << "an enabled item shows its own colour";
}

TEST(SkinMenus, FiftyOpeningsLeaveNoHandlesBehind) {
  MenuFixture f;
  f.painter.SetActive(true);
  OpenAndClose(f.menu);
  const std::size_t before = LiveGdi();
  for (int i = 0; i < 50; ++i) OpenAndClose(f.menu);
  EXPECT_LE(LiveGdi(), before + 2) << "pictures, fonts, regions and adapters go with each menu";
  EXPECT_TRUE(f.painter.MenuInfos().empty());
}

TEST(SkinMenus, FiftyOpeningsOfTheSystemMenuLeaveNoHandlesBehind) {
  const TSkinWindowSystemInstallation installation;
  test::ProviderFixture f;
  f.Form().Show();
  SetForegroundWindow(f.Window());
  SetActiveWindow(f.Window());
  test::PumpMessages();
  ASSERT_EQ(GetActiveWindow(), f.Window()) << "the system menu opens only on the active window";
  TSkinCreationHook* hook = InstalledWindowSystem()->CreationHook();
  ASSERT_NE(hook, nullptr);
  auto* painter = dynamic_cast<TSkinableMenus*>(f.Manager().SkinableMenus());
  ASSERT_NE(painter, nullptr);
  int shown = 0;
  const auto open_once = [&] {
    WhileMenuOpen([&] { f.Provider().DropSysMenu(40, 40); },
                  [&] {
                    if (ShownMenuWindow() && hook->MenuWindowCount() == 1 && !painter->MenuInfos().empty()) ++shown;
                  });
    test::PumpMessages();
  };
  open_once();
  const std::size_t gdi = LiveGdi(), windows = LiveThreadWindows();
  for (int i = 0; i < 50; ++i) open_once();
  EXPECT_EQ(shown, 51) << "every opening showed a menu window with its adapter, drawn by the skin's painter";
  EXPECT_LE(LiveGdi(), gdi + 2) << "menu pictures, fonts and regions go with each menu";
  EXPECT_LE(LiveThreadWindows(), windows) << "menu windows go with each menu";
  EXPECT_EQ(hook->MenuWindowCount(), 0u) << "adapters go with their windows";
}

}  // namespace
}  // namespace vorlan::skin::test
