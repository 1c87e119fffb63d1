#pragma once

#include <string>

#include "paint/bitmap32.h"

namespace vorlan::cli {

// A 32-bit top-down BMP file: 14-byte file header, 40-byte BITMAPINFOHEADER
// with negative height, BI_RGB, then the B G R A bytes of each row from the top.
std::string EncodeBmp32TopDown(const paint::TBitmap32& bmp);

}  // namespace vorlan::cli
