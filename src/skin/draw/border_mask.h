#pragma once

#include <cstdint>

#include "paint/bitmap32.h"
#include "paint/cache_info.h"
#include "paint/geometry.h"
#include "skin/draw/skin_image.h"

namespace vorlan::skin {

// The nine-slice border image in `state` over rect of bmp. Corners take the
// parent's pixels from cacheInfo where the image has the key colour when
// updateCorners is set and the image's CornerType > 0. Nothing unless rect
// lies inside bmp.
void PaintBorderMask(paint::TBitmap32& bmp, const paint::TRect& rect, const paint::TCacheInfo& cacheInfo,
                     const TSkinImage& image, std::int32_t state, bool updateCorners);

}  // namespace vorlan::skin
