#include "skin/data/skin_images.h"

#include "paint/adjust.h"
#include "paint/bitmap32.h"
#include "paint/decoded_image.h"
#include "paint/jpeg_decoder.h"

namespace vorlan::skin {

SkinImageFormat ImageFormatOfName(std::u16string_view upper_name) {
  const auto contains = [&](std::u16string_view part) { return upper_name.find(part) != std::u16string_view::npos; };
  if (contains(u".BMP")) return SkinImageFormat::Bitmap;
  if (contains(u".JPG") || contains(u".JPEG")) return SkinImageFormat::Jpeg;
  if (contains(u".PNG")) return SkinImageFormat::Png;
  return SkinImageFormat::Unknown;
}

SkinBitmapPtr DecodeSkinImage(std::span<const std::uint8_t> bytes, SkinImageFormat format, bool premultiply_png) {
  switch (format) {
    case SkinImageFormat::Bitmap:
      return std::make_shared<paint::TBitmap32>(paint::To32Bits(paint::DecodeBmp(bytes)));
    case SkinImageFormat::Jpeg:
      // An opaque picture; the key colour rule still applies to it.
      return std::make_shared<paint::TBitmap32>(paint::To32Bits(paint::TDecodedImage{paint::DecodeJpeg(bytes), false}));
    case SkinImageFormat::Png: {
      auto bitmap = std::make_shared<paint::TBitmap32>(paint::To32Bits(paint::DecodePng(bytes)));
      if (premultiply_png) paint::PremultiplyRect(*bitmap, bitmap->Bounds());
      return bitmap;
    }
    case SkinImageFormat::Unknown:
      break;
  }
  return std::make_shared<paint::TBitmap32>();
}

}  // namespace vorlan::skin
