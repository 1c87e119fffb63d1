#include "skin/draw/window_fade_steps.h"

#include <gtest/gtest.h>

#include <vector>

namespace vorlan::skin::test {
namespace {

template <typename Steps>
std::vector<TWindowFadeFrame> RunAll(Steps& steps) {
  std::vector<TWindowFadeFrame> frames;
  while (!steps.Done() && frames.size() < 1000) frames.push_back(steps.Next());
  return frames;
}

TEST(WindowFadeSteps, StepsFromTheDuration) {
  const struct {
    std::uint32_t Ms;
    std::int32_t Steps;
    const char* Why;
  } rows[] = {
      {0, 0, "no time, no steps"},
      {9, 0, "below one interval there is no step"},
      {10, 1, "one interval, one step"},
      {200, 20, "the manager's 200 ms give 20 steps"},
      {65535, 6553, "the longest time a 16-bit option holds"},
  };
  for (const auto& row : rows) EXPECT_EQ(WindowFadeSteps(row.Ms), row.Steps) << row.Why;
}

TEST(WindowFadeSteps, HideFadingFallsToZeroOverStepsPlusOneUpdates) {
  TSkHideFadeSteps steps;
  steps.Init(255, 20, 282, 280, atFading);
  const auto frames = RunAll(steps);
  ASSERT_EQ(frames.size(), 21u);
  EXPECT_EQ(frames[0].Alpha, 242) << "the first update has already fallen by one step (255 - 12.75)";
  EXPECT_EQ(frames[1].Alpha, 230) << "229.5 rounds to the even neighbour";
  EXPECT_EQ(frames[19].Alpha, 0);
  EXPECT_EQ(frames[20].Alpha, 0) << "never below 0";
  for (std::size_t i = 1; i < frames.size(); ++i) EXPECT_LE(frames[i].Alpha, frames[i - 1].Alpha) << i;
  EXPECT_TRUE(frames[0].DrawPicture);
  EXPECT_FALSE(frames[1].DrawPicture) << "the fading kind copies its picture once";
  EXPECT_EQ(frames[0].Picture, paint::MakeRect(0, 0, 282, 280));
}

TEST(WindowFadeSteps, HideAeroShrinksByAnEighthOnEachSide) {
  TSkHideFadeSteps steps;
  steps.Init(255, 20, 80, 40, atAero);
  const auto frames = RunAll(steps);
  ASSERT_EQ(frames.size(), 21u);
  EXPECT_EQ(frames[0].Picture, paint::MakeRect(0, 0, 80, 40));
  EXPECT_EQ(frames[2].Picture, paint::MakeRect(1, 0, 78, 39))
      << "0.5 per step across, 0.25 down: 0.5 rounds to the even 0";
  EXPECT_EQ(frames[20].Picture, paint::MakeRect(10, 5, 60, 30)) << "one eighth of 80 and of 40 on each side";
  for (const auto& f : frames) EXPECT_TRUE(f.DrawPicture);
}

TEST(WindowFadeSteps, ShowRisesToTheTargetAndNeverAbove) {
  TSkShowFadeSteps steps;
  steps.Init(200, 20, 282, 280, atFading);
  const auto frames = RunAll(steps);
  ASSERT_EQ(frames.size(), 21u) << "updates for i = 0 .. 20";
  EXPECT_EQ(frames[0].Alpha, 10) << "the level is raised before the first update";
  EXPECT_EQ(frames[19].Alpha, 200);
  EXPECT_EQ(frames[20].Alpha, 200) << "never above the target";
  for (std::size_t i = 1; i < frames.size(); ++i) EXPECT_GE(frames[i].Alpha, frames[i - 1].Alpha) << i;
  EXPECT_TRUE(frames[0].DrawPicture);
  EXPECT_FALSE(frames[5].DrawPicture);
}

TEST(WindowFadeSteps, ShortShowIsOneUpdateAtTheTarget) {
  for (const std::uint32_t ms : {0u, 9u}) {
    TSkShowFadeSteps steps;
    steps.Init(255, WindowFadeSteps(ms), 282, 280, atAero);
    const auto frames = RunAll(steps);
    ASSERT_EQ(frames.size(), 1u) << ms << " ms: no intermediate frames";
    EXPECT_EQ(frames[0].Alpha, 255) << ms;
    EXPECT_EQ(frames[0].Picture, paint::MakeRect(0, 0, 282, 280)) << ms << " ms: the aero kind is not shrunk either";
  }
}

TEST(WindowFadeSteps, ShowAeroGrowsFromAnEighthInside) {
  TSkShowFadeSteps steps;
  steps.Init(255, 20, 80, 40, atAero);
  const auto frames = RunAll(steps);
  ASSERT_EQ(frames.size(), 21u);
  EXPECT_EQ(frames[0].Picture, paint::MakeRect(10, 5, 60, 30));
  EXPECT_EQ(frames[10].Picture, paint::MakeRect(5, 2, 70, 35)) << "halfway: 5 and 2.5 (to even: 2) inside";
  EXPECT_EQ(frames[20].Picture, paint::MakeRect(0, 0, 80, 40));
}

}  // namespace
}  // namespace vorlan::skin::test
