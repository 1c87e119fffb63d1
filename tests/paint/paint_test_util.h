#pragma once

#include <cstdint>
#include <random>

#include "paint/bitmap32.h"

namespace vorlan::paint::testing {

inline TBitmap32 Filled(int32_t w, int32_t h, uint32_t word, TRowOrder order = TRowOrder::BottomUp) {
  TBitmap32 bmp(w, h, order);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) bmp.Row(y)[x] = word;
  return bmp;
}

inline TBitmap32 Random(int32_t w, int32_t h, std::mt19937& rng, TRowOrder order = TRowOrder::BottomUp) {
  TBitmap32 bmp(w, h, order);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) bmp.Row(y)[x] = static_cast<uint32_t>(rng());
  return bmp;
}

constexpr int Ch(uint32_t p, int shift) { return static_cast<int>(p >> shift & 0xFF); }

inline bool SamePixels(const TBitmap32& a, const TBitmap32& b) {
  if (a.Size() != b.Size()) return false;
  for (int32_t y = 0; y < a.Height(); ++y)
    for (int32_t x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

}  // namespace vorlan::paint::testing
