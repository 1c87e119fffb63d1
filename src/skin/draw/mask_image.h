#pragma once

#include <cstdint>

#include "paint/bitmap32.h"
#include "paint/cache_info.h"
#include "paint/geometry.h"
#include "skin/draw/image_entry.h"

namespace vorlan::skin {

inline constexpr int kMaskImageNormal = 1;  // any other mode paints a fainter image

// One frame (the state's) of a glyph-like image with its top-left corner at
// `at`, cut to `clip` and to the bitmap. Key pixels show the parent from
// cacheInfo (master-bitmap images without mask rows, normal mode) or are
// skipped.
void PaintMaskImage(paint::TBitmap32& bmp, paint::TPoint at, std::int32_t state, const paint::TCacheInfo& cacheInfo,
                    const TImageEntry& image, int mode, const paint::TRect& clip);
void PaintMaskImage(paint::TBitmap32& bmp, paint::TPoint at, std::int32_t state, const paint::TCacheInfo& cacheInfo,
                    const TImageEntry& image, int mode);

}  // namespace vorlan::skin
