#pragma once

#include <cstdint>
#include <string_view>

#include "paint/bitmap32.h"
#include "paint/geometry.h"
#include "skin/data/skin_tables.h"

// Gradient backgrounds of skin sections: vertical, horizontal and four
// triangles meeting in the centre.
namespace vorlan::skin {

inline constexpr std::int32_t kGradientVertical = 0;
inline constexpr std::int32_t kGradientHorizontal = 1;
inline constexpr std::int32_t kGradientTriangles = 2;

// Groups of five numbers Color1;Color2;Percent;Mode1;Mode2 ("N/A" or an empty
// text: no pieces). Raises EConvertError for a word that is not a number.
TSkinGradArray ParseGradient(std::u16string_view text);

// rect (clipped to the bitmap) filled with the gradient, alpha 255; the kind
// comes from the first piece's Mode1. extraRows shifts a vertical gradient
// as if rect began that many rows higher.
void PaintGradient(paint::TBitmap32& bmp, const paint::TRect& rect, const TSkinGradArray& gradient,
                   std::int32_t extraRows = 0);

// A vertical or horizontal gradient and a texture tiled from the bitmap's
// origin in one pass: each channel ((t − g) × weight + g × 256) >> 8, A := alpha.
void PaintGradientTexture(paint::TBitmap32& bmp, const paint::TRect& rect, const TSkinGradArray& gradient,
                          std::uint8_t alpha, int textureWeight, const paint::TRect& textureRect,
                          const paint::TBitmap32& texture);

}  // namespace vorlan::skin
