#include <windows.h>
// (needs windows.h before it)
#include <shellapi.h>

#include <gtest/gtest.h>

#include "main_form_fixture.h"
#include "skin/controls/provider/window_system.h"
#include "ui/application.h"

namespace vorlan::app {
namespace {

using testing::MainFormFixture;

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

TEST(MainWindow, OuterSizeStaysFixedWhateverTheResizeAttempt) {
  MainFormFixture f;
  f.Form().Show();
  EXPECT_EQ(WidthOf(f.WindowRect()), 282);
  EXPECT_EQ(HeightOf(f.WindowRect()), 280);
  SetWindowPos(f.Window(), nullptr, 0, 0, 600, 500, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(WidthOf(f.WindowRect()), 282);
  EXPECT_EQ(HeightOf(f.WindowRect()), 280);
  MoveWindow(f.Window(), 10, 10, 100, 90, TRUE);
  EXPECT_EQ(WidthOf(f.WindowRect()), 282);
  EXPECT_EQ(HeightOf(f.WindowRect()), 280);
  f.Form().SetBounds(10, 10, 300, 300);
  EXPECT_EQ(WidthOf(f.WindowRect()), 282);
  EXPECT_EQ(HeightOf(f.WindowRect()), 280);

  // The frame offers no sizing: its edges are plain border.
  const RECT r = f.WindowRect();
  const LRESULT hit = SendMessageW(f.Window(), WM_NCHITTEST, 0, MAKELPARAM(r.right - 2, (r.top + r.bottom) / 2));
  EXPECT_EQ(hit, HTBORDER);
}

TEST(MainWindow, CarriesItsOwnSkinAndSelectsItAtCreation) {
  MainFormFixture f;
  const skin::TSkinManager& manager = *f.Form().SkinManager1;
  EXPECT_EQ(skin::DefaultManager(), &manager) << "the first manager is the default one";
  EXPECT_TRUE(manager.Active());
  EXPECT_EQ(manager.SkinName(), u"Rorur Udari (internal)");
  EXPECT_TRUE(manager.SkinIsPacked) << "taken from the package stored in the program";
  EXPECT_EQ(manager.SkinInfo(), u"10");
  EXPECT_EQ(manager.SkinDirectory(), u"c:\\Skins");
  EXPECT_EQ(manager.Skin.gd.size(), 72u);
}

TEST(MainWindow, HasOnlyTheCloseButtonAndTheLayoutsCaption) {
  MainFormFixture f;
  const LONG_PTR style = GetWindowLongPtrW(f.Window(), GWL_STYLE);
  // The skin draws the title buttons: the system menu style is taken away so
  // that the system draws none of its own, and only the close one is there.
  EXPECT_FALSE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  const skin::TSkinProvider& provider = *f.Form().SkinProvider1;
  EXPECT_EQ(provider.ButtonClose.ImageIndex, f.Form().SkinManager1->ConstData.MaskCloseAloneBtn);
  EXPECT_EQ(provider.ButtonMax.ImageIndex, -1);
  EXPECT_EQ(provider.ButtonMin.ImageIndex, -1);
  wchar_t caption[64] = {};
  GetWindowTextW(f.Window(), caption, 64);
  EXPECT_EQ(ui::FromWide(caption), u"VorlanTV клиент");
}

TEST(MainWindow, FirstShowingCentresOnTheDesktopAndFocusesTheButton) {
  MainFormFixture f;
  EXPECT_FALSE(IsWindowVisible(f.Window())) << "the form is hidden until shown";
  f.Form().Show();
  const RECT r = f.WindowRect();
  const int desk_left = GetSystemMetrics(SM_XVIRTUALSCREEN), desk_width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int desk_top = GetSystemMetrics(SM_YVIRTUALSCREEN), desk_height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  EXPECT_EQ(r.left, desk_left + desk_width / 2 - 282 / 2);
  EXPECT_EQ(r.top, desk_top + desk_height / 2 - 280 / 2);
  EXPECT_EQ(GetFocus(), f.Form().SkinButton1->Handle()) << "the button comes first in the tab order";
}

TEST(MainWindow, TabGoesFromTheButtonToTheEditBoxAndBack) {
  MainFormFixture f;
  f.Form().Show();
  ASSERT_EQ(GetFocus(), f.Form().SkinButton1->Handle());
  EXPECT_TRUE(f.Form().DialogKey(*f.Form().SkinButton1, VK_TAB));
  EXPECT_EQ(GetFocus(), f.Form().SkinEdit1->Handle());
  EXPECT_TRUE(f.Form().DialogKey(*f.Form().SkinEdit1, VK_TAB));
  EXPECT_EQ(GetFocus(), f.Form().SkinButton1->Handle()) << "the hidden memo never takes the focus";
}

TEST(MainWindow, CloseRequestHidesTheWindowAndItsTaskBarButton) {
  MainFormFixture f;
  f.Form().Show();
  ASSERT_TRUE(IsWindowVisible(f.Window()));
  SendMessageW(f.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(IsWindowVisible(f.Window()));
  EXPECT_FALSE(f.Form().Visible());
  EXPECT_TRUE(IsWindow(f.Window())) << "closing only hides";
  EXPECT_FALSE(ui::Application().Terminated());
  // The task-bar button belongs to the window itself (no owner, application
  // window style), so it goes when the window is hidden.
  EXPECT_EQ(GetWindow(f.Window(), GW_OWNER), nullptr);
  EXPECT_TRUE(GetWindowLongPtrW(f.Window(), GWL_EXSTYLE) & WS_EX_APPWINDOW);

  f.Form().Show();
  SendMessageW(f.Window(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(f.Window()));
}

TEST(MainWindow, TrayToggleShowsTheWindowWhereItWasWithANewBanner) {
  MainFormFixture f;
  f.Form().Show();
  ASSERT_EQ(f.stream_urls.size(), 1u);
  SetWindowPos(f.Window(), nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  const HWND tray = f.Form().TrayIcon1->Handle();
  SendMessageW(tray, ui::TTrayIcon::kCallbackMessage, 1, WM_LBUTTONDBLCLK);
  EXPECT_FALSE(IsWindowVisible(f.Window()));
  EXPECT_EQ(f.stream_urls.size(), 1u) << "hiding fetches nothing";

  f.stream_answer = [](std::vector<uint8_t>& stream) {
    const std::vector<uint8_t> jpeg = testing::PlainJpeg(400, 200, 0xCC3300);
    stream.insert(stream.end(), jpeg.begin(), jpeg.end());
  };
  SendMessageW(tray, ui::TTrayIcon::kCallbackMessage, 1, WM_RBUTTONDBLCLK);
  EXPECT_TRUE(IsWindowVisible(f.Window()));
  EXPECT_EQ(f.stream_urls.size(), 2u) << "every showing fetches a banner";
  EXPECT_EQ(f.WindowRect().left, 40);
  EXPECT_EQ(f.WindowRect().top, 50);
  const uint32_t pixel = f.Form().SkinImage1->Picture().Pixel(10, 10);
  EXPECT_GT((pixel >> 16) & 0xFF, 0x99u) << "the new (red) picture replaced the blue one";

  SendMessageW(tray, ui::TTrayIcon::kCallbackMessage, 1, WM_MBUTTONDBLCLK);
  EXPECT_FALSE(IsWindowVisible(f.Window()));
  SendMessageW(tray, ui::TTrayIcon::kCallbackMessage, 1, WM_LBUTTONUP);
  EXPECT_FALSE(IsWindowVisible(f.Window())) << "a single click does nothing";
  f.Form().G1->Click();
  EXPECT_TRUE(IsWindowVisible(f.Window()));
  EXPECT_EQ(f.stream_urls.size(), 3u);
  f.Form().G1->Click();
  EXPECT_FALSE(IsWindowVisible(f.Window()));
}

TEST(MainWindow, TrayIconHasTheTitleAsTipAndTheFourItemMenu) {
  MainFormFixture f;
  ASSERT_EQ(f.tray_calls, std::vector<DWORD>{NIM_ADD}) << "the icon is added when the form is made";
  EXPECT_EQ(f.tray_tips[0], u"VorlanTV клиент 1.0");
  const auto& items = f.Form().PopupMenu1->Items();
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[0]->Caption(), u"Показать\\скрыть");
  EXPECT_EQ(items[1]->Caption(), u"VorlanTV");
  EXPECT_EQ(items[2]->Caption(), TMainForm::FilmDatabaseDomain());
  EXPECT_EQ(items[3]->Caption(), u"Выйти");
  EXPECT_EQ(f.Form().SkinButton1->Caption(), u"Найти по номеру " + TMainForm::FilmDatabaseDomain());
  EXPECT_EQ(TMainForm::FilmDatabaseDomain().find(u':'), std::u16string::npos) << "a domain, no port";

  f.Form().N1->Click();
  f.Form().K1->Click();
  ASSERT_EQ(f.opened.size(), 2u);
  EXPECT_EQ(f.opened[0].rfind(u"https://", 0), 0u) << "the portal over https";
  EXPECT_EQ(f.opened[1].rfind(u"http://", 0), 0u) << "the film database over http";
  EXPECT_NE(f.opened[1].find(TMainForm::FilmDatabaseDomain()), std::u16string::npos);
}

TEST(MainWindow, TheTrayMenuIsPaintedByTheSkin) {
  const skin::TSkinWindowSystemInstallation window_system;  // as at program start
  MainFormFixture f;
  const ui::TPopupMenu& menu = *f.Form().PopupMenu1;
  EXPECT_TRUE(menu.OwnerDraw) << "the menu made after the skin was selected is hooked too";
  EXPECT_FALSE(menu.MenuAnimation);
  for (const ui::TMenuItem* item : menu.Items()) {
    EXPECT_TRUE(item->OnMeasureItem && item->OnAdvancedDrawItem) << "the painter's handlers on each item";
  }
}

TEST(MainWindow, ExitEndsTheProgramFromTheHiddenStateAndRemovesTheTrayIcon) {
  MainFormFixture f;
  f.Form().Show();
  f.Form().Hide();
  bool asked = false;
  f.Form().OnCloseQuery = [&asked](ui::TObject&, bool&) { asked = true; };
  f.Form().D1->Click();
  EXPECT_TRUE(ui::Application().Terminated());
  EXPECT_FALSE(asked) << "closing is not consulted on the way out";
  f.DestroyForm();
  EXPECT_EQ(f.tray_calls, (std::vector<DWORD>{NIM_ADD, NIM_DELETE}));
}

TEST(MainWindow, LogOffIsAllowedAndTheEndOfTheSessionEndsTheProgram) {
  MainFormFixture f;
  f.Form().Show();
  EXPECT_EQ(SendMessageW(f.Window(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
  EXPECT_TRUE(IsWindowVisible(f.Window())) << "the query does not hide the window";
  EXPECT_FALSE(ui::Application().Terminated());

  SendMessageW(f.Window(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
  EXPECT_FALSE(ui::Application().Terminated()) << "a cancelled end of session changes nothing";
  EXPECT_EQ(f.tray_calls, std::vector<DWORD>{NIM_ADD});

  SendMessageW(f.Window(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  EXPECT_TRUE(ui::Application().Terminated());
  EXPECT_EQ(f.tray_calls, (std::vector<DWORD>{NIM_ADD, NIM_DELETE})) << "the icon goes before the process may end";
}

TEST(MainWindow, ReAddsTheTrayIconWhenTheTaskBarIsRecreated) {
  MainFormFixture f;
  SendMessageW(f.Form().TrayIcon1->Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_EQ(f.tray_calls, (std::vector<DWORD>{NIM_ADD, NIM_ADD}));
}

}  // namespace
}  // namespace vorlan::app
