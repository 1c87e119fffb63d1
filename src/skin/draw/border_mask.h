#pragma once

#include <cstdint>

#include "paint/bitmap32.h"
#include "paint/cache_info.h"
#include "paint/geometry.h"
#include "skin/draw/border_geometry.h"
#include "skin/draw/image_entry.h"

namespace vorlan::skin {

// The nine-slice border image in `state` over rect of bmp. Corners take the
// parent's pixels from cacheInfo where the image has the key colour when
// updateCorners is set and the image's CornerType > 0. Nothing unless rect
// lies inside bmp.
void PaintBorderMask(paint::TBitmap32& bmp, const paint::TRect& rect, const paint::TCacheInfo& cacheInfo,
                     const TImageEntry& image, std::int32_t state, bool updateCorners);

// One unstretched piece of a border image, from `from` of its source to
// `dst` of bmp: through the image's mask rows when it has them; a corner
// without its key-coloured pixels (the parent's from `parent` there when
// useParent); a side or the centre as it is.
void CopyBorderPiece(paint::TBitmap32& bmp, const TImageEntry& image, TBorderPart part, const paint::TRect& dst,
                     const paint::TRect& from, bool useParent, const paint::TCacheInfo& parent);

}  // namespace vorlan::skin
