#pragma once

#include <cstdint>

#include "paint/bitmap32.h"
#include "paint/cache_info.h"
#include "paint/colors.h"
#include "paint/geometry.h"

// Copies between 32-bit bitmaps with a key colour, and weighted blends.
namespace vorlan::paint {

// All of src at (x, y), clipped to dst; src words equal to ColorToPixel(key)
// are left out; copied pixels get A = 255.
void CopyKeyed(TBitmap32& dst, const TBitmap32& src, int32_t x, TColor key, int32_t y);

// srcRect (inclusive Right and Bottom, clamped to src) at (x, y). Key pixels
// (ColorToPixel(key)) take the parent's pixels, the fill colour or are left
// out depending on cacheInfo and useParent.
void CopyKeyedRect(TBitmap32& dst, const TBitmap32& src, int32_t x, bool useParent, const TCacheInfo& cacheInfo,
                   TColor key, const TRect& srcRect, int32_t y);

// For each src pixel of srcRect (inclusive, clamped) other than
// ColorToPixel(key): B, G, R of the dst pixel at (x, y) + offset become
// trunc(s − (s − d) × k). Alpha unchanged.
void BlendKeyedRect(TBitmap32& dst, int32_t x, int32_t y, TColor key, double k, const TRect& srcRect,
                    const TBitmap32& src);

// weight 0..255 is the share of the old destination: each of B, G, R, A
// becomes ((d − s) × weight + s × 256) >> 8. srcRect is inclusive once
// clamped to src.
void BlendBitmaps(TBitmap32& dst, const TBitmap32& src, int weight, TPoint dstPoint, const TRect& srcRect);

// The corner of a mask image's first frame used as the test picture.
struct TMaskCorner {
  const TBitmap32* Bmp = nullptr;  // the mask image (borrowed)
  TRect R{};                       // the entry's area in Bmp
  int32_t FrameWidth = 0;
  int32_t FrameHeight = 0;
  int32_t WR = 0;  // right border width
  int32_t WB = 0;  // bottom border width
};

inline constexpr int kCornerTopLeft = 13;
inline constexpr int kCornerTopRight = 14;
inline constexpr int kCornerBottomLeft = 16;
inline constexpr int kCornerBottomRight = 17;

// Copies src pixels (from srcPoint on) into dstRect wherever the test pixel's
// low 24 bits are 0xFF00FF: the dst pixel itself, or with a mask the pixel at
// the same place in the corner of the mask's first frame given by cornerKind.
void FillKeyFromBitmap(TBitmap32& dst, const TBitmap32& src, const TRect& dstRect, TPoint srcPoint,
                       const TMaskCorner* mask, int cornerKind);

}  // namespace vorlan::paint
