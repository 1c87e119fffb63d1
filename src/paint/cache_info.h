#pragma once

#include <cstdint>

#include "paint/bitmap32.h"
#include "paint/colors.h"
#include "paint/geometry.h"

namespace vorlan::paint {

// How a parent hands its painted picture (or a plain colour) to a
// transparent child.
struct TCacheInfo {
  const TBitmap32* Bmp = nullptr;  // the parent's painted bitmap (borrowed), or none
  int32_t X = -99;                 // where the child's origin lies inside Bmp
  int32_t Y = -99;
  TColor FillColor = kKeyColor;  // plain colour when there is no usable bitmap; key colour = none
  TRect FillRect{};              // widths of the parent's border strips held in Bmp
  bool Ready = false;            // Bmp is painted and may be read
};

inline TCacheInfo MakeCacheInfo(const TBitmap32* bmp, int32_t x, int32_t y) {
  return {bmp, x, y, kKeyColor, TRect{}, true};
}

inline TCacheInfo EmptyCacheInfo() { return {}; }

// The same parent's look for a child lying `by` further into it.
inline TCacheInfo Shifted(TCacheInfo c, TPoint by) {
  c.X += by.X;
  c.Y += by.Y;
  return c;
}

}  // namespace vorlan::paint
