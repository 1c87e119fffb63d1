#include "cli/image_png_writer.h"

#include <zlib.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/error.h"

namespace vorlan::cli {
namespace {

void PutBe32(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>(value >> shift & 0xFF));
}

void PutChunk(std::string& out, std::string_view type, std::string_view data) {
  PutBe32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out += type;
  out += data;
  const auto* bytes = reinterpret_cast<const Bytef*>(out.data() + start);
  PutBe32(out, static_cast<std::uint32_t>(crc32(0, bytes, static_cast<uInt>(out.size() - start))));
}

// Each row: filter type 0, then R, G, B, A per pixel.
std::vector<std::uint8_t> RawRows(const paint::TBitmap32& bmp) {
  std::vector<std::uint8_t> raw;
  raw.reserve(static_cast<std::size_t>(bmp.Height()) * (static_cast<std::size_t>(bmp.Width()) * 4 + 1));
  for (std::int32_t y = 0; y < bmp.Height(); ++y) {
    raw.push_back(0);
    const std::uint32_t* row = bmp.Row(y);
    for (std::int32_t x = 0; x < bmp.Width(); ++x) {
      const std::uint32_t p = row[x];
      raw.insert(raw.end(), {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                             static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(p >> 24)});
    }
  }
  return raw;
}

}  // namespace

std::string EncodePngRgba(const paint::TBitmap32& bmp) {
  const std::vector<std::uint8_t> raw = RawRows(bmp);
  uLongf packed_size = compressBound(static_cast<uLong>(raw.size()));
  std::string packed(packed_size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packed_size, raw.data(), static_cast<uLong>(raw.size()),
                Z_BEST_SPEED) != Z_OK) {
    throw Error("Cannot compress the PNG image data.");
  }
  packed.resize(packed_size);
  std::string header;
  PutBe32(header, static_cast<std::uint32_t>(bmp.Width()));
  PutBe32(header, static_cast<std::uint32_t>(bmp.Height()));
  header += std::string_view("\x08\x06\x00\x00\x00", 5);  // 8 bits, RGBA, deflate, adaptive filters, no interlace
  std::string out("\x89PNG\r\n\x1a\n", 8);
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", packed);
  PutChunk(out, "IEND", {});
  return out;
}

}  // namespace vorlan::cli
