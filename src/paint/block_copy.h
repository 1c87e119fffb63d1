#pragma once

#include <cstdint>

#include "paint/bitmap32.h"
#include "paint/geometry.h"

namespace vorlan::paint {

// srcRect of src copied 1:1 to dst with its top-left corner at dstAt, all four
// bytes (BitBlt with SRCCOPY); clipped to both bitmaps, negative coordinates
// on one side moving the other side's start.
void CopyBlock(TBitmap32& dst, TPoint dstAt, const TBitmap32& src, const TRect& srcRect);

}  // namespace vorlan::paint
