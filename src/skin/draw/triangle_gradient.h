#pragma once

#include <cstdint>

#include "paint/bitmap32.h"
#include "paint/geometry.h"

// A triangle filled with colours mixed from its three corners, as the
// platform's GradientFill does in triangle mode; one portable form for every
// system.
namespace vorlan::skin {

struct TGradientVertex {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  // 16-bit channels (a colour byte × 256).
  std::uint16_t Red = 0;
  std::uint16_t Green = 0;
  std::uint16_t Blue = 0;
  std::uint16_t Alpha = 0;
};

// Pixels are sampled at their integer coordinates: each channel is the
// barycentric mix of the corner channels, truncated, then divided by 256.
// Coverage is half-open: rows from the top corner to the bottom corner, the
// bottom one excluded; on a row, columns from the left edge to the right edge,
// the right one excluded; never the column of the rightmost corner. Pixels
// outside `clip` and outside the bitmap are left alone.
void FillGradientTriangle(paint::TBitmap32& bmp, const TGradientVertex& a, const TGradientVertex& b,
                          const TGradientVertex& c, const paint::TRect& clip);

}  // namespace vorlan::skin
