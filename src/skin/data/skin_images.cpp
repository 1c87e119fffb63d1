#include "skin/data/skin_images.h"

#include "skin/paint/bitmap32.h"

namespace vorlan::skin {

SkinImageFormat ImageFormatOfName(std::u16string_view upper_name) {
  const auto contains = [&](std::u16string_view part) { return upper_name.find(part) != std::u16string_view::npos; };
  if (contains(u".BMP")) return SkinImageFormat::Bitmap;
  if (contains(u".JPG") || contains(u".JPEG")) return SkinImageFormat::Jpeg;
  if (contains(u".PNG")) return SkinImageFormat::Png;
  return SkinImageFormat::Unknown;
}

SkinBitmapPtr DecodeSkinImage(std::span<const std::uint8_t>, SkinImageFormat, bool) {
  return std::make_shared<paint::TBitmap32>();
}

}  // namespace vorlan::skin
