#include <zlib.h>

#include <array>
#include <string_view>
#include <vector>

#include "paint/decoded_image.h"
#include "paint/image_errors.h"
#include "paint/pixel_math.h"
#include "paint/png_format.h"

namespace vorlan::paint {

namespace {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint32_t kMaxChunkLength = 0x7FFFFFFF;

uint32_t ReadBe32(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }

[[noreturn]] void Fail(const char* message) { throw ImageError(message); }

struct Chunk {
  std::string_view Type;
  std::span<const uint8_t> Data;
};

// Walks the chunks after the signature, checking each length and CRC.
class ChunkReader {
 public:
  explicit ChunkReader(std::span<const uint8_t> data) : data_(data), pos_(sizeof kSignature) {}

  bool AtEnd() const { return pos_ >= data_.size(); }

  Chunk Next() {
    if (data_.size() - pos_ < 12) Fail(kPngInvalidFormat);
    const uint8_t* head = data_.data() + pos_;
    const uint32_t length = ReadBe32(head);
    if (length > kMaxChunkLength || data_.size() - pos_ - 12 < length) Fail(kPngInvalidFormat);
    for (int i = 4; i < 8; ++i) {
      const uint8_t c = head[i];
      if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) Fail(kPngInvalidFormat);
    }
    const uint32_t stored_crc = ReadBe32(head + 8 + length);
    const uLong crc = crc32(crc32(0, nullptr, 0), head + 4, length + 4);
    if (crc != stored_crc) Fail(kPngInvalidFormat);
    pos_ += size_t{12} + length;
    return {std::string_view(reinterpret_cast<const char*>(head + 4), 4), {head + 8, length}};
  }

 private:
  std::span<const uint8_t> data_;
  size_t pos_;
};

bool IsCritical(std::string_view type) { return (type[0] & 0x20) == 0; }

bool ValidDepth(int colorType, int depth) {
  switch (colorType) {
    case 0:
      return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 3:
      return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case 2:
    case 4:
    case 6:
      return depth == 8 || depth == 16;
    default:
      return false;
  }
}

png::Header ReadHeader(const Chunk& chunk) {
  if (chunk.Type != "IHDR" || chunk.Data.size() != 13) Fail(kPngInvalidFormat);
  const uint8_t* d = chunk.Data.data();
  png::Header h;
  h.Width = ReadBe32(d);
  h.Height = ReadBe32(d + 4);
  h.BitDepth = d[8];
  h.ColorType = d[9];
  if (h.Width == 0 || h.Height == 0 || h.Width > uint32_t(TBitmap32::kMaxSide) ||
      h.Height > uint32_t(TBitmap32::kMaxSide) || uint64_t(h.Width) * h.Height > uint64_t(TBitmap32::kMaxPixels)) {
    Fail(kPngInvalidFormat);
  }
  if (!ValidDepth(h.ColorType, h.BitDepth)) Fail(kPngInvalidColorFormat);
  if (d[10] != 0) Fail(kPngUnsupportedCompression);
  if (d[11] != 0 || d[12] > 1) Fail(kPngInvalidFormat);
  h.Interlaced = d[12] == 1;
  return h;
}

using Palette = std::vector<uint32_t>;  // pixel words, alpha 255

Palette ReadPalette(const Chunk& chunk) {
  if (chunk.Data.empty() || chunk.Data.size() % 3 != 0 || chunk.Data.size() / 3 > 256) Fail(kPngInvalidPalette);
  Palette palette;
  for (size_t i = 0; i < chunk.Data.size(); i += 3) {
    palette.push_back(px::Pack(chunk.Data[i + 2], chunk.Data[i + 1], chunk.Data[i], 255));
  }
  return palette;
}

// Reads samples of one unfiltered row.
class SampleReader {
 public:
  SampleReader(const uint8_t* row, int depth) : row_(row), depth_(depth) {}

  // The next sample's raw value.
  int Raw() {
    int v;
    if (depth_ == 16) {
      v = row_[bit_ / 8] << 8 | row_[bit_ / 8 + 1];
    } else if (depth_ == 8) {
      v = row_[bit_ / 8];
    } else {
      const int shift = 8 - depth_ - static_cast<int>(bit_ % 8);
      v = (row_[bit_ / 8] >> shift) & ((1 << depth_) - 1);
    }
    bit_ += static_cast<size_t>(depth_);
    return v;
  }

  // The next sample brought to 0..255.
  int Byte() {
    const int v = Raw();
    switch (depth_) {
      case 1:
        return v * 255;
      case 2:
        return v * 85;
      case 4:
        return v * 17;
      case 16:
        return v * 255 / 65535;
      default:
        return v;
    }
  }

