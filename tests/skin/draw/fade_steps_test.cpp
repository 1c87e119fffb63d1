#include "skin/draw/fade_steps.h"

#include <gtest/gtest.h>

#include <vector>

#include "draw_test_support.h"

namespace vorlan::skin::test {
namespace {

// A request towards `target` the way a control makes it: a new timer starts
// from its initial level, a running one hands over its start iteration.
void Request(TSkFadeSteps& t, bool fresh, std::int32_t target, bool fast = false, bool hasOut = false) {
  if (fresh) t.Glow = TSkFadeSteps::InitialGlow(target);
  const std::int32_t start = TSkFadeSteps::StartIterationFor(fresh ? nullptr : &t);
  t.Init(start, fast, target, hasOut);
}

struct TRun {
  int Ticks = 0;                     // timer ticks after the first frame, which runs at once
  std::vector<std::int32_t> Levels;  // every frame's level
  bool GlowEnded = false;
};

// Runs a picture fade to its end the way the timer does: the first frame at
// once, then one frame per tick; a tick past the last iteration stops.
TRun RunPicture(TSkFadeSteps& t, int maxTicks = 1000) {
  TRun run;
  TSkFadeFrame f = t.PictureFrame();
  run.Levels.push_back(f.Level);
  run.GlowEnded = f.GlowEnds;
  while (f.Continues && run.Ticks < maxTicks) {
    ++run.Ticks;
    if (!t.Advance()) break;
    f = t.PictureFrame();
    run.Levels.push_back(f.Level);
    run.GlowEnded = run.GlowEnded || f.GlowEnds;
  }
  return run;
}

TEST(FadeSteps, FreshRunsTakeTheirTicksAndReachTheirEnd) {
  struct Row {
    std::int32_t target;
    bool fast;
    std::int32_t iterations;
    double step;
    int ticks;
    std::int32_t lastLevel;
    const char* why;
  } rows[] = {
      {kFadeToHot, false, 10, 25.5, 10, 255, "to hot: 10 ticks of 25.5, ends fully hot"},
      {kFadeToHot, true, 10, 25.5, 10, 255, "fast does not shorten a fresh hot fade: its length comes from the level"},
      {kFadeToNormal, false, 20, 12.75, 20, 0, "back to normal: 20 ticks of 12.75 from fully hot"},
      {kFadeToNormal, true, 10, 25.5, 10, 0, "fast return: half the ticks, twice the step"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.why);
    TSkFadeSteps t;
    Request(t, true, r.target, r.fast);
    EXPECT_EQ(t.Iterations, r.iterations);
    EXPECT_DOUBLE_EQ(t.GlowStep, r.step);
    EXPECT_DOUBLE_EQ(t.ValueStep, 255.0 / r.iterations);
    EXPECT_EQ(t.Iteration, 0);
    EXPECT_EQ(t.State, r.target);
    EXPECT_EQ(t.OldState, kFadeIdle);
    const TRun run = RunPicture(t);
    EXPECT_EQ(run.Ticks, r.ticks);
    EXPECT_EQ(run.Levels.back(), r.lastLevel);
    // The level moves one way only.
    for (std::size_t i = 1; i < run.Levels.size(); ++i) {
      const bool rising = run.Levels[i] >= run.Levels[i - 1];
      const bool falling = run.Levels[i] <= run.Levels[i - 1];
      EXPECT_TRUE(r.target == kFadeToHot ? rising : falling) << "frame " << i;
    }
    EXPECT_EQ(run.GlowEnded, r.target == kFadeToNormal) << "only a fade to normal ends the glow";
  }
}

TEST(FadeSteps, HotFadeLevelsFollowTheStepWithHalvesToEven) {
  TSkFadeSteps t;
  Request(t, true, kFadeToHot);
  const TRun run = RunPicture(t);
  // 25.5 → 26 (half to even), 51, 76.5 → 76, 102, 127.5 → 128, ...
  const std::vector<std::int32_t> expected{26, 51, 76, 102, 128, 153, 178, 204, 230, 255, 255};
  EXPECT_EQ(run.Levels, expected);
}

TEST(FadeSteps, TurningRoundMidWayContinuesFromTheCurrentLevel) {
  TSkFadeSteps t;
  Request(t, true, kFadeToHot);
  // The first frame and four ticks: half-way.
  t.PictureFrame();
  for (int i = 0; i < 4; ++i) {
    ASSERT_TRUE(t.Advance());
    t.PictureFrame();
  }
  ASSERT_DOUBLE_EQ(t.Glow, 127.5);
  ASSERT_EQ(t.Iteration, 4);
  EXPECT_EQ(TSkFadeSteps::StartIterationFor(&t), 6);

  Request(t, false, kFadeToNormal, false, true);
  EXPECT_EQ(t.Iterations, 20);
  EXPECT_DOUBLE_EQ(t.GlowStep, 6.375);
  EXPECT_EQ(t.Iteration, 10) << "half the level gone: half of the 20 iterations done";
  EXPECT_EQ(t.OldState, kFadeToHot);
  const TRun back = RunPicture(t);
  EXPECT_EQ(back.Levels.size(), 20u) << "the level drains in 20 frames of 6.375";
  EXPECT_EQ(back.Levels.front(), 121) << "no jump: the first frame is one step below 127.5";
  EXPECT_EQ(back.Levels.back(), 0) << "the picture ends fully in the normal look";
  EXPECT_TRUE(back.GlowEnded);
}

TEST(FadeSteps, TurningARunningReturnBackToHotReachesFullLevel) {
  // Back to normal from fully hot, 10 of its 20 ticks done (Glow 127.5),
  // then hot again: the remaining five steps must carry the level to 255.
  TSkFadeSteps t;
  Request(t, true, kFadeToNormal);
  t.PictureFrame();
  for (int i = 0; i < 9; ++i) {
    ASSERT_TRUE(t.Advance());
    t.PictureFrame();
  }
  ASSERT_DOUBLE_EQ(t.Glow, 127.5);
  Request(t, false, kFadeToHot, false, true);
  EXPECT_EQ(t.Iterations, 5);
  EXPECT_DOUBLE_EQ(t.GlowStep, 25.5);
  const TRun run = RunPicture(t);
  EXPECT_EQ(run.Levels.back(), 255);
  EXPECT_EQ(run.Levels[4], 255) << "full after five frames";
}

TEST(FadeSteps, GlowFadeStopsAtItsLastIterationAndEndsUnlessHot) {
  struct Row {
    std::int32_t target;
    double startGlow;
    std::int32_t finalLevel;
    bool glowEnds;
    const char* why;
  } rows[] = {
      {kFadeToHot, 0, 255, false, "a glow fading in stays"},
      {kFadeToNormal, 255, 0, true, "a glow fading out goes at the end"},
      {kFadeToNormal, 0, 0, true, "a timer made by hiding starts at 0: alpha 0 at once, gone after its ticks"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.why);
    TSkFadeSteps t;
    t.Glow = r.startGlow;
    t.Init(0, false, r.target, false);
    std::vector<std::int32_t> levels;
    TSkFadeFrame f = t.GlowFrame();
    int ticks = 0;
    while (f.Continues) {
      levels.push_back(f.Level);
      ++ticks;
      ASSERT_TRUE(t.Advance());
      f = t.GlowFrame();
    }
    EXPECT_EQ(ticks, t.Iterations);
    EXPECT_EQ(levels.back(), r.finalLevel);
    EXPECT_EQ(f.GlowEnds, r.glowEnds);
  }
}

TEST(FadeSteps, PressedStateAndStartIterations) {
  struct Row {
    double glow;
    std::int32_t state;
    std::int32_t iteration;
    std::int32_t start;
    const char* why;
  } rows[] = {
      {0, kFadeToHot, 3, 7, "a running hot fade hands over what is left of 10"},
      {0, kFadeToNormal, 3, 17, "a running return hands over what is left of 20"},
      {0, kFadeToHot, 12, 0, "never below 0"},
  };
  for (const Row& r : rows) {
    TSkFadeSteps t;
    t.State = r.state;
    t.Iteration = r.iteration;
    EXPECT_EQ(TSkFadeSteps::StartIterationFor(&t), r.start) << r.why;
  }
  // To the pressed look from fully hot: 10 steps down; the last frame
  // becomes the old picture, and hot again from pressed reuses it too.
  TSkFadeSteps t;
  t.Glow = 255;
  t.State = kFadeToHot;
  EXPECT_TRUE(t.OutBecomesFrom(kFadeToSecond));
  EXPECT_FALSE(t.OutBecomesFrom(kFadeToNormal));
  t.Init(4, false, kFadeToSecond, false);
  EXPECT_DOUBLE_EQ(t.GlowStep, 25.5);
  EXPECT_EQ(t.Iteration, 4) << "without a composed frame the given start iteration is used";
  EXPECT_TRUE(t.OutBecomesFrom(kFadeToHot));
  t.Init(4, false, kFadeToNormal, true);
  EXPECT_EQ(t.Iteration, 0) << "with a composed frame the run starts at 0";
}

TEST(FadeSteps, FrameBlendWeightsGiveTheOldPictureItsShare) {
  paint::TBitmap32 from = Canvas(3, 2, 0xFF000000u);  // black
  paint::TBitmap32 to = Canvas(3, 2, 0xFFC8C8C8u);    // grey 200
  paint::TBitmap32 out;
  struct Row {
    std::int32_t target;
    std::int32_t level;
    std::uint32_t pixel;
    const char* why;
  } rows[] = {
      {kFadeToHot, 0, 0xFF000000u, "to hot at level 0: the old picture, barely touched (255 of 256)"},
      {kFadeToHot, 255, 0xFFC8C8C8u, "to hot at full level: exactly the new picture"},
      {kFadeToHot, 128, 0xFF646464u, "half-way: 200 × 128 / 256 = 100"},
      {kFadeToNormal, 255, 0xFF000000u, "to normal at full level: still the old picture"},
      {kFadeToNormal, 0, 0xFFC8C8C8u, "to normal at level 0: exactly the new picture"},
      {kFadeToSecond, 64, 0xFF969696u, "pressed: the old share is the level, 200 × 192 / 256 = 150"},
  };
  for (const Row& r : rows) {
    ComposeFadeFrame(out, from, to, r.target, r.level);
    ASSERT_EQ(out.Width(), 3);
    ASSERT_EQ(out.Height(), 2);
    EXPECT_TRUE(AllInside(out, out.Bounds(), r.pixel)) << r.why;
  }
  // The old picture stays as it was: every frame starts from it afresh.
  EXPECT_TRUE(AllInside(from, from.Bounds(), 0xFF000000u));
}

}  // namespace
}  // namespace vorlan::skin::test
