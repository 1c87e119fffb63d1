#include <gtest/gtest.h>

#include <functional>

#include "skin/controls/effects/glow.h"
#include "skin_button_fixture.h"

namespace vorlan::skin::test {
namespace {

bool Same(const paint::TBitmap32& a, const paint::TBitmap32& b) {
  if (a.Size() != b.Size()) return false;
  for (std::int32_t y = 0; y < a.Height(); ++y) {
    for (std::int32_t x = 0; x < a.Width(); ++x) {
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    }
  }
  return true;
}

using ButtonFade = ButtonFixture;

TEST_F(ButtonFade, HoverFadesToTheHotPictureTickByTickAndLeavingFadesBack) {
  GiveTheButtonAGlow();
  TSkinButton& b = MakeButton(90, 26, u"Search");
  Show();
  SetFocus(panel->Handle());  // a focused button is hot already
  ASSERT_EQ(b.CurrentState(), kButtonNormal);
  const paint::TBitmap32 normal = Picture().Clone();
  TSkinCommonData& d = b.SkinData();

  MoveMouse(b, 10, 10);
  ASSERT_TRUE(AnimationRunning(d));
  TSkThreadedTimer& t = *d.AnimTimer;
  ASSERT_TRUE(t.BmpFrom && t.BmpTo && t.BmpOut);
  EXPECT_TRUE(Same(*t.BmpFrom, normal)) << "the old picture is the normal look";
  EXPECT_FALSE(Same(*t.BmpTo, normal)) << "the new picture is the hot look";
  ASSERT_GE(d.GlowID, 0);
  EXPECT_EQ(GlowEffect(d.GlowID)->Alpha, 26) << "the glow follows the first frame at once";

  int ticks = 0;
  while (!Same(*t.BmpOut, *t.BmpTo) && ticks < 30) {
    EXPECT_TRUE(AnimationRunning(d));
    t.Tick();
    ++ticks;
  }
  EXPECT_EQ(ticks, 9) << "the hot picture is reached at the ninth tick";
  EXPECT_EQ(GlowEffect(d.GlowID)->Alpha, 255);
  t.Tick();
  EXPECT_FALSE(AnimationRunning(d)) << "the tenth tick ends the fade";
  const paint::TBitmap32 hot = t.BmpTo->Clone();
  EXPECT_TRUE(Same(Picture(), hot)) << "after the fade the cache holds the hot look";
  EXPECT_GE(d.GlowID, 0) << "the glow stays while the mouse is over";

  MoveMouse(*panel, 200, 90);
  ASSERT_TRUE(AnimationRunning(d));
  EXPECT_TRUE(Same(*d.AnimTimer->BmpFrom, hot));
  EXPECT_TRUE(Same(*d.AnimTimer->BmpTo, normal));
  ticks = 0;
  while (AnimationRunning(d) && ticks < 50) {
    d.AnimTimer->Tick();
    ++ticks;
  }
  EXPECT_EQ(ticks, 20);
  EXPECT_FALSE(d.AnimTimer) << "a finished return frees the animation";
  EXPECT_EQ(d.GlowID, -1);
  EXPECT_EQ(LiveGlowCount(), 0u);
}

TEST_F(ButtonFade, TurningRoundMidWayStartsFromTheFrameShownAndAnimationsCanBeSwitchedOff) {
  TSkinButton& b = MakeButton(90, 26, u"Search");
  Show();
  SetFocus(panel->Handle());  // a focused button is hot already
  ASSERT_EQ(b.CurrentState(), kButtonNormal);
  const paint::TBitmap32 normal = Picture().Clone();
  TSkinCommonData& d = b.SkinData();
  MoveMouse(b, 10, 10);
  for (int i = 0; i < 4; ++i) d.AnimTimer->Tick();
  ASSERT_DOUBLE_EQ(d.AnimTimer->Glow, 127.5);
  MoveMouse(*panel, 200, 90);
  ASSERT_TRUE(AnimationRunning(d));
  EXPECT_EQ(d.AnimTimer->Iteration, 10);
  EXPECT_EQ(d.AnimTimer->Iterations, 20);
  int ticks = 0;
  while (AnimationRunning(d) && ticks < 50) {
    d.AnimTimer->Tick();
    ++ticks;
  }
  EXPECT_EQ(ticks, 19) << "20 frames: the first at once";
  EXPECT_TRUE(Same(Picture(), normal));

  // Without the manager's animations the picture changes at once.
  TSkinEffects effects = skin.manager.Effects();
  effects.AllowAnimation = false;
  skin.manager.SetEffects(effects);
  MoveMouse(b, 10, 10);
  EXPECT_FALSE(AnimationRunning(d));
  EXPECT_FALSE(Same(Picture(), normal));
}

TEST_F(ButtonFade, HidingTheGlowAtOnceEndsTheFadeAsMovingDisablingOrANewSectionDo) {
  GiveTheButtonAGlow();
  skin.Section(u"OTHERBUTTON", kStateColor[1]);
  struct Row {
    const char* why;
    std::function<void(TSkinButton&)> change;
    std::size_t look;  // what the button shows afterwards
  } rows[] = {
      {"its glow hidden at once", [](TSkinButton& b) { HideGlow(b.SkinData().GlowID, false); }, kButtonHot},
      {"moved", [](TSkinButton& b) { b.SetBounds(b.Left() + 5, b.Top(), b.Width(), b.Height()); }, kButtonHot},
      {"disabled", [](TSkinButton& b) { b.SetEnabled(false); }, kButtonNormal},
      {"another section", [](TSkinButton& b) { b.SkinData().SetSkinSection(u"OTHERBUTTON"); }, kButtonHot},
  };
  for (const Row& r : rows) {
    TSkinButton& b = MakeButton(90, 26, u"Search");
    Show();
    SetFocus(panel->Handle());
    UpdateWindow(b.Handle());
    ASSERT_EQ(OnScreen(3, 3), Look(kButtonNormal)) << r.why;
    MoveMouse(b, 10, 10);
    ASSERT_TRUE(AnimationRunning(b.SkinData())) << r.why;
    ASSERT_EQ(LiveGlowCount(), 1u) << r.why;
    PumpMessages();
    b.SkinData().AnimTimer->Tick();
    ValidateRect(b.Handle(), nullptr);  // what the screen shows is a frame of the fade
    r.change(b);
    EXPECT_EQ(LiveGlowCount(), 0u) << r.why;
    EXPECT_FALSE(AnimationRunning(b.SkinData())) << r.why << ": no fade left running";
    if (r.look == kButtonNormal) continue;  // disabled: blended over the panel
    // No frame of the cut fade may stay: the present look shows, or is due.
    const bool due = GetUpdateRect(b.Handle(), nullptr, FALSE) != FALSE;
    EXPECT_TRUE(due || OnScreen(3, 3) == Look(r.look)) << r.why;
    UpdateWindow(b.Handle());
    EXPECT_EQ(OnScreen(3, 3), Look(r.look)) << r.why;
  }
}

}  // namespace
}  // namespace vorlan::skin::test
