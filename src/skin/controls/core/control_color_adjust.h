#pragma once

#include <cstdint>

#include "paint/colors.h"
#include "skin/controls/core/common_data.h"

// The colour adjustments a control applies to every colour it takes from its
// skin section: a tone, a hue shift and a saturation change.
namespace vorlan::skin {

struct TColorAdjustment {
  TColor Tone = kNoColorTone;   // none: no tone
  std::int32_t HUEOffset = 0;   // degrees
  std::int32_t Saturation = 0;  // percent, negative = towards grey
};

inline TColorAdjustment ColorAdjustmentOf(const TSkinCommonData& data) {
  return {data.FColorTone, data.FHUEOffset, data.FSaturation};
}

// The saturation step for a percentage: percent × 255 / 100 truncated toward
// zero, limited to −255..255 (−255 is full grey).
std::int32_t SaturationAmount(std::int32_t percent);

// A skin colour as the control shows it: resolved to a plain colour, then
// toned (when a tone is set), hue-shifted and saturated, in that order.
TColor AdjustSkinColor(TColor color, const TColorAdjustment& adjustment);

}  // namespace vorlan::skin
