#pragma once

#include <vector>

#include "paint/geometry.h"

// Where a text's glow mask lies and where the text is drawn into it.
namespace vorlan::skin {

// Sides of a text that its glow spreads from, as flags.
inline constexpr int kGlowLeft = 1;
inline constexpr int kGlowUp = 2;
inline constexpr int kGlowRight = 4;
inline constexpr int kGlowDown = 8;
inline constexpr int kGlowAllSides = kGlowLeft | kGlowUp | kGlowRight | kGlowDown;

struct TGlowLayout {
  paint::TRect Mask;     // the mask's place in the target picture
  paint::TRect Text;     // the text's rectangle inside the mask
  paint::TPoint Origin;  // Mask's top-left corner, where the mask is merged
};

// The text sits one pixel right of and below textRect; the mask is that
// rectangle grown by size + 4 on every side, enough room for the blur.
TGlowLayout GlowLayoutFor(const paint::TRect& textRect, int size);

// The offsets at which the text is drawn into the mask: one pixel towards
// each selected side (left, up, right, down, in that order), then in place.
std::vector<paint::TPoint> GlowTextOffsets(int sides);

}  // namespace vorlan::skin
