#pragma once

#include <cstdint>
#include <vector>

#include "paint/bitmap32.h"

// Two-pass separable resampling of 32-bit bitmaps.
namespace vorlan::paint {

inline constexpr int kFilterBox = 0;
inline constexpr int kFilterTriangle = 1;
inline constexpr int kFilterHermite = 2;
inline constexpr int kFilterBell = 3;
inline constexpr int kFilterBSpline = 4;
inline constexpr int kFilterLanczos3 = 5;
inline constexpr int kFilterMitchell = 6;
inline constexpr int kFilterCount = 7;

// dst becomes src resampled to newW × newH with filter 0..6 (an unknown
// filter number counts as Mitchell). Sizes equal to the source copy it; a
// width or height of 0 or less, or a source one pixel wide, leaves dst as
// it is.
void ResampleBitmap(const TBitmap32& src, TBitmap32& dst, int32_t newW, int filter, int32_t newH);

// The filter function and its support radius.
double FilterRadius(int filter);
double FilterValue(int filter, double x);

// The weights of one pass: output sample i takes Weight[k] × sample
// Index[k] for k in [Start[i], Start[i + 1]).
struct TContributions {
  std::vector<int32_t> Start;
  std::vector<int32_t> Index;
  std::vector<int32_t> Weight;  // 16.16 fixed point
};
TContributions ComputeContributions(int32_t oldSize, int32_t newSize, int filter);

// Channel value of a weighted sum: below 0 gives 0, below 0xFF0001 gives
// sum >> 16, otherwise 255.
constexpr uint32_t SumToByte(int32_t sum) {
  if (sum < 0) return 0;
  if (sum < 0xFF0001) return static_cast<uint32_t>(sum) >> 16;
  return 255;
}

}  // namespace vorlan::paint
