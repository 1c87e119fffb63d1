#pragma once

#include <cstdint>

#include "paint/geometry.h"
#include "skin/data/manager_options.h"

// The arithmetic of a window's show and hide effects: how many steps a
// duration gives, and the constant alpha and picture rectangle of each step.
// No window is needed for any of it.
namespace vorlan::skin {

// Milliseconds per step of a window's show or hide effect.
inline constexpr std::uint32_t kWindowFadeInterval = 10;

// Steps of an effect lasting `milliseconds` (none below one interval).
constexpr std::int32_t WindowFadeSteps(std::uint32_t milliseconds) {
  return static_cast<std::int32_t>(milliseconds / kWindowFadeInterval);
}

// What one step of a window effect shows.
struct TWindowFadeFrame {
  std::uint8_t Alpha = 0;   // the window's constant alpha
  paint::TRect Picture;     // where the snapshot is stretched to, in the window
  bool DrawPicture = true;  // false: the frame keeps what it showed before
};

// A window's fade-out: the alpha falls from the start value to 0 over
// steps + 1 updates; the aero kind also shrinks the picture towards its
// centre by one eighth of its size on each side over the run.
struct TSkHideFadeSteps {
  double Trans = 0, p = 0, dx = 0, dy = 0, l = 0, t = 0, r = 0, b = 0;
  std::int32_t i = 0;
  std::int32_t StepCount = 0;
  TSkAnimType AnimType = atFading;

  // steps must be above 0 (a run of 0 steps shows nothing at all).
  void Init(std::uint8_t startAlpha, std::int32_t steps, std::int32_t width, std::int32_t height, TSkAnimType type);
  bool Done() const { return i > StepCount; }
  // The next update; advances the step.
  TWindowFadeFrame Next();
};

// A window's fade-in: the alpha rises to the target over steps + 1 updates
// (at once when there are no steps); the aero kind grows the picture from
// one eighth of its size inside each side back to its full size.
struct TSkShowFadeSteps {
  double Level = 0, LevelStep = 0, InsetX = 0, InsetY = 0, InsetStepX = 0, InsetStepY = 0;
  std::int32_t i = 0;
  std::int32_t StepCount = 0;
  std::uint8_t Target = 255;
  std::int32_t Width = 0, Height = 0;
  TSkAnimType AnimType = atFading;

  void Init(std::uint8_t targetAlpha, std::int32_t steps, std::int32_t width, std::int32_t height, TSkAnimType type);
  // Updates of the whole run: one when there are no steps.
  std::int32_t Frames() const { return StepCount == 0 ? 1 : StepCount + 1; }
  bool Done() const { return i >= Frames(); }
  TWindowFadeFrame Next();
};

}  // namespace vorlan::skin
