#include "skin/draw/text_blur.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "paint/pixel_math.h"

namespace vorlan::skin {
namespace {

constexpr int kWidest = 16;
// Trimming stops once the trimmed share of the weight reaches 1/510.
constexpr int kTrimDivisor = 510;

// One pass over `count` samples `step` bytes apart. Every kept tap is 0 or 1
// and they share one denominator, so the weighted sum is computed exactly as
// an integer: a real-valued sum would truncate a flat 255 area to 254.
void BlurLine(uint8_t* first, ptrdiff_t step, int count, const TBlurTaps& taps, std::vector<uint8_t>& line) {
  line.resize(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) line[static_cast<size_t>(i)] = first[i * step];
  for (int i = 0; i < count; ++i) {
    int sum = 0;
    for (int t = -taps.Reach; t <= taps.Reach; ++t) {
      if (taps.Taps[static_cast<size_t>(t + taps.Reach)] == 0) continue;
      sum += line[static_cast<size_t>(std::clamp(i + t, 0, count - 1))];
    }
    first[i * step] = static_cast<uint8_t>(paint::px::ClampByte(sum / taps.Sum));
  }
}

}  // namespace

TBlurTaps BlurTapsFor(double radius) {
  std::array<int, 2 * kWidest + 1> all{};
  if (radius > 0) {
    for (int i = -kWidest; i <= kWidest; ++i) {
      const double x = i / radius;
      all[static_cast<size_t>(i + kWidest)] = static_cast<int>(paint::px::RoundHalfEven(std::exp(-x * x / 2)));
    }
  } else {
    all[kWidest] = 1;  // no spread: the mask stays as it is
  }
  int total = 0;
  for (int tap : all) total += tap;

  // w < 1/510 with w = trimmed / total, kept in integers.
  int reach = kWidest;
  int trimmed = 0;
  while (trimmed * kTrimDivisor < total && reach > 1) {
    trimmed += 2 * all[static_cast<size_t>(reach + kWidest)];
    --reach;
  }

  TBlurTaps taps;
  taps.Reach = reach;
  taps.Taps.assign(all.begin() + (kWidest - reach), all.begin() + (kWidest + reach + 1));
  taps.Sum = 0;
  for (int tap : taps.Taps) taps.Sum += tap;
  return taps;
}

void BlurMask8(TMask8View mask, double radius) {
  if (mask.Empty()) return;
  const TBlurTaps taps = BlurTapsFor(radius);
  if (taps.Sum == 1) return;  // only the centre tap: every sample stays
  std::vector<uint8_t> line;
  for (int32_t y = 0; y < mask.Height; ++y) BlurLine(mask.Row(y), 1, mask.Width, taps, line);
  for (int32_t x = 0; x < mask.Width; ++x) BlurLine(mask.Row(0) + x, mask.Stride, mask.Height, taps, line);
}

}  // namespace vorlan::skin
