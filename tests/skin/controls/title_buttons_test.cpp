#include <windows.h>
// (needs windows.h before it)
#include <windowsx.h>

#include <gtest/gtest.h>

#include "skin/controls/adapters/adapter_scroll.h"
#include "skin/controls/base/running_animations.h"
#include "skin/controls/core/hot_tracking.h"
#include "skin/controls/provider/window_system.h"
#include "skin/controls/skin_provider_fixture.h"
#include "skin/data/skin_commands.h"

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

// Visible windows of this thread, other than `except`, over a screen rectangle.
int VisibleWindowsOver(const RECT& screen, HWND except) {
  struct Search {
    RECT Area;
    HWND Except;
    int Found = 0;
  } search{screen, except};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM lparam) {
        auto& s = *reinterpret_cast<Search*>(lparam);
        RECT r{}, overlap{};
        GetWindowRect(window, &r);
        if (window != s.Except && IsWindowVisible(window) && IntersectRect(&overlap, &r, &s.Area)) ++s.Found;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

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

TEST(TitleButtons, LeavingTheWindowFromATitleButtonLeavesNoButtonHot) {
  struct Row {
    bool glowing, animation;
    const char* why;
  };
  const Row rows[] = {
      {false, true, "without glowing: no fade watches the mouse"},
      {true, false, "without animation: a one-step fade that watches nothing"},
  };
  for (const Row& r : rows) {
    ProviderFixture f;
    TSkinEffects effects = f.Manager().Effects();
    effects.AllowGlowing = r.glowing;
    effects.AllowAnimation = r.animation;
    f.Manager().SetEffects(effects);
    HoverClose(f);
    TSkinManager* manager = f.Provider().SkinData().SkinManager();
    EXPECT_EQ(ActiveControl(manager), f.Window()) << r.why << ": the form is the manager's hot control";
    ASSERT_EQ(f.Provider().ButtonClose.State, 1) << r.why;
    RECT outer{};
    GetWindowRect(f.Window(), &outer);
    const POINT away{GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1};
    ASSERT_FALSE(PtInRect(&outer, away));
    SetCursorPos(away.x, away.y);
    TimerCheckHot(manager);  // what the manager's timer does every 100 ms
    EXPECT_EQ(f.Provider().CurrentHT, 0) << r.why;
    EXPECT_EQ(f.Provider().ButtonClose.State, 0) << r.why;
    SetActiveControl(manager, nullptr);
  }
}

TEST(TitleButtons, MaximiseAndMinimiseActOnReleaseOverTheButton) {
  struct Row {
    std::int32_t code;
    bool releaseOver;
    const char* why;
  };
  const Row rows[] = {
      {kHtMaxButton, false, "maximise released over the caption: nothing"},
      {kHtMaxButton, true, "maximise released over it: maximised"},
      {kHtMinButton, false, "minimise released over the caption: nothing"},
      {kHtMinButton, true, "minimise released over it: minimised"},
  };
  for (const Row& r : rows) {
    ProviderFixture f(true, u"FORM", true);
    f.Form().Show();
    SetActiveWindow(f.Window());
    PumpMessages();
    TSkinCaptionButton* button = f.Provider().ButtonByCode(r.code);
    ASSERT_NE(button, nullptr);
    ASSERT_FALSE(IsRectEmpty(&button->Rect)) << r.why;
    const LPARAM on = At(f.Window(), Centre(button->Rect));
    ASSERT_EQ(SendMessageW(f.Window(), WM_NCHITTEST, 0, on), r.code) << r.why;
    SendMessageW(f.Window(), WM_NCLBUTTONDOWN, r.code, on);
    EXPECT_EQ(button->State, 2) << r.why;
    if (r.releaseOver) {
      SendMessageW(f.Window(), WM_NCLBUTTONUP, r.code, on);
    } else {
      SendMessageW(f.Window(), WM_NCLBUTTONUP, HTCAPTION, At(f.Window(), POINT{120, 12}));
    }
    PumpMessages();
    const bool acted = r.code == kHtMaxButton ? IsZoomed(f.Window()) : IsIconic(f.Window());
    EXPECT_EQ(acted, r.releaseOver) << r.why;
    EXPECT_FALSE(TSkinProvider::ButtonPressed()) << r.why;
    EXPECT_EQ(button->State, 0) << r.why;
  }
}

TEST(TitleButtons, AMissingButtonImageKeepsItsPlaceOf21By21) {
  struct Row {
    bool maxMissing;
    const char* why;
  };
  const Row rows[] = {{true, "no maximise image"}, {false, "no minimise image"}};
  for (const Row& r : rows) {
    ProviderFixture f(true, u"FORM", true);
    (r.maxMissing ? f.Manager().ConstData.MaskMaxBtn : f.Manager().ConstData.MaskMinBtn) = -1;
    f.Provider().PrepareForm();
    f.Provider().CalcItems();
    const RECT close = f.Provider().ButtonClose.Rect, max = f.Provider().ButtonMax.Rect,
               min = f.Provider().ButtonMin.Rect;
    const RECT missing = r.maxMissing ? max : min;
    EXPECT_EQ(missing.right - missing.left, 21) << r.why;
    EXPECT_EQ(missing.bottom - missing.top, 21) << r.why;
    const std::int32_t space = f.Manager().Skin.CommonSkinData.BISpacing;
    EXPECT_EQ(max.right, close.left - space) << r.why << ": maximise right of close";
    EXPECT_EQ(min.right, max.left - space) << r.why << ": minimise left of maximise";
    EXPECT_GT(min.right - min.left, 0) << r.why;
    f.Form().Show();
    PumpMessages();
    const std::int32_t code = r.maxMissing ? kHtMaxButton : kHtMinButton;
    EXPECT_EQ(SendMessageW(f.Window(), WM_NCHITTEST, 0, At(f.Window(), Centre(missing))), code)
        << r.why << ": it still answers as its button";
  }
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
  RECT closeOnScreen = f.Provider().ButtonClose.Rect;
  RECT outer{};
  GetWindowRect(f.Window(), &outer);
  OffsetRect(&closeOnScreen, outer.left, outer.top);
  SendMessageW(f.Window(), WM_NCLBUTTONDOWN, HTCLOSE, At(f.Window(), close));
  SendMessageW(f.Window(), WM_NCLBUTTONUP, HTCLOSE, At(f.Window(), close));
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(IsWindowVisible(f.Window()));
  EXPECT_EQ(VisibleWindowsOver(closeOnScreen, f.Window()), 0) << "no ghost of the button where the window was";

  // Shown again, the first hover fades the hot frame in from the start.
  const auto fade = HoverClose(f);
  ASSERT_NE(fade, nullptr);
  EXPECT_EQ(fade->ShownAlpha(), 25);
  fade->OnAnimTimer();
  EXPECT_EQ(fade->ShownAlpha(), 50);
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
  EXPECT_TRUE(close->Enabled());

  // The window's own system menu greys its close item: the skinned menu and
  // the close button follow it.
  const HMENU own = GetSystemMenu(f.Window(), FALSE);
  ASSERT_NE(own, nullptr);
  EnableMenuItem(own, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
  menu.Generate();
  ASSERT_NE(menu.Item(u"skIC"), nullptr);
  EXPECT_FALSE(menu.Item(u"skIC")->Enabled());
  const LPARAM onClose = At(f.Window(), Centre(f.Provider().ButtonClose.Rect));
  EXPECT_EQ(SendMessageW(f.Window(), WM_NCHITTEST, 0, onClose), HTCAPTION);
  EnableMenuItem(own, SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
  menu.Generate();
  close = menu.Item(u"skIC");
  ASSERT_NE(close, nullptr);
  EXPECT_TRUE(close->Enabled());
  EXPECT_EQ(SendMessageW(f.Window(), WM_NCHITTEST, 0, onClose), HTCLOSE);
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

TEST(TitleButtons, TheIconAsksThePreviousHandlerFirstAndWithPlatformMenusLetsWaitingWorkRun) {
  struct Row {
    bool updatingArrives;
    bool menuOpens;
    const char* why;
  };
  const Row rows[] = {
      {false, true, "the window's own system menu opens below the icon"},
      {true, false, "the form went updating during the pause: no menu"},
  };
  for (const Row& r : rows) {
    ProviderFixture f;
    f.Manager().SetSkinnedPopups(false);
    f.Form().Show();
    SetActiveWindow(f.Window());
    PumpMessages();
    int menus = 0;
    f.onPassed = [&](const ui::TMessage& m) {
      if (m.Msg != WM_ENTERMENULOOP) return;
      ++menus;
      PostMessageW(f.Window(), WM_CANCELMODE, 0, 0);  // closes the menu at once
    };
    if (r.updatingArrives) PostMessageW(f.Window(), SM_ALPHACMD, MakeSkinWParam(scSetUpdating, 1), 0);
    f.passed.clear();
    SendMessageW(f.Window(), WM_NCLBUTTONDOWN, HTSYSMENU, At(f.Window(), Centre(f.Provider().FIconRect)));
    const std::vector<ui::TMessage> downs = f.Passed(WM_NCLBUTTONDOWN);
    ASSERT_EQ(downs.size(), 1u) << r.why << ": the previous handler first";
    EXPECT_EQ(downs[0].WParam, static_cast<WPARAM>(HTSYSMENU)) << r.why;
    EXPECT_EQ(menus, r.menuOpens ? 1 : 0) << r.why;
    f.onPassed = nullptr;
  }
}

TEST(TitleButtons, RemovingTheSkinEndsATitleFadeAndLetsTheFormsScrollAdapterGo) {
  ProviderFixture f;
  HWND fadeWindow = nullptr;
  {
    const auto fade = HoverClose(f);
    ASSERT_NE(fade, nullptr);
    fadeWindow = fade->FadeWindow();
  }
  ASSERT_TRUE(IsWindow(fadeWindow));
  ASSERT_NE(f.Provider().ListSW, nullptr);
  EXPECT_EQ(TSkMainWnd::Of(f.Window()), f.Provider().ListSW.get());
  f.Manager().SetActive(false);
  SendMessageW(f.Window(), SM_ALPHACMD, MakeSkinWParam(scRemoveSkin), reinterpret_cast<LPARAM>(&f.Manager()));
  EXPECT_FALSE(IsWindow(fadeWindow)) << "the fade leaves with the skin";
  EXPECT_EQ(f.Provider().ButtonClose.Timer, nullptr);
  EXPECT_EQ(TSkMainWnd::Of(f.Window()), nullptr) << "the form's scroll adapter is out of the window's chain";
  PumpMessages();
  EXPECT_EQ(f.Provider().ListSW, nullptr) << "and freed";
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
