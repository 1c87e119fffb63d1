#include "skin/controls/core/control_color_adjust.h"

#include <algorithm>

#include "paint/adjust.h"

namespace vorlan::skin {

std::int32_t SaturationAmount(std::int32_t percent) {
  // 64-bit: a percentage near the integer limit must not overflow.
  const std::int64_t amount = static_cast<std::int64_t>(percent) * 255 / 100;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(amount, -255, 255));
}

TColor AdjustSkinColor(TColor color, const TColorAdjustment& adjustment) {
  // The pixel operations work on words with blue in the low byte; the swap
  // is its own inverse, so the same call turns the word back into a colour.
  const TColor plain = paint::ResolveColor(color);
  std::uint32_t p = paint::ColorToPixel(plain);
  if (adjustment.Tone != kNoColorTone) p = paint::ToneColor(p, paint::ResolveColor(adjustment.Tone));
  if (adjustment.HUEOffset != 0) p = paint::AdjustHue(p, adjustment.HUEOffset);
  if (adjustment.Saturation != 0) p = paint::AdjustSaturation(p, SaturationAmount(adjustment.Saturation));
  return static_cast<TColor>(paint::ColorToPixel(static_cast<TColor>(p)) & 0x00FFFFFFu);
}

}  // namespace vorlan::skin
