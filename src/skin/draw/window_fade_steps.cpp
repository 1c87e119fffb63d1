#include "skin/draw/window_fade_steps.h"

#include <algorithm>

#include "paint/pixel_math.h"

namespace vorlan::skin {
namespace {

std::int32_t Nearest(double v) { return static_cast<std::int32_t>(paint::px::RoundHalfEven(v)); }

std::uint8_t AlphaOf(double level) { return static_cast<std::uint8_t>(std::clamp(Nearest(level), 0, 255)); }

}  // namespace

void TSkHideFadeSteps::Init(std::uint8_t startAlpha, std::int32_t steps, std::int32_t width, std::int32_t height,
                            TSkAnimType type) {
  StepCount = std::max(steps, 1);
  AnimType = type;
  i = 0;
  Trans = startAlpha;
  p = Trans / StepCount;
  l = t = 0;
  r = width;
  b = height;
  dx = dy = 0;
  if (type == atAero) {
    dx = -static_cast<double>(width) / (StepCount * 8.0);
    dy = -static_cast<double>(height) / (StepCount * 8.0);
  }
}

TWindowFadeFrame TSkHideFadeSteps::Next() {
  TWindowFadeFrame frame;
  Trans = std::max(0.0, Trans - p);
  frame.Alpha = AlphaOf(Trans);
  if (AnimType == atAero) {
    frame.DrawPicture = l >= 0 && t >= 0;
    frame.Picture = paint::MakeRect(Nearest(l), Nearest(t), Nearest(r - l), Nearest(b - t));
  } else {
    // The fading kind draws its picture once, at the first step.
    frame.DrawPicture = i == 0;
    frame.Picture = paint::MakeRect(0, 0, Nearest(r), Nearest(b));
  }
  l -= dx;
  t -= dy;
  r += dx;
  b += dy;
  ++i;
  return frame;
}

void TSkShowFadeSteps::Init(std::uint8_t targetAlpha, std::int32_t steps, std::int32_t width, std::int32_t height,
                            TSkAnimType type) {
  StepCount = std::max(steps, 0);
  Target = targetAlpha;
  Width = width;
  Height = height;
  AnimType = type;
  i = 0;
  Level = 0;
  LevelStep = StepCount > 0 ? static_cast<double>(targetAlpha) / StepCount : 0;
  InsetX = InsetY = InsetStepX = InsetStepY = 0;
  if (type == atAero && StepCount > 0) {
    InsetX = width / 8.0;
    InsetY = height / 8.0;
    InsetStepX = InsetX / StepCount;
    InsetStepY = InsetY / StepCount;
  }
}

TWindowFadeFrame TSkShowFadeSteps::Next() {
  TWindowFadeFrame frame;
  Level = StepCount == 0 ? Target : std::min<double>(Target, Level + LevelStep);
  frame.Alpha = AlphaOf(Level);
  const double x = std::max(0.0, InsetX - i * InsetStepX);
  const double y = std::max(0.0, InsetY - i * InsetStepY);
  frame.Picture = paint::MakeRect(Nearest(x), Nearest(y), Nearest(Width - 2 * x), Nearest(Height - 2 * y));
  frame.DrawPicture = AnimType == atAero || i == 0;
  ++i;
  return frame;
}

}  // namespace vorlan::skin
