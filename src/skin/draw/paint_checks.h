#pragma once

#include "paint/bitmap32.h"
#include "paint/geometry.h"

namespace vorlan::skin {

// The painters' own rule: a rectangle that is empty or does not lie wholly
// inside the bitmap paints nothing.
inline bool LiesInside(const paint::TRect& r, const paint::TBitmap32& bmp) {
  return !r.IsEmpty() && !bmp.Empty() && r.Left >= 0 && r.Top >= 0 && r.Right <= bmp.Width() &&
         r.Bottom <= bmp.Height();
}

}  // namespace vorlan::skin
