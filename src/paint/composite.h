#pragma once

#include <cstdint>

#include "paint/bitmap32.h"
#include "paint/cache_info.h"
#include "paint/colors.h"
#include "paint/geometry.h"

// Copies of sources that carry per-pixel alpha.
namespace vorlan::paint {

// Source over destination by the source's alpha (straight). With a ready
// cacheInfo, key source pixels take the parent's pixel (useParent) or are
// skipped.
void CompositeAlpha(const TRect& dstRect, const TRect& srcRect, TBitmap32& dst, bool useParent,
                    const TCacheInfo& cacheInfo, const TBitmap32& src);

// A 32-bit image with per-pixel alpha, a transparency percentage (0..100), an
// optional colourising colour (kNoColor for none) and an optional mirrored
// reflection below the copied block.
void CopyImage32(const TRect& dstRect, const TRect& srcRect, TBitmap32& dst, bool reflect, int transparency,
                 TColor blendColour, bool useParent, const TCacheInfo& cacheInfo, const TBitmap32& src);

}  // namespace vorlan::paint
