#include <vector>

#include "paint/pixel_math.h"
#include "paint/resample_kernels.h"

namespace vorlan::paint {

namespace {

uint32_t PackSums(const int32_t sum[4]) {
  return SumToByte(sum[0]) | SumToByte(sum[1]) << 8 | SumToByte(sum[2]) << 16 | SumToByte(sum[3]) << 24;
}

}  // namespace

void ResampleRowsReference(const TBitmap32& src, TBitmap32& dst, const TContributions& c) {
  for (int32_t y = 0; y < dst.Height(); ++y) {
    const uint32_t* s = src.Row(y);
    uint32_t* d = dst.Row(y);
    for (int32_t x = 0; x < dst.Width(); ++x) {
      int32_t sum[4] = {0, 0, 0, 0};
      for (int32_t k = c.Start[size_t(x)]; k < c.Start[size_t(x) + 1]; ++k) {
        const uint32_t p = s[c.Index[size_t(k)]];
        const int32_t w = c.Weight[size_t(k)];
        for (int ch = 0; ch < 4; ++ch) sum[ch] += w * px::Channel(p, ch * 8);
      }
      d[x] = PackSums(sum);
    }
  }
}

void ResampleColumnsReference(const TBitmap32& src, TBitmap32& dst, const TContributions& c) {
  for (int32_t y = 0; y < dst.Height(); ++y) {
    uint32_t* d = dst.Row(y);
    for (int32_t x = 0; x < dst.Width(); ++x) {
      int32_t sum[4] = {0, 0, 0, 0};
      for (int32_t k = c.Start[size_t(y)]; k < c.Start[size_t(y) + 1]; ++k) {
        const uint32_t p = src.Row(c.Index[size_t(k)])[x];
        const int32_t w = c.Weight[size_t(k)];
        for (int ch = 0; ch < 4; ++ch) sum[ch] += w * px::Channel(p, ch * 8);
      }
      d[x] = PackSums(sum);
    }
  }
}

}  // namespace vorlan::paint
