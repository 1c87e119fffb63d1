#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "live_handles.h"
#include "skin/controls/provider/desktop_manager.h"
#include "skin/controls/provider/window_animation.h"
#include "skin/controls/provider/window_system.h"
#include "skin/controls/widgets/skin_panel.h"
#include "skin/data/skin_commands.h"
#include "skin_provider_fixture.h"

namespace vorlan::skin::test {
namespace {

// Every update of an effect window while it lives.
class EffectRecorder {
 public:
  EffectRecorder()
      : previous_(SetEffectObserver([this](const TEffectUpdate& u) {
          updates.push_back({u.Window, u.Hiding, u.Step, u.Alpha, nullptr});
          pictures.push_back(u.Picture->Clone());
        })) {}
  ~EffectRecorder() { SetEffectObserver(previous_); }
  std::vector<TEffectUpdate> Of(bool hiding) const {
    std::vector<TEffectUpdate> out;
    for (const TEffectUpdate& u : updates)
      if (u.Hiding == hiding) out.push_back(u);
    return out;
  }
  std::vector<TEffectUpdate> updates;
  std::vector<paint::TBitmap32> pictures;

 private:
  TEffectObserver previous_;
};

void SetTimes(TSkinManager& manager, std::uint16_t show, std::uint16_t hide, TSkAnimType mode = atFading) {
  TSkAnimEffects effects = manager.AnimEffects();
  effects.FormShow.Time = show;
  effects.FormShow.Mode = mode;
  effects.FormHide.Time = hide;
  effects.FormHide.Mode = mode;
  manager.SetAnimEffects(effects);
}

// Ticks the hide timer the way its message timer would, without waiting.
int TickHideToEnd() {
  int ticks = 0;
  while (HideAnimationRunning() && ticks < 1000) {
    HideTimer().Tick();
    ++ticks;
  }
  return ticks;
}

bool SamePixels(const paint::TBitmap32& a, const paint::TBitmap32& b) {
  if (a.Size() != b.Size()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Row(y)[x] != b.Row(y)[x]) return false;
  return true;
}

TEST(WindowEffects, HideOfShortTimesShowsNothingAndFreesTheSnapshot) {
  ProviderFixture f;
  for (const std::uint32_t ms : {0u, 9u}) {
    EffectRecorder recorder;
    platform::UniqueWindow window = CreateEffectWindow(RECT{10, 10, 60, 40}, HWND_TOPMOST);
    const HWND handle = window.get();
    ASSERT_TRUE(IsWindow(handle));
    StartHideAnimation(std::move(window), std::make_unique<paint::TBitmap32>(50, 30), ms, f.Window(), atFading, 255);
    EXPECT_TRUE(recorder.updates.empty()) << ms << " ms";
    EXPECT_FALSE(IsWindow(handle)) << ms << " ms: the snapshot window is freed at once";
    EXPECT_FALSE(HideAnimationRunning()) << ms << " ms";
  }
}

TEST(WindowEffects, HideOf200MsTakesTwentyTicksAfterItsFirstStep) {
  ProviderFixture f;
  int events = 0;
  f.Provider().OnAfterAnimation = [&](TSkinProvider&) { ++events; };
  EffectRecorder recorder;
  platform::UniqueWindow window = CreateEffectWindow(RECT{10, 10, 60, 40}, HWND_TOPMOST);
  const HWND handle = window.get();
  StartHideAnimation(std::move(window), std::make_unique<paint::TBitmap32>(50, 30), 200, f.Window(), atAero, 255);
  ASSERT_EQ(recorder.updates.size(), 1u) << "the first step runs at once";
  EXPECT_TRUE(HideTimer().Enabled()) << "the timer does the rest";
  EXPECT_EQ(HideTimer().Interval(), 10u);
  EXPECT_EQ(TickHideToEnd(), 20);
  const auto updates = recorder.Of(true);
  ASSERT_EQ(updates.size(), 21u);
  EXPECT_EQ(updates.front().Alpha, 242);
  EXPECT_EQ(updates.back().Alpha, 0);
  EXPECT_EQ(updates.back().Step, 20);
  EXPECT_FALSE(IsWindow(handle)) << "freed after the last step";
  EXPECT_EQ(events, 1) << "the form's provider hears the end once";
  HideTimer().Tick();
  EXPECT_EQ(recorder.updates.size(), 21u) << "a parked timer does nothing";
  EXPECT_EQ(events, 1);
}

TEST(WindowEffects, ShowOfShortTimesShowsTheCompletePictureAtOnce) {
  for (const std::uint16_t ms : {0, 9}) {
    ProviderFixture f;
    SetTimes(f.Manager(), ms, 0, atAero);
    EffectRecorder recorder;
    f.Form().Show();
    const auto updates = recorder.Of(false);
    ASSERT_EQ(updates.size(), 1u) << ms << " ms: no intermediate frames";
    EXPECT_EQ(updates[0].Alpha, 255) << ms;
    EXPECT_EQ(updates[0].Step, -1) << ms;
    EXPECT_TRUE(SamePixels(recorder.pictures[0], f.Provider().WholeWindowImage()))
        << ms << " ms: the whole picture, not an aero frame";
    EXPECT_FALSE(IsWindow(updates[0].Window)) << ms << " ms: the temporary window is gone";
    EXPECT_TRUE(IsWindowVisible(f.Window()));
    EXPECT_FALSE(GetWindowLongPtrW(f.Window(), GWL_EXSTYLE) & WS_EX_LAYERED) << ms;
  }
}

TEST(WindowEffects, ShowOf200MsUpdatesTwentyOneStepsWithRisingAlpha) {
  ProviderFixture f;
  SetTimes(f.Manager(), 200, 0);
  EffectRecorder recorder;
  f.Form().Show();
  const auto updates = recorder.Of(false);
  ASSERT_EQ(updates.size(), 22u) << "the picture at alpha 0, then i = 0 .. 20";
  EXPECT_EQ(updates[0].Step, -1);
  EXPECT_EQ(updates[0].Alpha, 0);
  for (std::size_t i = 1; i < updates.size(); ++i) {
    EXPECT_EQ(updates[i].Step, static_cast<std::int32_t>(i - 1));
    EXPECT_GE(updates[i].Alpha, updates[i - 1].Alpha) << i;
  }
  EXPECT_EQ(updates.back().Alpha, 255);
  EXPECT_TRUE(IsWindowVisible(f.Window()));
}

TEST(WindowEffects, RepeatedHideAndShowNeverShowsAStalePicture) {
  ProviderFixture f;
  auto& panel = f.Form().Add<TSkinPanel>();
  panel.SetParent(&f.Form());
  panel.SetBounds(0, 0, 60, 60);
  SetTimes(f.Manager(), 0, 200);
  f.Form().Show();
  PumpMessages();
  for (int round = 0; round < 3; ++round) {
    EffectRecorder recorder;
    f.Form().Hide();
    const auto hides = recorder.Of(true);
    ASSERT_EQ(hides.size(), 1u) << round << ": the hide effect started";
    EXPECT_EQ(f.Cache(), nullptr) << round << ": hidden, the picture is given up";
    // The new look the next showing must show: the panel elsewhere.
    panel.SetBounds(70 * (round % 2 ? 0 : 1), 40 * (round % 2 ? 0 : 1), 60, 60);
    f.Form().Show();
    EXPECT_FALSE(HideAnimationRunning()) << round;
    EXPECT_FALSE(IsWindow(hides[0].Window)) << round << ": the last hiding's snapshot is off the screen";
    const auto shows = recorder.Of(false);
    ASSERT_EQ(shows.size(), 1u) << round;
    const paint::TBitmap32 now = f.Provider().WholeWindowImage();
    EXPECT_TRUE(SamePixels(recorder.pictures.back(), now)) << round << ": the show effect shows the new look";
    EXPECT_FALSE(SamePixels(recorder.pictures.front(), now)) << round << ": not the picture the hiding took";
    PumpMessages();
  }
}

TEST(WindowEffects, SkinCommandsOfAnotherManagerChangeNothingButRemovalReachesChildren) {
  ProviderFixture f;
  auto& panel = f.Form().Add<TSkinPanel>();
  panel.SetParent(&f.Form());
  panel.SetBounds(0, 0, 50, 50);
  f.Form().Show();
  PumpMessages();
  std::vector<unsigned> panelCommands;
  const ui::TChainLink recorder = panel.WindowProc().Add([&](ui::TMessage& m, const ui::TPassOn& pass_on) {
    if (m.Msg == SM_ALPHACMD) panelCommands.push_back(HIWORD(static_cast<DWORD>(m.WParam)));
    pass_on(m);
  });
  TSkinManager other;
  const auto before = f.Provider().CacheBuilds();
  const LONG_PTR style = GetWindowLongPtrW(f.Window(), GWL_STYLE);
  for (const TSkinCommand command : {scPrepareSkin, scRefreshSkin, scRemoveSkin}) {
    SendMessageW(f.Window(), SM_ALPHACMD, MakeSkinWParam(command), reinterpret_cast<LPARAM>(&other));
    PumpMessages();
    EXPECT_FALSE(f.Provider().SkinData().BGChanged) << command;
    ASSERT_NE(f.Cache(), nullptr) << command;
    EXPECT_EQ(f.Provider().CacheBuilds(), before) << command;
    EXPECT_EQ(GetWindowLongPtrW(f.Window(), GWL_STYLE), style) << command;
    EXPECT_TRUE(f.Provider().SkinData().Skinned()) << command;
  }
  EXPECT_EQ(std::count(panelCommands.begin(), panelCommands.end(), scRemoveSkin), 1)
      << "the removal still reaches the children";
}

TEST(WindowEffects, ClientOffsetAndBorderWidthOfTheMainWindowShape) {
  ProviderFixture f;
  f.Form().Show();
  PumpMessages();
  // The window's frame as this system measures it ((8, 30) and 8 on a
  // desktop with the usual metrics).
  RECT outer{}, client{};
  GetWindowRect(f.Window(), &outer);
  GetClientRect(f.Window(), &client);
  POINT origin{0, 0};
  ClientToScreen(f.Window(), &origin);
  const LRESULT offset = SendMessageW(f.Window(), SM_ALPHACMD, MakeSkinWParam(static_cast<TSkinCommand>(61)), 0);
  EXPECT_EQ(LOWORD(offset), origin.x - outer.left);
  EXPECT_EQ(HIWORD(offset), origin.y - outer.top);
  const int edge = (outer.right - outer.left - client.right) / 2;
  ASSERT_GT(edge, 0);
  EXPECT_NE(edge, 5);
  EXPECT_EQ(SendMessageW(f.Window(), SM_ALPHACMD, MakeSkinWParam(static_cast<TSkinCommand>(68)), 5), edge)
      << "half of what the frame takes across, not the default";
}

TEST(WindowEffects, RemovingTheSkinAtRunTimeAndApplyingItAgain) {
  const TSkinWindowSystemInstallation installation;  // the manager's broadcasts reach the form
  ProviderFixture f;
  f.Form().Show();
  PumpMessages();
  ASSERT_FALSE(GetWindowLongPtrW(f.Window(), GWL_STYLE) & WS_SYSMENU);

  f.Manager().SetActive(false);
  PumpMessages();
  EXPECT_FALSE(f.Provider().SkinData().Skinned());
  EXPECT_EQ(f.Cache(), nullptr);
  EXPECT_TRUE(GetWindowLongPtrW(f.Window(), GWL_STYLE) & WS_SYSMENU) << "the system's title buttons are back";
  f.passed.clear();
  RedrawWindow(f.Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_FALSE(f.Passed(WM_NCPAINT).empty()) << "the system draws the frame";

  f.Manager().SetActive(true);
  PumpMessages();
  EXPECT_TRUE(f.Provider().SkinData().Skinned());
  EXPECT_FALSE(GetWindowLongPtrW(f.Window(), GWL_STYLE) & WS_SYSMENU);
  f.passed.clear();
  RedrawWindow(f.Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_TRUE(f.Passed(WM_NCPAINT).empty()) << "the skin draws the frame again";
  ASSERT_NE(f.Cache(), nullptr);
  const TFrameGeometry g = f.Provider().Geometry();
  EXPECT_EQ(f.Cache()->Width(), g.W);
}

// Stands in for the desktop manager while it lives: composing or not, and
// recording what it is told.
class DesktopManagerStandIn {
 public:
  explicit DesktopManagerStandIn(bool composing)
      : previous_(SetDesktopManagerCalls({[composing] { return composing; },
                                          [this](HWND window, DWORD attribute, BOOL value) {
                                            told.push_back({window, attribute, value});
                                          }})) {}
  ~DesktopManagerStandIn() { SetDesktopManagerCalls(previous_); }
  struct Told {
    HWND Window;
    DWORD Attribute;
    BOOL Value;
  };
  std::vector<Told> told;

 private:
  TDesktopManagerCalls previous_;
};

TEST(WindowEffects, TheDesktopKeepsItsTransitionsOffTheSkinnedFormUntilTheSkinGoes) {
  struct Row {
    bool composing;
    std::vector<BOOL> disabled;  // the transitions attribute as told, in order
    const char* why;
  };
  const Row rows[] = {
      {true, {TRUE, TRUE, FALSE}, "composing: off when loaded and when shown, on again when the skin goes"},
      {false, {}, "no composition: nothing to tell"},
  };
  for (const Row& r : rows) {
    DesktopManagerStandIn desktop(r.composing);
    ProviderFixture f;
    f.Form().Show();
    PumpMessages();
    f.Manager().SetActive(false);
    SendMessageW(f.Window(), SM_ALPHACMD, MakeSkinWParam(scRemoveSkin), reinterpret_cast<LPARAM>(&f.Manager()));
    std::vector<BOOL> values;
    for (const DesktopManagerStandIn::Told& t : desktop.told) {
      EXPECT_EQ(t.Window, f.Window()) << r.why;
      EXPECT_EQ(t.Attribute, kDwmTransitionsForceDisabled) << r.why;
      values.push_back(t.Value);
    }
    EXPECT_EQ(values, r.disabled) << r.why;
  }
}

TEST(WindowEffects, TwentyHideAndShowCyclesLeaveNoHandlesBehind) {
  ProviderFixture f;
  SetTimes(f.Manager(), 20, 30);
  const auto cycle = [&](int i) {
    f.Form().Show();
    PumpMessages();
    f.Form().Hide();
    // Half of the hidings end by their ticks, half by the next showing.
    if (i % 2) TickHideToEnd();
  };
  cycle(1);
  cycle(0);
  const std::size_t gdi = LiveGdiObjects();
  const std::size_t user = LiveUserObjects();
  for (int i = 0; i < 20; ++i) cycle(i);
  f.Form().Show();
  PumpMessages();
  f.Form().Hide();
  TickHideToEnd();
  EXPECT_LE(LiveGdiObjects(), gdi);
  EXPECT_LE(LiveUserObjects(), user);
}

}  // namespace
}  // namespace vorlan::skin::test
