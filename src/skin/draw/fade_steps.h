#pragma once

#include <cstdint>

#include "paint/bitmap32.h"

// The arithmetic of a control's state fade and glow fade: how many ticks a
// change takes, how far the level moves per tick, and where a fade that is
// turned round mid-way picks up. No window is needed for any of it.
namespace vorlan::skin {

// Target states of a fade.
inline constexpr std::int32_t kFadeIdle = -1;
inline constexpr std::int32_t kFadeToNormal = 0;
inline constexpr std::int32_t kFadeToHot = 1;
inline constexpr std::int32_t kFadeToSecond = 2;

// Ticks of a fade, and of a fast one.
inline constexpr std::int32_t kFadeIterations = 10;
inline constexpr std::int32_t kFastFadeIterations = 5;
// Milliseconds between ticks.
inline constexpr std::uint32_t kFadeInterval = 10;

// What one frame of a fade does.
struct TSkFadeFrame {
  std::int32_t Level = 0;  // 0..255: the picture's blend and the glow's alpha
  bool Continues = false;  // false: the run is over
  bool GlowEnds = false;   // the control's glow goes now
};

struct TSkFadeSteps {
  double Glow = 0;  // current effect level 0..255
  double GlowStep = 0;
  double Value = 0;
  double ValueStep = 0;
  std::int32_t State = kFadeIdle;  // the target, -1 idle
  std::int32_t OldState = kFadeIdle;
  std::int32_t Iteration = 0;
  std::int32_t Iterations = kFadeIterations;

  // The level a newly made timer starts from: a fade back to normal starts
  // fully in the hot look.
  static double InitialGlow(std::int32_t target) { return target == kFadeToNormal ? 255.0 : 0.0; }
  // The start iteration a new request hands over: 0 for a new timer, else
  // what is left of this one's run.
  static std::int32_t StartIterationFor(const TSkFadeSteps* running);
  // Whether the last composed frame becomes the old picture of a fade
  // towards `target` (the pressed look, or hot again from it).
  bool OutBecomesFrom(std::int32_t target) const;

  // Sets up a run towards `target`; hasOut: a composed frame exists.
  void Init(std::int32_t startIteration, bool fast, std::int32_t target, bool hasOut);
  // One tick's count: false when the run is over.
  bool Advance() { return ++Iteration <= Iterations; }
  // Moves the level by one step towards the target; the level 0..255.
  std::int32_t StepLevel();
  // The rounded level, within 0..255.
  std::int32_t Level() const;

  // A frame of the picture fade: the level moves; a fade to normal that has
  // not reached 0 at its last iteration runs one more frame.
  TSkFadeFrame PictureFrame();
  // A frame of the glow fade: the level moves until the last iteration.
  TSkFadeFrame GlowFrame();
};

// The old picture's share of a fade frame at level v.
inline std::int32_t FadeBlendWeight(std::int32_t target, std::int32_t level) {
  return target == kFadeToHot ? 255 - level : level;
}

// Composes a frame: `out` becomes a copy of `from` (sized like it) with `to`
// blended over it by the old picture's share for `target` at `level`.
void ComposeFadeFrame(paint::TBitmap32& out, const paint::TBitmap32& from, const paint::TBitmap32& to,
                      std::int32_t target, std::int32_t level);

}  // namespace vorlan::skin