 private:
  const uint8_t* row_;
  int depth_;
  size_t bit_ = 0;
};

uint32_t NextPixel(SampleReader& samples, const png::Header& h, const Palette& palette) {
  switch (h.ColorType) {
    case 0: {
      const int g = samples.Byte();
      return px::Pack(g, g, g, 255);
    }
    case 2: {
      const int r = samples.Byte(), g = samples.Byte(), b = samples.Byte();
      return px::Pack(b, g, r, 255);
    }
    case 3: {
      const auto index = static_cast<size_t>(samples.Raw());
      return index < palette.size() ? palette[index] : px::Pack(0, 0, 0, 255);
    }
    case 4: {
      const int g = samples.Byte();
      samples.Byte();  // grey with alpha gives a grey picture without alpha
      return px::Pack(g, g, g, 255);
    }
    default: {
      const int r = samples.Byte(), g = samples.Byte(), b = samples.Byte(), a = samples.Byte();
      return px::Pack(b, g, r, a);
    }
  }
}

// The usual 8-bit RGB and RGBA rows without the per-sample reader; false
// for any other kind of row.
bool ConvertCommonRow(const uint8_t* row, const png::Header& h, const png::Pass& pass, uint32_t* out) {
  if (h.BitDepth != 8 || (h.ColorType != 2 && h.ColorType != 6)) return false;
  out += pass.X0;
  if (h.ColorType == 6) {
    for (uint32_t x = 0; x < pass.Width; ++x, row += 4) out[x * pass.DX] = px::Pack(row[2], row[1], row[0], row[3]);
  } else {
    for (uint32_t x = 0; x < pass.Width; ++x, row += 3) out[x * pass.DX] = px::Pack(row[2], row[1], row[0], 255);
  }
  return true;
}

}  // namespace

TDecodedImage DecodePng(std::span<const uint8_t> data) {
  if (data.size() < sizeof kSignature || !std::equal(std::begin(kSignature), std::end(kSignature), data.begin())) {
    Fail(kPngInvalidFormat);
  }
  ChunkReader chunks(data);
  const png::Header h = ReadHeader(chunks.Next());
  Palette palette;
  bool have_palette = false;
  std::vector<std::span<const uint8_t>> compressed;
  bool ended = false;
  while (!ended) {
    if (chunks.AtEnd()) Fail(kPngInvalidFormat);
    const Chunk chunk = chunks.Next();
    if (chunk.Type == "IDAT") {
      compressed.push_back(chunk.Data);
    } else if (chunk.Type == "PLTE") {
      if (have_palette || !compressed.empty()) Fail(kPngInvalidFormat);
      palette = ReadPalette(chunk);
      have_palette = true;
    } else if (chunk.Type == "IEND") {
      ended = true;
    } else if (chunk.Type == "IHDR" || IsCritical(chunk.Type)) {
      Fail(kPngUnknownCriticalChunk);
    }
  }
  if (h.ColorType == 3 && !have_palette) Fail(kPngInvalidPalette);
  if (compressed.empty()) Fail(kPngInvalidFormat);

  const uint64_t expected = png::ExpectedDataSize(h);
  std::vector<uint8_t> raw = png::InflateExactly(compressed, expected);

  TDecodedImage image{TBitmap32(static_cast<int32_t>(h.Width), static_cast<int32_t>(h.Height)), h.ColorType == 6};
  size_t offset = 0;
  for (const png::Pass& pass : png::Passes(h)) {
    if (pass.Width == 0 || pass.Height == 0) continue;
    const uint64_t row_bytes = h.RowBytes(pass.Width);
    const size_t size = static_cast<size_t>(pass.Height * (row_bytes + 1));
    const std::span<uint8_t> rows(raw.data() + offset, size);
    if (!png::Unfilter(rows, row_bytes, pass.Height, h.FilterStride())) Fail(kPngInvalidFormat);
    for (uint32_t y = 0; y < pass.Height; ++y) {
      const uint8_t* row = rows.data() + y * (row_bytes + 1) + 1;
      uint32_t* out = image.Bitmap.Row(static_cast<int32_t>(pass.Y0 + y * pass.DY));
      if (!ConvertCommonRow(row, h, pass, out)) {
        SampleReader samples(row, h.BitDepth);
        for (uint32_t x = 0; x < pass.Width; ++x) out[pass.X0 + x * pass.DX] = NextPixel(samples, h, palette);
      }
    }
    offset += size;
  }
  return image;
}

}  // namespace vorlan::paint
