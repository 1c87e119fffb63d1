#include <cmath>
#include <numbers>

#include "paint/pixel_math.h"
#include "paint/resample.h"

namespace vorlan::paint {

namespace {

double Sinc(double x) {
  if (x == 0) return 1;
  const double v = x * std::numbers::pi;
  return std::sin(v) / v;
}

}  // namespace

double FilterRadius(int filter) {
  switch (filter) {
    case kFilterBox:
      return 0.51;
    case kFilterTriangle:
    case kFilterHermite:
      return 1;
    case kFilterBell:
      return 1.5;
    case kFilterLanczos3:
      return 3;
    default:  // B-spline, Mitchell
      return 2;
  }
}

double FilterValue(int filter, double x) {
  x = std::fabs(x);
  switch (filter) {
    case kFilterBox:
      return x <= 0.5 ? 1 : 0;
    case kFilterTriangle:
      return x < 1 ? 1 - x : 0;
    case kFilterHermite:
      return x < 1 ? (2 * x - 3) * x * x + 1 : 0;
    case kFilterBell:
      if (x < 0.5) return 0.75 - x * x;
      return x < 1.5 ? (x - 1.5) * (x - 1.5) / 2 : 0;
    case kFilterBSpline:
      if (x < 1) return x * x * x / 2 - x * x + 2.0 / 3.0;
      return x < 2 ? (2 - x) * (2 - x) * (2 - x) / 6 : 0;
    case kFilterLanczos3:
      return x < 3 ? Sinc(x) * Sinc(x / 3) : 0;
    default:  // Mitchell, B = C = 1/3
      if (x < 1) return 7.0 / 6.0 * x * x * x - 2 * x * x + 8.0 / 9.0;
      return x < 2 ? -7.0 / 18.0 * x * x * x + 2 * x * x - 10.0 / 3.0 * x + 16.0 / 9.0 : 0;
  }
}

TContributions ComputeContributions(int32_t oldSize, int32_t newSize, int filter) {
  TContributions c;
  c.Start.reserve(static_cast<size_t>(newSize) + 1);
  const double scale = newSize < oldSize ? static_cast<double>(newSize) / oldSize : 1.0;
  const double radius = FilterRadius(filter) / scale;
  for (int32_t i = 0; i < newSize; ++i) {
    c.Start.push_back(static_cast<int32_t>(c.Index.size()));
    const double centre = static_cast<double>(oldSize) * i / newSize;
    const auto left = static_cast<int32_t>(std::floor(centre - radius));
    const auto right = static_cast<int32_t>(std::ceil(centre + radius));
    for (int32_t j = left; j <= right; ++j) {
      const double w = FilterValue(filter, (centre - j) * scale);
      if (w == 0) continue;
      int32_t n = j;
      if (n < 0) n = -n;
      if (n >= oldSize) n = 2 * oldSize - 1 - n;
      // Tiny sources with wide filters can mirror past either edge.
      n = n < 0 ? 0 : (n >= oldSize ? oldSize - 1 : n);
      c.Index.push_back(n);
      c.Weight.push_back(static_cast<int32_t>(px::RoundHalfEven(w * scale * 65536)));
    }
  }
  c.Start.push_back(static_cast<int32_t>(c.Index.size()));
  return c;
}

}  // namespace vorlan::paint
