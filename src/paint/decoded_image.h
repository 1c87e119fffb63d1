#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "paint/bitmap32.h"

// Pictures read from files, and their 32-bit form for painting.
namespace vorlan::paint {

// A decoded picture. Sources without an alpha channel (everything but
// 32-bit files and PNG colour type 6) come with alpha 255.
struct TDecodedImage {
  TBitmap32 Bitmap;
  bool SourceIs32Bit = false;
};

// The skin's alpha rule: a picture that was not 32-bit gets alpha 255 on every
// pixel but magenta (0xFF00FF), which gets alpha 0; 32-bit pictures keep
// their alpha byte.
TBitmap32 To32Bits(TDecodedImage image);

TDecodedImage DecodePng(std::span<const uint8_t> data);
TDecodedImage DecodeBmp(std::span<const uint8_t> data);

// A BMP, PNG or JPEG picture, recognised by its first bytes or else by the
// file name's extension. Throws ImageError with the format's message.
TDecodedImage DecodePicture(std::span<const uint8_t> data, std::string_view fileName = {});

}  // namespace vorlan::paint
