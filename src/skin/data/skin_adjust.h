#pragma once

#include <cstdint>

#include "skin/data/loaded_skin.h"

// Recolouring a loaded skin by the manager's hue, saturation and brightness.
namespace vorlan::skin {

struct TSkinAdjustments {
  std::int32_t HueOffset = 0;   // degrees
  std::int32_t Saturation = 0;  // percent; negative towards grey
  std::int32_t Brightness = 0;  // -100..100, added to every channel
};

// Hue, then saturation, then brightness, each only when its value is not 0:
// the master bitmap, the external images, the section colours and gradients,
// Shadow1Color and the adjusted palette colours (brightness spares the last
// two). Key-coloured pixels never change.
void AdjustSkinColors(TLoadedSkin& skin, const TSkinAdjustments& adjustments);

// Single colours 0x00BBGGRR (the top byte is kept).
TColor RotateHue(TColor color, std::int32_t degrees);
TColor ChangeSaturation(TColor color, std::int32_t percent);
TColor ChangeBrightness(TColor color, std::int32_t amount);

// The saturation factor of a percentage: trunc(s × 2.55) within -255..255.
std::int32_t SaturationFactor(std::int32_t percent);

}  // namespace vorlan::skin
