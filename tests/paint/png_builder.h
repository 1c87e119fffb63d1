#pragma once

#include <zlib.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Builds PNG files for the decoder tests: any colour type and depth,
// interlaced or not, every row filter, and hand-broken variants.
namespace vorlan::paint::testing {

using Bytes = std::vector<uint8_t>;

inline void PutBe32(Bytes& out, uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<uint8_t>(v >> s));
}

inline Bytes PngChunk(const std::string& type, const Bytes& data) {
  Bytes out;
  PutBe32(out, static_cast<uint32_t>(data.size()));
  Bytes body(type.begin(), type.end());
  body.insert(body.end(), data.begin(), data.end());
  out.insert(out.end(), body.begin(), body.end());
  PutBe32(out, static_cast<uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size()))));
  return out;
}

inline Bytes Ihdr(uint32_t w, uint32_t h, int depth, int colorType, int compression = 0, int filter = 0,
                  int interlace = 0) {
  Bytes d;
  PutBe32(d, w);
  PutBe32(d, h);
  d.insert(d.end(), {uint8_t(depth), uint8_t(colorType), uint8_t(compression), uint8_t(filter), uint8_t(interlace)});
  return d;
}

inline Bytes Compress(const Bytes& raw) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  Bytes out(size);
  compress(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()));
  out.resize(size);
  return out;
}

inline Bytes PngFile(const std::vector<Bytes>& chunks) {
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  for (const Bytes& c : chunks) out.insert(out.end(), c.begin(), c.end());
  return out;
}

inline int Channels(int colorType) { return colorType == 2 ? 3 : colorType == 4 ? 2 : colorType == 6 ? 4 : 1; }

inline uint8_t PaethPredictor(int a, int b, int c) {
  const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  return static_cast<uint8_t>(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

// The filtered, uncompressed image data. sample(x, y, channel) gives a raw
// sample value of the picture; rows use filter types 0..4 in turn.
inline Bytes RawImageData(uint32_t w, uint32_t h, int depth, int colorType, bool interlaced,
                          const std::function<int(uint32_t, uint32_t, int)>& sample) {
  struct P {
    uint32_t x0, y0, dx, dy;
  };
  const std::vector<P> passes = interlaced ? std::vector<P>{{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                                            {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}}
                                           : std::vector<P>{{0, 0, 1, 1}};
  const int channels = Channels(colorType);
  const size_t bpp = std::max<size_t>(1, size_t(channels * depth) / 8);
  Bytes out;
  int filter = 0;
  for (const P& p : passes) {
    std::vector<uint32_t> xs, ys;
    for (uint32_t x = p.x0; x < w; x += p.dx) xs.push_back(x);
    for (uint32_t y = p.y0; y < h; y += p.dy) ys.push_back(y);
    if (xs.empty() || ys.empty()) continue;
    const size_t row_bytes = (xs.size() * size_t(channels * depth) + 7) / 8;
    Bytes previous(row_bytes, 0);
    for (uint32_t y : ys) {
      Bytes row(row_bytes, 0);
      size_t bit = 0;
      for (uint32_t x : xs) {
        for (int c = 0; c < channels; ++c) {
          const int v = sample(x, y, c);
          if (depth == 16) {
            row[bit / 8] = uint8_t(v >> 8), row[bit / 8 + 1] = uint8_t(v);
          } else {
            row[bit / 8] |= uint8_t(v << (8 - depth - int(bit % 8)));
          }
          bit += size_t(depth);
        }
      }
      out.push_back(uint8_t(filter));
      for (size_t i = 0; i < row_bytes; ++i) {
        const int a = i >= bpp ? row[i - bpp] : 0, b = previous[i], c = i >= bpp ? previous[i - bpp] : 0;
        const int predictor = filter == 0   ? 0
                              : filter == 1 ? a
                              : filter == 2 ? b
                              : filter == 3 ? (a + b) / 2
                                            : PaethPredictor(a, b, c);
        out.push_back(uint8_t(row[i] - predictor));
      }
      previous = row;
      filter = (filter + 1) % 5;
    }
  }
  return out;
}

}  // namespace vorlan::paint::testing
