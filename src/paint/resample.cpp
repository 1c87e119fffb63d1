#include "paint/resample.h"

#include <cstring>

#include "paint/resample_kernels.h"

namespace vorlan::paint {

void ResampleBitmap(const TBitmap32& src, TBitmap32& dst, int32_t newW, int filter, int32_t newH) {
  if (newW <= 0 || newH <= 0 || src.Empty() || src.Width() == 1) return;
  if (filter < 0 || filter >= kFilterCount) filter = kFilterMitchell;
  if (newW == src.Width() && newH == src.Height()) {
    dst = src.Clone();
    return;
  }
  TBitmap32 between(newW, src.Height());
  ResampleRows(src, between, ComputeContributions(src.Width(), newW, filter));
  TBitmap32 out(newW, newH);
  ResampleColumns(between, out, ComputeContributions(src.Height(), newH, filter));
  dst = std::move(out);
}

}  // namespace vorlan::paint
