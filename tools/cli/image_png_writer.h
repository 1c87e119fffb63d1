#pragma once

#include <string>

#include "paint/bitmap32.h"

namespace vorlan::cli {

// An 8-bit RGBA PNG of the bitmap's pixels (B, G, R, A bytes become R, G, B,
// A), rows from the top, deflated.
std::string EncodePngRgba(const paint::TBitmap32& bmp);

}  // namespace vorlan::cli
