#include "skin/draw/text_blur.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace vorlan::skin {
namespace {

std::string TapsText(const TBlurTaps& taps) {
  std::string out;
  for (int tap : taps.Taps) out += static_cast<char>('0' + tap);
  return out + "/" + std::to_string(taps.Sum);
}

TEST(BlurTapsFor, RoundsTheGaussianToBoxesAndTrimsTheOuterTap) {
  struct Case {
    double radius;
    const char* taps;
    const char* why;
  } cases[] = {
      {0.5, "010/1", "below about 0.85 only the centre tap is left"},
      {0.84, "010/1", "1.1774 × 0.84 < 1: the neighbours round to 0"},
      {0.86, "111/3", "1.1774 × 0.86 > 1: the neighbours round to 1, trimming stops at −1..1"},
      {2.0, "111/3", "five taps of 1, the outer pair trimmed"},
      {2.54, "111/3", "just below the radius where |i| = 3 rounds to 1"},
      {2.56, "11111/5", "just above it: seven taps, trimmed to five"},
      {3.0, "11111/5", "radius 3: a five-tap box"},
      {5.0, "111111111/9", "|i| ≤ 5 kept, then trimmed to 4"},
      {16.0, "1111111111111111111111111111111/31", "all 33 taps are 1; the outer pair goes"},
      {0.0, "010/1", "no radius: no spread instead of a division by zero"},
      {-3.0, "010/1", "a negative radius spreads nothing"},
      {std::numeric_limits<double>::quiet_NaN(), "010/1", "not a number spreads nothing"},
  };
  for (const auto& c : cases) {
    const TBlurTaps taps = BlurTapsFor(c.radius);
    EXPECT_EQ(TapsText(taps), c.taps) << "radius " << c.radius << ": " << c.why;
    EXPECT_EQ(static_cast<int>(taps.Taps.size()), 2 * taps.Reach + 1) << c.why;
  }
}

std::vector<uint8_t> BlurredRow(std::vector<uint8_t> row, double radius) {
  BlurMask8({row.data(), 0, static_cast<int32_t>(row.size()), 1}, radius);
  return row;
}

TEST(BlurMask8, AveragesEachRowWithEdgeSamplesRepeatedAndTruncates) {
  struct Case {
    std::vector<uint8_t> row;
    double radius;
    std::vector<uint8_t> expected;
    const char* why;
  } cases[] = {
      {{0, 255, 255, 255, 255, 255, 255}, 3, {102, 153, 204, 255, 255, 255, 255}, "the left edge repeats its 0"},
      {{255, 255, 255, 255, 255, 255, 0}, 3, {255, 255, 255, 255, 204, 153, 102}, "the right edge repeats its 0"},
      {{3, 4, 5}, 1, {3, 4, 4}, "14 / 3 truncates to 4"},
      {{255, 255, 255, 255}, 16, {255, 255, 255, 255}, "a flat mask stays exactly flat, not 254"},
      {{7, 7, 7, 7, 7}, 3, {7, 7, 7, 7, 7}, "a flat grey stays"},
      {{0, 255, 0, 255}, 0.5, {0, 255, 0, 255}, "a small radius leaves the mask alone"},
  };
  for (const auto& c : cases) EXPECT_EQ(BlurredRow(c.row, c.radius), c.expected) << c.why;
}

TEST(BlurMask8, BlursRowsThenColumnsThroughAnyStride) {
  // A 5 × 5 mask with one ink dot, stored bottom-up with 3 bytes of padding
  // per row that must stay untouched.
  constexpr int kW = 5, kH = 5, kStride = 8;
  std::vector<uint8_t> storage(kStride * kH, 0xAB);
  TMask8View view{storage.data() + (kH - 1) * kStride, -kStride, kW, kH};
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) view.Row(y)[x] = (x == 2 && y == 2) ? 0 : 255;

  BlurMask8(view, 1);

  // Rows: (255 + 0 + 255) / 3 = 170 beside the dot; columns: (255 + 255 + 170) / 3 = 226.
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      const bool nearDot = x >= 1 && x <= 3 && y >= 1 && y <= 3;
      EXPECT_EQ(view.Row(y)[x], nearDot ? 226 : 255) << "at " << x << "," << y;
    }
    for (int pad = kW; pad < kStride; ++pad) EXPECT_EQ(view.Row(y)[pad], 0xAB) << "padding of row " << y;
  }
}

TEST(BlurMask8, SmallRadiusOrEmptyMaskChangesNothing) {
  std::mt19937 rng(12);
  TMask8 mask(13, 7);
  for (int y = 0; y < mask.Height(); ++y)
    for (int x = 0; x < mask.Width(); ++x) mask.Set(x, y, static_cast<uint8_t>(rng()));
  std::vector<uint8_t> before;
  for (int y = 0; y < mask.Height(); ++y)
    for (int x = 0; x < mask.Width(); ++x) before.push_back(mask.At(x, y));

  BlurMask8(mask.View(), 0.8);
  BlurMask8(mask.View(), 0);
  std::vector<uint8_t> after;
  for (int y = 0; y < mask.Height(); ++y)
    for (int x = 0; x < mask.Width(); ++x) after.push_back(mask.At(x, y));
  EXPECT_EQ(after, before);

  TMask8 empty(0, 4);
  BlurMask8(empty.View(), 3);  // no rows to reach: nothing happens
  EXPECT_TRUE(empty.View().Empty());
}

}  // namespace
}  // namespace vorlan::skin
