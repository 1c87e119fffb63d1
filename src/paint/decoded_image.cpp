#include "paint/decoded_image.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>

#include "paint/image_errors.h"
#include "paint/jpeg_decoder.h"

namespace vorlan::paint {

TBitmap32 To32Bits(TDecodedImage image) {
  if (!image.SourceIs32Bit) {
    TBitmap32& bmp = image.Bitmap;
    for (int32_t y = 0; y < bmp.Height(); ++y) {
      uint32_t* row = bmp.Row(y);
      for (int32_t x = 0; x < bmp.Width(); ++x) {
        const uint32_t colour = row[x] & 0x00FFFFFFu;
        row[x] = colour == kKeyPixel ? colour : colour | 0xFF000000u;
      }
    }
  }
  return std::move(image.Bitmap);
}

namespace {

enum class Format { Unknown, Bmp, Png, Jpeg };

Format FormatOfContent(std::span<const uint8_t> d) {
  if (d.size() >= 8 && d[0] == 0x89 && d[1] == 'P' && d[2] == 'N' && d[3] == 'G') return Format::Png;
  if (d.size() >= 2 && d[0] == 'B' && d[1] == 'M') return Format::Bmp;
  if (d.size() >= 3 && d[0] == 0xFF && d[1] == 0xD8 && d[2] == 0xFF) return Format::Jpeg;
  return Format::Unknown;
}

std::string LowerExtension(std::string_view fileName) {
  const size_t dot = fileName.find_last_of('.');
  const size_t slash = fileName.find_last_of("/\\");
  if (dot == std::string_view::npos || (slash != std::string_view::npos && slash > dot)) return {};
  std::string ext(fileName.substr(dot));
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  return ext;
}

Format FormatOfName(std::string_view fileName) {
  const std::string ext = LowerExtension(fileName);
  if (ext == ".bmp" || ext == ".dib") return Format::Bmp;
  if (ext == ".png") return Format::Png;
  if (ext == ".jpg" || ext == ".jpeg" || ext == ".jpe" || ext == ".jfif") return Format::Jpeg;
  return Format::Unknown;
}

}  // namespace

TDecodedImage DecodePicture(std::span<const uint8_t> data, std::string_view fileName) {
  Format format = FormatOfContent(data);
  if (format == Format::Unknown) format = FormatOfName(fileName);
  switch (format) {
    case Format::Bmp:
      return DecodeBmp(data);
    case Format::Png:
      return DecodePng(data);
    case Format::Jpeg: {
      TJpegPicture picture = DecodeJpegPicture(data);
      return {std::move(picture.Bitmap), picture.Cmyk};
    }
    case Format::Unknown:
      break;
  }
  char message[160];
  std::snprintf(message, sizeof message, kUnknownPictureFormat, LowerExtension(fileName).substr(0, 64).c_str());
  throw ImageError(message);
}

}  // namespace vorlan::paint
