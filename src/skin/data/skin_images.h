#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "skin/data/skin_bitmap.h"

// Decoding the images of a skin into 32-bit bitmaps with the skin's alpha
// rule: images that were not 32-bit get alpha 255 on every pixel but the
// magenta key colour, which keeps alpha 0.
namespace vorlan::skin {

enum class SkinImageFormat { Bitmap, Jpeg, Png, Unknown };

// By the extensions the upper-cased name contains anywhere: ".BMP", else
// ".JPG" or ".JPEG", else ".PNG".
SkinImageFormat ImageFormatOfName(std::u16string_view upper_name);

// Unknown formats give an empty bitmap. PNG images are premultiplied by
// alpha when `premultiply_png` is set.
SkinBitmapPtr DecodeSkinImage(std::span<const std::uint8_t> bytes, SkinImageFormat format, bool premultiply_png);

}  // namespace vorlan::skin
