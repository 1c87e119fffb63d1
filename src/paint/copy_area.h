#pragma once

#include <cstdint>

#include "paint/geometry.h"

namespace vorlan::paint {

// A copied block: where it lands, where it comes from, its size.
struct TCopyArea {
  int32_t DstX = 0;
  int32_t DstY = 0;
  int32_t SrcX = 0;
  int32_t SrcY = 0;
  int32_t Width = 0;
  int32_t Height = 0;

  bool IsEmpty() const { return Width <= 0 || Height <= 0; }
};

// The smaller of the two rectangles' sizes, clipped to both bitmaps; a
// negative coordinate on one side moves the other side's start. src_spare
// keeps that many columns and rows of the source unused at its right and
// bottom edges.
TCopyArea ClipCopyArea(const TRect& dst_rect, const TRect& src_rect, TSize dst_size, TSize src_size,
                       int32_t src_spare = 0);

// Source rectangle with inclusive Right and Bottom, clamped to the source
// (Left, Top ≥ 0; Right ≤ width − 1; Bottom ≤ height − 1), placed at dst_at
// and clipped to the destination.
TCopyArea ClipInclusiveArea(TPoint dst_at, const TRect& src_rect, TSize dst_size, TSize src_size);

}  // namespace vorlan::paint
