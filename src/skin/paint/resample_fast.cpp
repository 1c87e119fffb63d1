#include <algorithm>
#include <vector>

#include "skin/paint/resample_kernels.h"

namespace vorlan::paint {

void ResampleRows(const TBitmap32& src, TBitmap32& dst, const TContributions& c) {
  ResampleRowsReference(src, dst, c);
}

// Row by row: every contributing source row is added into one accumulator
// row, which keeps the reads sequential.
void ResampleColumns(const TBitmap32& src, TBitmap32& dst, const TContributions& c) {
  const auto width = static_cast<size_t>(dst.Width());
  std::vector<int32_t> sums(width * 4);
  for (int32_t y = 0; y < dst.Height(); ++y) {
    std::fill(sums.begin(), sums.end(), 0);
    for (int32_t k = c.Start[size_t(y)]; k < c.Start[size_t(y) + 1]; ++k) {
      const auto* s = reinterpret_cast<const uint8_t*>(src.Row(c.Index[size_t(k)]));
      const int32_t w = c.Weight[size_t(k)];
      for (size_t i = 0; i < width * 4; ++i) sums[i] += w * s[i];
    }
    auto* d = reinterpret_cast<uint8_t*>(dst.Row(y));
    for (size_t i = 0; i < width * 4; ++i) d[i] = static_cast<uint8_t>(SumToByte(sums[i]));
  }
}

}  // namespace vorlan::paint
