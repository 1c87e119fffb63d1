#pragma once

#include "paint/bitmap32.h"
#include "paint/geometry.h"

namespace vorlan::paint {

// Nearest-pixel stretch of srcRect onto dstRect, all four bytes copied (the
// colour-on-colour StretchBlt mode with SRCCOPY). Destination pixel i takes
// source pixel srcLeft + (2i + 1) × srcWidth / (2 × dstWidth); destination
// pixels outside dst and samples outside src are left alone.
void StretchNearest(TBitmap32& dst, const TRect& dstRect, const TBitmap32& src, const TRect& srcRect);

}  // namespace vorlan::paint
