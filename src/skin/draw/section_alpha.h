#pragma once

#include <cstdint>

#include "paint/bitmap32.h"
#include "paint/colors.h"
#include "paint/geometry.h"
#include "skin/data/loaded_skin.h"
#include "skin/draw/state_fill.h"

// Painting sections onto pictures whose alpha channel matters (layered
// windows): transparency becomes alpha instead of a blend with the parent.
namespace vorlan::skin {

// The alpha a state of transparency T gives the pixels it paints:
// (100 − T) × 255 div 100. The combined gradient-and-texture pass uses it too.
std::uint8_t StateAlpha(std::int32_t transparency);

// The background layers of the state over r of bmp, keeping and setting alpha.
// A custom colour other than kNoCustomColor paints a plain opaque state.
void PaintStateFillAlpha(const TLoadedSkin& skin, std::int32_t skinIndex, std::int32_t state, const paint::TRect& r,
                         TColor customColor, paint::TBitmap32& bmp);

// Background and border of the section over r (which must lie inside bmp);
// the border's key pixels show what r held before. When r covers all of bmp,
// bmp is premultiplied at the end.
void PaintSectionAlpha(const TLoadedSkin& skin, std::int32_t skinIndex, std::int32_t state, paint::TBitmap32& bmp,
                       paint::TPoint offset, const paint::TRect& r);

}  // namespace vorlan::skin
