#include "paint/stretch.h"

#include <vector>

namespace vorlan::paint {

namespace {

// Source index of each destination index along one axis.
std::vector<int32_t> NearestIndexes(int32_t dst_length, int32_t src_start, int32_t src_length) {
  std::vector<int32_t> indexes(static_cast<size_t>(dst_length));
  for (int32_t i = 0; i < dst_length; ++i) {
    indexes[static_cast<size_t>(i)] =
        src_start + static_cast<int32_t>((2 * int64_t{i} + 1) * src_length / (2 * int64_t{dst_length}));
  }
  return indexes;
}

}  // namespace

void StretchNearest(TBitmap32& dst, const TRect& dstRect, const TBitmap32& src, const TRect& srcRect) {
  if (dstRect.IsEmpty() || srcRect.IsEmpty() || dst.Empty() || src.Empty()) return;
  const auto xs = NearestIndexes(dstRect.Width(), srcRect.Left, srcRect.Width());
  const auto ys = NearestIndexes(dstRect.Height(), srcRect.Top, srcRect.Height());
  for (int32_t row = 0; row < dstRect.Height(); ++row) {
    const int32_t dy = dstRect.Top + row;
    const int32_t sy = ys[static_cast<size_t>(row)];
    if (dy < 0 || dy >= dst.Height() || sy < 0 || sy >= src.Height()) continue;
    uint32_t* d = dst.Row(dy);
    const uint32_t* s = src.Row(sy);
    for (int32_t i = 0; i < dstRect.Width(); ++i) {
      const int32_t dx = dstRect.Left + i;
      const int32_t sx = xs[static_cast<size_t>(i)];
      if (dx >= 0 && dx < dst.Width() && sx >= 0 && sx < src.Width()) d[dx] = s[sx];
    }
  }
}

}  // namespace vorlan::paint
