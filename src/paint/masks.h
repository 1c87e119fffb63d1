#pragma once

#include <cstdint>

#include "paint/bitmap32.h"
#include "paint/cache_info.h"
#include "paint/geometry.h"

// Copies of skin image pieces through their mask rows: each channel of the
// mask pixel weighs the destination (white keeps it, black gives the source).
namespace vorlan::paint {

// maskR is the mask record's area R: the mask row of source row r is
// r + height(maskR) div 2.
void CopyWithMask(const TRect& dstRect, const TRect& srcRect, TBitmap32& dst, const TRect& maskR, bool useParent,
                  const TCacheInfo& cacheInfo, const TBitmap32& src);

// Whether a stretched masked piece is resampled rather than stretched by
// nearest pixels: narrower at the same height, lower at the same width, or
// the centre; and larger than 1 × 1.
bool StretchesSmoothly(int32_t w, int32_t h, int32_t srcW, int32_t srcH, bool centre);

// The piece of src brought to w × h: resampled with `filter` after widening a
// one-pixel piece to 2 × 2 (smooth), or stretched by nearest pixels.
TBitmap32 ScalePiece(const TBitmap32& src, const TRect& piece, int32_t w, int32_t h, bool smooth, int filter);

// The piece (srcX, srcY, srcW, srcH) of src stretched onto (x, y, w, h) of
// dst through the mask piece maskOffset rows below it; maskOffset 0 means a
// plain stretched copy.
void StretchWithMask(int32_t x, int32_t y, int32_t w, bool centre, int32_t maskOffset, const TBitmap32& src,
                     TBitmap32& dst, int32_t srcH, int32_t srcW, int32_t srcY, int32_t srcX, int32_t h);

}  // namespace vorlan::paint
