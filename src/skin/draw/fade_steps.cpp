#include "skin/draw/fade_steps.h"

#include <algorithm>

#include "paint/copies.h"
#include "paint/pixel_math.h"

namespace vorlan::skin {
namespace {

std::int32_t Nearest(double v) { return static_cast<std::int32_t>(paint::px::RoundHalfEven(v)); }

}  // namespace

std::int32_t TSkFadeSteps::StartIterationFor(const TSkFadeSteps* running) {
  if (running == nullptr) return 0;
  return std::max(0, (running->State == kFadeToNormal ? 10 : 0) - running->Iteration + 10);
}

bool TSkFadeSteps::OutBecomesFrom(std::int32_t target) const {
  return target == kFadeToSecond || (target == kFadeToHot && State == kFadeToSecond);
}

void TSkFadeSteps::Init(std::int32_t startIteration, bool fast, std::int32_t target, bool hasOut) {
  Value = 0;
  Glow = std::clamp(Glow, 0.0, 255.0);
  Iterations = fast ? kFastFadeIterations : kFadeIterations;
  switch (target) {
    case kFadeToNormal:
      Iterations *= 2;
      GlowStep = Glow / Iterations;
      break;
    case kFadeToSecond:
      GlowStep = Glow / Iterations;
      break;
    case kFadeToHot:
      if (State <= 0) Iterations = std::max(1, Nearest((255 - Glow) * 10 / 255));
      GlowStep = (255 - Glow) / Iterations;
      break;
    default:
      break;
  }
  ValueStep = 255.0 / Iterations;
  if (target == kFadeToHot && State <= 0) {
    // Iterations now counts only the steps left to full level, so the run
    // starts at its beginning (a fresh fade has Glow 0 and starts at 0
    // either way; a fade to normal turned round must not end half-way).
    Iteration = 0;
  } else if (target == kFadeToNormal && State == kFadeToHot) {
    Iteration = Glow == 0 ? 0 : Nearest((255 - Glow) * Iterations / 255);
  } else {
    Iteration = hasOut ? 0 : startIteration;
  }
  OldState = State;
  State = target;
}

std::int32_t TSkFadeSteps::StepLevel() {
  switch (State) {
    case kFadeToNormal:
    case kFadeToSecond:
      Glow -= GlowStep;
      break;
    case kFadeToHot:
      Glow += GlowStep;
      break;
    default:
      Glow = 255 - static_cast<double>(Iteration) / Iterations * 255;
      break;
  }
  return Level();
}

std::int32_t TSkFadeSteps::Level() const { return std::clamp(Nearest(Glow), 0, 255); }

TSkFadeFrame TSkFadeSteps::PictureFrame() {
  const std::int32_t v = StepLevel();
  if (Iteration < Iterations) {
    // Almost back to normal: the glow is not worth keeping.
    const bool glowEnds = State == kFadeToNormal && v < 10;
    if (glowEnds) Glow = 0;
    return {v, true, glowEnds};
  }
  if (State == kFadeToNormal && v > 0) {
    --Iteration;
    return {v, true, false};
  }
  return {v, false, State != kFadeToHot};
}

TSkFadeFrame TSkFadeSteps::GlowFrame() {
  if (Iteration >= Iterations) return {Level(), false, State != kFadeToHot};
  return {StepLevel(), true, false};
}

void ComposeFadeFrame(paint::TBitmap32& out, const paint::TBitmap32& from, const paint::TBitmap32& to,
                      std::int32_t target, std::int32_t level) {
  out = from.Clone();
  if (out.Empty() || to.Empty()) return;
  BlendBitmaps(out, to, FadeBlendWeight(target, level), paint::TPoint{0, 0},
               paint::TRect{0, 0, to.Width() - 1, to.Height() - 1});
}

}  // namespace vorlan::skin
