#pragma once

#include <cstdint>

#include "paint/bitmap32.h"
#include "paint/cache_info.h"
#include "paint/geometry.h"
#include "skin/draw/image_entry.h"

namespace vorlan::skin {

// The nine-slice of PaintBorderMask for pictures whose alpha matters: masked
// pieces merge into the destination and raise its alpha by the mask; key
// pixels of the corners always show the parent from cacheInfo (without a
// ready parent picture they get alpha 0). Nothing unless rect lies inside bmp.
void PaintBorderMaskAlpha(paint::TBitmap32& bmp, const paint::TRect& rect, const paint::TCacheInfo& cacheInfo,
                          const TImageEntry& image, std::int32_t state);

}  // namespace vorlan::skin
