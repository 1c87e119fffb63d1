#include "paint/png_format.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>

#include "paint/image_errors.h"

namespace vorlan::paint::png {

int Header::Channels() const {
  switch (ColorType) {
    case 2:
      return 3;
    case 4:
      return 2;
    case 6:
      return 4;
    default:
      return 1;
  }
}

std::vector<Pass> Passes(const Header& h) {
  if (!h.Interlaced) return {{0, 0, 1, 1, h.Width, h.Height}};
  static constexpr uint32_t kAdam7[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                            {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
  std::vector<Pass> passes;
  for (const auto& p : kAdam7) {
    const uint32_t width = h.Width > p[0] ? (h.Width - p[0] + p[2] - 1) / p[2] : 0;
    const uint32_t height = h.Height > p[1] ? (h.Height - p[1] + p[3] - 1) / p[3] : 0;
    passes.push_back({p[0], p[1], p[2], p[3], width, height});
  }
  return passes;
}

uint64_t ExpectedDataSize(const Header& h) {
  uint64_t total = 0;
  for (const Pass& p : Passes(h)) {
    if (p.Width == 0 || p.Height == 0) continue;
    total += uint64_t(p.Height) * (1 + h.RowBytes(p.Width));
  }
  return total;
}

namespace {

uint8_t Paeth(int a, int b, int c) {
  const int p = a + b - c;
  const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return static_cast<uint8_t>(a);
  return static_cast<uint8_t>(pb <= pc ? b : c);
}

}  // namespace

namespace {

// One row, one loop per filter type: the type is read once per row, not per
// byte. `previous` is null on the first row, where it reads as zeros.
bool UnfilterRow(int filter, uint8_t* cur, const uint8_t* previous, size_t count, size_t bpp) {
  const size_t lead = std::min(bpp, count);  // bytes with no left neighbour
  switch (filter) {
    case 0:
      return true;
    case 1:
      for (size_t i = bpp; i < count; ++i) cur[i] = static_cast<uint8_t>(cur[i] + cur[i - bpp]);
      return true;
    case 2:
      if (previous == nullptr) return true;
      for (size_t i = 0; i < count; ++i) cur[i] = static_cast<uint8_t>(cur[i] + previous[i]);
      return true;
    case 3:
      if (previous == nullptr) {
        for (size_t i = bpp; i < count; ++i) cur[i] = static_cast<uint8_t>(cur[i] + (cur[i - bpp] >> 1));
        return true;
      }
      for (size_t i = 0; i < lead; ++i) cur[i] = static_cast<uint8_t>(cur[i] + (previous[i] >> 1));
      for (size_t i = lead; i < count; ++i) {
        cur[i] = static_cast<uint8_t>(cur[i] + ((cur[i - bpp] + previous[i]) >> 1));
      }
      return true;
    case 4:
      // With no row above, Paeth(a, 0, 0) is a: the Sub filter.
      if (previous == nullptr) return UnfilterRow(1, cur, previous, count, bpp);
      for (size_t i = 0; i < lead; ++i) cur[i] = static_cast<uint8_t>(cur[i] + previous[i]);
      for (size_t i = lead; i < count; ++i) {
        cur[i] = static_cast<uint8_t>(cur[i] + Paeth(cur[i - bpp], previous[i], previous[i - bpp]));
      }
      return true;
    default:
      return false;
  }
}

}  // namespace

bool Unfilter(std::span<uint8_t> rows, uint64_t rowBytes, uint32_t height, int filterStride) {
  const size_t stride = static_cast<size_t>(rowBytes) + 1;
  const auto bpp = static_cast<size_t>(filterStride);
  const uint8_t* previous = nullptr;
  for (uint32_t y = 0; y < height; ++y) {
    uint8_t* row = rows.data() + y * stride;
    uint8_t* cur = row + 1;
    // An empty row never reads its filter type.
    if (rowBytes > 0 && !UnfilterRow(row[0], cur, previous, static_cast<size_t>(rowBytes), bpp)) return false;
    previous = cur;
  }
  return true;
}

namespace {

class Inflater {
 public:
  Inflater() {
    if (inflateInit(&stream_) != Z_OK) throw ImageError(kPngInvalidFormat);
  }
  ~Inflater() { inflateEnd(&stream_); }
  Inflater(const Inflater&) = delete;
  Inflater& operator=(const Inflater&) = delete;
  z_stream* operator->() { return &stream_; }
  z_stream* get() { return &stream_; }

 private:
  z_stream stream_{};
};

}  // namespace

std::vector<uint8_t> InflateExactly(std::span<const std::span<const uint8_t>> pieces, uint64_t expected) {
  std::vector<uint8_t> out;
  // Grown as data arrives, so a tiny file claiming a huge picture costs nothing.
  out.resize(static_cast<size_t>(std::min<uint64_t>(expected, 1 << 16)));
  Inflater z;
  size_t produced = 0;
  uint8_t spare = 0;
  bool ended = false;
  for (const auto& piece : pieces) {
    z->next_in = const_cast<Bytef*>(piece.data());
    z->avail_in = static_cast<uInt>(piece.size());
    while (z->avail_in > 0 && !ended) {
      if (produced == out.size() && out.size() < expected) {
        out.resize(static_cast<size_t>(std::min<uint64_t>(expected, uint64_t(out.size()) * 2)));
      }
      const bool full = produced == expected;
      // Once the picture is complete, one spare byte catches surplus output.
      z->next_out = full ? &spare : out.data() + produced;
      z->avail_out = full ? 1 : static_cast<uInt>(std::min<size_t>(out.size() - produced, 1u << 30));
      const uInt before = z->avail_out;
      const int rc = inflate(z.get(), Z_NO_FLUSH);
      const uInt written = before - z->avail_out;
      if (full && written > 0) throw ImageError(kPngExtraCompressedData);
      if (!full) produced += written;
      if (rc == Z_STREAM_END) {
        ended = true;
      } else if (rc != Z_OK && rc != Z_BUF_ERROR) {
        throw ImageError(kPngInvalidFormat);
      } else if (rc == Z_BUF_ERROR && written == 0 && z->avail_in > 0) {
        throw ImageError(kPngInvalidFormat);
      }
    }
    if (ended) break;
  }
  if (!ended || produced != expected) throw ImageError(kPngInvalidFormat);
  return out;
}

}  // namespace vorlan::paint::png
