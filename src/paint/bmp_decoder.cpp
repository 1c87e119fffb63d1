#include <array>
#include <bit>
#include <vector>

#include "paint/decoded_image.h"
#include "paint/image_errors.h"
#include "paint/pixel_math.h"

namespace vorlan::paint {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;

[[noreturn]] void Fail() { throw ImageError(kBmpInvalid); }

class Bytes {
 public:
  explicit Bytes(std::span<const uint8_t> data) : data_(data) {}
  size_t Size() const { return data_.size(); }
  bool Has(uint64_t offset, uint64_t length) const { return offset <= data_.size() && length <= data_.size() - offset; }
  uint16_t U16(size_t at) const {
    if (!Has(at, 2)) Fail();
    return static_cast<uint16_t>(data_[at] | data_[at + 1] << 8);
  }
  uint32_t U32(size_t at) const {
    if (!Has(at, 4)) Fail();
    return uint32_t(data_[at]) | uint32_t(data_[at + 1]) << 8 | uint32_t(data_[at + 2]) << 16 |
           uint32_t(data_[at + 3]) << 24;
  }
  const uint8_t* At(size_t at) const { return data_.data() + at; }

 private:
  std::span<const uint8_t> data_;
};

struct BmpHeader {
  int32_t Width = 0;
  int32_t Height = 0;  // rows; positive
  bool TopDown = false;
  int Bpp = 0;
  uint32_t Compression = kBiRgb;
  uint32_t ColorsUsed = 0;
  bool Core = false;
  std::array<uint32_t, 4> Masks{};  // R, G, B, A for BI_BITFIELDS
  size_t PaletteAt = 0;
};

BmpHeader ReadHeader(const Bytes& b) {
  if (b.Size() < kFileHeaderSize + 4 || b.At(0)[0] != 'B' || b.At(0)[1] != 'M') Fail();
  const uint32_t size = b.U32(kFileHeaderSize);
  BmpHeader h;
  if (size == kCoreHeaderSize) {
    h.Core = true;
    h.Width = b.U16(18);
    h.Height = b.U16(20);
    if (b.U16(22) != 1) Fail();
    h.Bpp = b.U16(24);
  } else if (size >= kInfoHeaderSize && b.Has(kFileHeaderSize, size)) {
    const auto width = static_cast<int32_t>(b.U32(18));
    const auto height = static_cast<int32_t>(b.U32(22));
    if (width <= 0 || height == 0 || height == INT32_MIN) Fail();
    h.Width = width;
    h.TopDown = height < 0;
    h.Height = height < 0 ? -height : height;
    if (b.U16(26) != 1) Fail();
    h.Bpp = b.U16(28);
    h.Compression = b.U32(30);
    h.ColorsUsed = b.U32(46);
  } else {
    Fail();
  }
  if (h.Width <= 0 || h.Height <= 0 || h.Width > TBitmap32::kMaxSide || h.Height > TBitmap32::kMaxSide ||
      int64_t{h.Width} * h.Height > TBitmap32::kMaxPixels) {
    Fail();
  }
  if (h.Bpp != 1 && h.Bpp != 4 && h.Bpp != 8 && h.Bpp != 24 && h.Bpp != 32) Fail();
  h.PaletteAt = kFileHeaderSize + size;
  if (h.Compression == kBiBitfields) {
    if (h.Bpp != 32) Fail();
    // A plain info header is followed by the three masks; later headers hold them (and alpha).
    const size_t masks_at = kFileHeaderSize + kInfoHeaderSize;
    h.Masks = {b.U32(masks_at), b.U32(masks_at + 4), b.U32(masks_at + 8), size >= 56 ? b.U32(masks_at + 12) : 0};
    if (size == kInfoHeaderSize) h.PaletteAt += 12;
  } else if (h.Compression != kBiRgb) {
    Fail();
  }
  return h;
}

std::vector<uint32_t> ReadPalette(const Bytes& b, const BmpHeader& h, size_t pixelsAt) {
  const size_t entry = h.Core ? 3 : 4;
  size_t count = size_t{1} << h.Bpp;
  if (h.ColorsUsed != 0 && h.ColorsUsed < count) count = h.ColorsUsed;
  // A palette may be cut short by the pixel data; missing entries are black.
  if (pixelsAt > h.PaletteAt) count = std::min(count, (pixelsAt - h.PaletteAt) / entry);
  std::vector<uint32_t> palette;
  for (size_t i = 0; i < count; ++i) {
    const size_t at = h.PaletteAt + i * entry;
    if (!b.Has(at, entry)) Fail();
    const uint8_t* p = b.At(at);
    palette.push_back(px::Pack(p[0], p[1], p[2], 255));
  }
  return palette;
}

// A channel taken out of a word by its mask and scaled to 0..255.
int MaskedChannel(uint32_t word, uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const uint32_t max = mask >> shift;
  return static_cast<int>(uint64_t((word & mask) >> shift) * 255 / max);
}

}  // namespace

TDecodedImage DecodeBmp(std::span<const uint8_t> data) {
  const Bytes b(data);
  const BmpHeader h = ReadHeader(b);
  size_t pixels_at = b.U32(10);
  const uint64_t row_bytes = (uint64_t(h.Width) * uint64_t(h.Bpp) + 31) / 32 * 4;
  const uint64_t needed = row_bytes * uint64_t(h.Height);
  if (pixels_at < h.PaletteAt || !b.Has(pixels_at, needed)) Fail();
  const std::vector<uint32_t> palette = h.Bpp <= 8 ? ReadPalette(b, h, pixels_at) : std::vector<uint32_t>{};

  TDecodedImage image{TBitmap32(h.Width, h.Height), h.Bpp == 32};
  const bool alpha_masked = h.Compression == kBiBitfields && h.Masks[3] != 0;
  for (int32_t row = 0; row < h.Height; ++row) {
    const uint8_t* s = b.At(pixels_at + static_cast<size_t>(row_bytes) * static_cast<size_t>(row));
    uint32_t* d = image.Bitmap.Row(h.TopDown ? row : h.Height - 1 - row);
    for (int32_t x = 0; x < h.Width; ++x) {
      switch (h.Bpp) {
        case 32: {
          const uint32_t word = uint32_t(s[x * 4]) | uint32_t(s[x * 4 + 1]) << 8 | uint32_t(s[x * 4 + 2]) << 16 |
                                uint32_t(s[x * 4 + 3]) << 24;
          if (h.Compression == kBiRgb) {
            d[x] = word;
          } else {
            d[x] = px::Pack(MaskedChannel(word, h.Masks[2]), MaskedChannel(word, h.Masks[1]),
                            MaskedChannel(word, h.Masks[0]), alpha_masked ? MaskedChannel(word, h.Masks[3]) : 255);
          }
          break;
        }
        case 24:
          d[x] = px::Pack(s[x * 3], s[x * 3 + 1], s[x * 3 + 2], 255);
          break;
        default: {
          const int per_byte = 8 / h.Bpp;
          const int shift = 8 - h.Bpp * (x % per_byte + 1);
          const size_t index = (s[x / per_byte] >> shift) & ((1 << h.Bpp) - 1);
          d[x] = index < palette.size() ? palette[index] : px::Pack(0, 0, 0, 255);
        }
      }
    }
  }
  return image;
}

}  // namespace vorlan::paint
