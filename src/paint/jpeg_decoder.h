#pragma once

#include <cstdint>
#include <span>

#include "paint/bitmap32.h"

namespace vorlan::paint {

// Decodes a JPEG picture held in memory at full scale with the decoder's
// best-quality settings; colour, greyscale and CMYK pictures all come out as
// opaque 32-bit bitmaps (alpha 255). Every decoder error or warning about
// the data, on the header or while decoding, throws JpegError
// ("JPEG error #%d" with the decoder's message code).
TBitmap32 DecodeJpeg(std::span<const uint8_t> data);

// As above, also telling whether the picture was CMYK (a 32-bit picture).
struct TJpegPicture {
  TBitmap32 Bitmap;
  bool Cmyk = false;
};
TJpegPicture DecodeJpegPicture(std::span<const uint8_t> data);

}  // namespace vorlan::paint
