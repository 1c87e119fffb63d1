#include <windows.h>
// (needs windows.h before it)
#include <windowsx.h>

#include <gtest/gtest.h>

#include "skin/controls/base/running_animations.h"
#include "skin/controls/provider/window_system.h"
#include "skin/controls/skin_provider_fixture.h"

namespace vorlan::skin {
namespace {

using test::ProviderFixture;
using test::PumpMessages;

// Screen point of a window point.
LPARAM At(HWND window, POINT p) {
  RECT outer{};
  GetWindowRect(window, &outer);
  return MAKELPARAM(outer.left + p.x, outer.top + p.y);
}

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// Shows the form and moves the mouse onto its close button: the button's
// fade to the hot look starts.
std::shared_ptr<TSkSBAnimation> HoverClose(ProviderFixture& f) {
  f.Form().Show();
  SetActiveWindow(f.Window());
  PumpMessages();
  const POINT close = Centre(f.Provider().ButtonClose.Rect);
  const LPARAM over = At(f.Window(), close);
  // The top of the fade checks that the mouse is still over the button.
  SetCursorPos(GET_X_LPARAM(over), GET_Y_LPARAM(over));
  SendMessageW(f.Window(), WM_NCMOUSEMOVE, HTCLOSE, over);
  EXPECT_EQ(f.Provider().CurrentHT, kHtClose);
  return f.Provider().ButtonClose.Timer;
}

TEST(TitleButtons, CloseFadesInAndOutTickByTick) {
  ProviderFixture f;
  const auto fade = HoverClose(f);
  ASSERT_NE(fade, nullptr);
  EXPECT_EQ(fade->ShownAlpha(), 25) << "alpha 25 at once";
  EXPECT_TRUE(fade->TimerRunning());
  for (int tick = 1; tick <= 8; ++tick) {
    fade->OnAnimTimer();
    EXPECT_EQ(fade->ShownAlpha(), 25 + 25 * tick) << "tick " << tick;
  }
  fade->OnAnimTimer();
  EXPECT_EQ(fade->ShownAlpha(), 255) << "the ninth tick";

  f.Provider().SetHotHT(0, true);
  for (int tick = 0; tick < 10; ++tick) {
    fade->OnAnimTimer();
    EXPECT_EQ(fade->ShownAlpha(), 250 - 25 * tick) << "fade-out tick " << tick;
  }
  EXPECT_NE(fade->FadeWindow(), nullptr);
  fade->OnAnimTimer();
  EXPECT_EQ(fade->FadeWindow(), nullptr) << "the fade window goes after ten ticks out";
  EXPECT_FALSE(fade->TimerRunning());

  f.Provider().SetHotHT(kHtClose, true);
  ASSERT_NE(fade->FadeWindow(), nullptr) << "a later hover makes its fade window at once: no tick creates one";
  EXPECT_FALSE(IsWindowVisible(fade->FadeWindow())) << "the tick shows it";
  fade->OnAnimTimer();
  EXPECT_EQ(fade->ShownAlpha(), 255) << "a later hover shows the hot frame on the first tick";
  EXPECT_TRUE(IsWindowVisible(fade->FadeWindow()));
}

TEST(TitleButtons, TheEndOfTheSessionLetsAFadePlayOutFirst) {
  ProviderFixture f;
  const auto fade = HoverClose(f);
  ASSERT_NE(fade, nullptr);
  ASSERT_TRUE(fade->Playing());
  EXPECT_FALSE(SystemEnding());
  SendMessageW(f.Window(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
  EXPECT_TRUE(SystemEnding());
  EXPECT_EQ(fade->ShownAlpha(), 255) << "the fade reached the hot look before the answer";
  EXPECT_FALSE(fade->Playing()) << "at the hot look the timer only watches the mouse";
  SendMessageW(f.Window(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
  EXPECT_FALSE(SystemEnding()) << "another program refused: the session goes on";
}

TEST(TitleButtons, WithoutAnimationHotAndNormalAppearAtOnce) {
  ProviderFixture f;
  TSkinEffects effects = f.Manager().Effects();
  effects.AllowAnimation = false;
  f.Manager().SetEffects(effects);
  f.Form().Show();
  PumpMessages();
  f.Provider().SetHotHT(kHtClose, true);
  const auto fade = f.Provider().ButtonClose.Timer;
  ASSERT_NE(fade, nullptr);
  EXPECT_EQ(fade->ShownAlpha(), 255);
  EXPECT_FALSE(fade->TimerRunning());
  f.Provider().SetHotHT(0, true);
  EXPECT_EQ(fade->FadeWindow(), nullptr) << "normal again at once";
}

// Closing hides the form, as on the program's window; `closes` counts the requests.
void HideOnClose(ProviderFixture& f, int& closes) {
  f.Form().OnCloseQuery = [&f, &closes](ui::TObject&, bool& can_close) {
    ++closes;
    can_close = false;
    f.Form().Hide();
  };
}

TEST(TitleButtons, ReleaseOutsideDoesNothingReleaseOnTheButtonCloses) {
  ProviderFixture f;
  int closes = 0;
  HideOnClose(f, closes);
  f.Form().Show();
  PumpMessages();
  const POINT close = Centre(f.Provider().ButtonClose.Rect);
  SendMessageW(f.Window(), WM_NCLBUTTONDOWN, HTCLOSE, At(f.Window(), close));
  EXPECT_EQ(f.Provider().ButtonClose.State, 2);
  EXPECT_TRUE(TSkinProvider::ButtonPressed());
  SendMessageW(f.Window(), WM_NCLBUTTONUP, HTCAPTION, At(f.Window(), POINT{120, 12}));
  EXPECT_EQ(closes, 0) << "released over the caption";
  EXPECT_FALSE(TSkinProvider::ButtonPressed());
  EXPECT_EQ(f.Provider().ButtonClose.State, 0);
  EXPECT_TRUE(IsWindowVisible(f.Window()));
  SendMessageW(f.Window(), WM_NCLBUTTONDOWN, HTCLOSE, At(f.Window(), close));
  SendMessageW(f.Window(), WM_NCLBUTTONUP, HTCLOSE, At(f.Window(), close));
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(IsWindowVisible(f.Window()));
}

TEST(TitleButtons, DoubleClicksAndTheSystemMenusClose) {
  ProviderFixture f;
  int closes = 0;
  HideOnClose(f, closes);
  f.Form().Show();
  PumpMessages();
  RECT before{};
  GetWindowRect(f.Window(), &before);
  SendMessageW(f.Window(), WM_NCLBUTTONDBLCLK, HTCAPTION, At(f.Window(), POINT{120, 12}));
  RECT after{};
  GetWindowRect(f.Window(), &after);
  EXPECT_TRUE(EqualRect(&before, &after)) << "a double click on the caption does nothing";
  EXPECT_EQ(closes, 0);

  TSkinSystemMenu& menu = *f.Provider().SystemMenu;
  menu.Generate();
  ASSERT_NE(menu.Item(u"skIR"), nullptr);
  EXPECT_FALSE(menu.Item(u"skIR")->Enabled()) << "restore shown but disabled";
  EXPECT_NE(menu.Item(u"skIM"), nullptr);
  EXPECT_EQ(menu.Item(u"skIX"), nullptr) << "no maximize on the main window";
  EXPECT_EQ(menu.Item(u"skIN"), nullptr);
  ui::TMenuItem* close = menu.Item(u"skIC");
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(menu.Menu().Name().rfind(u"skSysMenu", 0), 0u);
  close->Click();
  EXPECT_EQ(closes, 1) << "Close sends SC_CLOSE";
  EXPECT_FALSE(IsWindowVisible(f.Window()));

  f.Form().Show();
  PumpMessages();
  SendMessageW(f.Window(), WM_NCLBUTTONDBLCLK, HTSYSMENU, At(f.Window(), POINT{15, 12}));
  EXPECT_EQ(closes, 2) << "a double click on the icon closes";
  EXPECT_FALSE(IsWindowVisible(f.Window()));
}

TEST(TitleButtons, TheManagersBroadcastsReachTheRegisteredForm) {
  TSkinWindowSystemInstallation installation;
  ProviderFixture f;
  f.Form().Show();
  PumpMessages();
  ASSERT_TRUE(f.Provider().SkinData().Skinned());
  f.Manager().SetActive(false);
  EXPECT_TRUE(GetWindowLongPtrW(f.Window(), GWL_STYLE) & WS_SYSMENU) << "handed back to the system";
  EXPECT_EQ(f.Cache(), nullptr);
  f.Manager().SetActive(true);
  PumpMessages();
  EXPECT_TRUE(f.Provider().SkinData().Skinned());
  EXPECT_FALSE(GetWindowLongPtrW(f.Window(), GWL_STYLE) & WS_SYSMENU) << "skinned again";
}

}  // namespace
}  // namespace vorlan::skin
