#include "cli/image_bmp_writer.h"

#include <cstdint>

namespace vorlan::cli {

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;

void PutLe(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
}

}  // namespace

std::string EncodeBmp32TopDown(const paint::TBitmap32& bmp) {
  const auto width = static_cast<uint32_t>(bmp.Width());
  const auto height = static_cast<uint32_t>(bmp.Height());
  const uint32_t image_size = width * height * 4;
  std::string out;
  out.reserve(kFileHeaderSize + kInfoHeaderSize + image_size);
  out += "BM";
  PutLe(out, kFileHeaderSize + kInfoHeaderSize + image_size, 4);
  PutLe(out, 0, 4);  // reserved
  PutLe(out, kFileHeaderSize + kInfoHeaderSize, 4);
  PutLe(out, kInfoHeaderSize, 4);
  PutLe(out, width, 4);
  PutLe(out, static_cast<uint32_t>(-static_cast<int32_t>(height)), 4);
  PutLe(out, 1, 2);   // planes
  PutLe(out, 32, 2);  // bits per pixel
  PutLe(out, 0, 4);   // BI_RGB
  PutLe(out, image_size, 4);
  PutLe(out, 0, 4);  // horizontal resolution
  PutLe(out, 0, 4);  // vertical resolution
  PutLe(out, 0, 4);  // colours used
  PutLe(out, 0, 4);  // important colours
  for (int32_t y = 0; y < bmp.Height(); ++y) {
    const uint32_t* row = bmp.Row(y);
    for (int32_t x = 0; x < bmp.Width(); ++x) PutLe(out, row[x], 4);
  }
  return out;
}

}  // namespace vorlan::cli
