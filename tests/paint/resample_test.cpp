#include "paint/resample.h"

#include <gtest/gtest.h>

#include <random>

#include "paint/resample_kernels.h"
#include "paint_test_util.h"

namespace vorlan::paint {
namespace {

using testing::Filled;

TEST(ResampleFilters, ValuesAtKnownPoints) {
  struct Case {
    int filter;
    double x, value;
    const char* why;
  } cases[] = {
      {kFilterBox, 0.5, 1, "box includes 0.5"},           {kFilterBox, 0.51, 0, "box"},
      {kFilterTriangle, 0.25, 0.75, "triangle"},          {kFilterHermite, 0.5, 0.5, "hermite (2·.5 − 3)·.25 + 1"},
      {kFilterBell, 1.0, 0.125, "bell (1 − 1.5)² / 2"},   {kFilterBSpline, 0.0, 2.0 / 3, "b-spline centre"},
      {kFilterBSpline, 1.0, 1.0 / 6, "b-spline at 1"},    {kFilterLanczos3, 0.0, 1, "lanczos centre"},
      {kFilterLanczos3, 2.0, 0, "lanczos zero crossing"}, {kFilterMitchell, 0.0, 8.0 / 9, "mitchell centre"},
      {kFilterMitchell, 1.0, 1.0 / 18, "mitchell at 1"},  {kFilterMitchell, -1.0, 1.0 / 18, "symmetric"},
      {kFilterMitchell, 2.0, 0, "mitchell edge"},
  };
  for (const auto& c : cases) EXPECT_NEAR(FilterValue(c.filter, c.x), c.value, 1e-12) << c.why;
}

TEST(ResampleContributions, MirrorAtTheEdgesAndStayInside) {
  for (int filter = 0; filter < kFilterCount; ++filter) {
    for (auto [from, to] : {std::pair{2, 7}, {7, 2}, {852, 264}, {3, 3}, {5, 1}}) {
      const TContributions c = ComputeContributions(from, to, filter);
      ASSERT_EQ(c.Start.size(), size_t(to) + 1);
      for (int32_t index : c.Index) ASSERT_TRUE(index >= 0 && index < from) << filter << " " << from << "→" << to;
    }
  }
  // Upscaling 4 → 8 with the triangle: output 0 sits on source 0 with weight 65536.
  const TContributions c = ComputeContributions(4, 8, kFilterTriangle);
  ASSERT_EQ(c.Start[1] - c.Start[0], 1);
  EXPECT_EQ(c.Index[0], 0);
  EXPECT_EQ(c.Weight[0], 65536);
  // Output 1 sits at 0.5: sources 0 and 1 with half each.
  ASSERT_EQ(c.Start[2] - c.Start[1], 2);
  EXPECT_EQ(c.Weight[size_t(c.Start[1])], 32768);
}

TEST(ResampleBitmap, SameSizeCopiesAndDegenerateSizesDoNothing) {
  std::mt19937 rng(1);
  TBitmap32 src = testing::Random(5, 4, rng);
  TBitmap32 dst;
  ResampleBitmap(src, dst, 5, kFilterMitchell, 4);
  EXPECT_TRUE(testing::SamePixels(src, dst));

  TBitmap32 untouched = Filled(3, 3, 0x12345678);
  ResampleBitmap(src, untouched, 0, kFilterMitchell, 4);
  EXPECT_EQ(untouched.Size(), (TSize{3, 3})) << "width 0 does nothing";
  TBitmap32 narrow = Filled(1, 9, 0xFFFFFFFF);
  ResampleBitmap(narrow, untouched, 4, kFilterMitchell, 4);
  EXPECT_EQ(untouched.Pixel(0, 0), 0x12345678u) << "a one-pixel-wide source does nothing";
}

TEST(ResampleBitmap, HalvingWithTheBoxAveragesPairs) {
  // Columns 0, 100, 200, 50 halve to centres 0 and 2: the box of radius
  // 0.51 / 0.5 takes j with |c − j| × .5 ≤ .5, i.e. three sources with 1/2 each,
  // mirrored at the left edge.
  TBitmap32 src(4, 2);
  const int values[] = {0, 100, 200, 50};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) src.SetPixel(x, y, 0xFF000000u | uint32_t(values[x]));
  TBitmap32 dst;
  ResampleBitmap(src, dst, 2, kFilterBox, 2);
  ASSERT_EQ(dst.Size(), (TSize{2, 2}));
  // Output 0: j = −1 (→1), 0, 1 with weight 32768 each: (100 + 0 + 100) / 2 = 100.
  EXPECT_EQ(dst.Pixel(0, 0) & 0xFF, 100u);
  // Output 1: j = 1, 2, 3: (100 + 200 + 50) / 2 = 175.
  EXPECT_EQ(dst.Pixel(1, 0) & 0xFF, 175u);
  EXPECT_EQ(dst.Pixel(1, 1) >> 24, 255u) << "alpha over 0xFF0000 gives 255";
}

TEST(ResampleBitmap, SumsClampToTheByteRange) {
  static_assert(SumToByte(-5) == 0);
  static_assert(SumToByte(0xFF0000) == 255);
  static_assert(SumToByte(0xFF0001) == 255);
  static_assert(SumToByte(0x10FFFF) == 16);
  // A sharp edge through Lanczos overshoots; every channel must stay a byte.
  TBitmap32 src = Filled(8, 2, 0xFF000000);
  for (int x = 4; x < 8; ++x) src.SetPixel(x, 0, 0xFFFFFFFF), src.SetPixel(x, 1, 0xFFFFFFFF);
  TBitmap32 dst;
  ResampleBitmap(src, dst, 13, kFilterLanczos3, 2);
  for (int x = 0; x < 13; ++x) {
    const uint32_t blue = dst.Pixel(x, 0) & 0xFF;
    if (x <= 5) {
      EXPECT_LE(blue, 60u) << x << ": undershoot must clamp to 0, not wrap";
    }
    if (x >= 8) {
      EXPECT_GE(blue, 200u) << x << ": overshoot must clamp to 255, not wrap";
    }
    EXPECT_GE(dst.Pixel(x, 0) >> 24, 250u) << "flat alpha stays near opaque";
  }
}

TEST(ResampleKernels, FastPassesEqualTheReference) {
  std::mt19937 rng(2024);
  const std::pair<TSize, TSize> sizes[] = {
      {{97, 31}, {23, 13}}, {{16, 16}, {41, 37}}, {{400, 20}, {264, 13}}, {{3, 9}, {2, 4}}};
  for (const auto& [from, to] : sizes) {
    for (int filter = 0; filter < kFilterCount; ++filter) {
      const TBitmap32 src = testing::Random(from.Width, from.Height, rng);
      const TContributions across = ComputeContributions(from.Width, to.Width, filter);
      TBitmap32 fast(to.Width, from.Height), ref(to.Width, from.Height);
      ResampleRows(src, fast, across);
      ResampleRowsReference(src, ref, across);
      ASSERT_TRUE(testing::SamePixels(fast, ref)) << "rows, filter " << filter << " " << from.Width;
      const TContributions down = ComputeContributions(from.Height, to.Height, filter);
      TBitmap32 fast2(to.Width, to.Height), ref2(to.Width, to.Height);
      ResampleColumns(ref, fast2, down);
      ResampleColumnsReference(ref, ref2, down);
      ASSERT_TRUE(testing::SamePixels(fast2, ref2)) << "columns, filter " << filter << " " << from.Height;
    }
  }
}

// Random sizes up and down with every filter, about a million output samples
// in all; the first differing case is printed.
TEST(ResampleKernels, FastPassesEqualTheReferenceOnRandomSizes) {
  std::mt19937 rng(77);
  int64_t samples = 0;
  for (int round = 0; samples < 1000000; ++round) {
    const int from_w = 2 + int(rng() % 90), from_h = 1 + int(rng() % 40), to_w = 1 + int(rng() % 120);
    const int filter = int(rng() % kFilterCount);
    const TBitmap32 src = testing::Random(from_w, from_h, rng);
    const TContributions across = ComputeContributions(from_w, to_w, filter);
    TBitmap32 fast(to_w, from_h), ref(to_w, from_h);
    ResampleRows(src, fast, across);
    ResampleRowsReference(src, ref, across);
    ASSERT_TRUE(testing::SamePixels(fast, ref))
        << "round " << round << ": " << from_w << "x" << from_h << " to width " << to_w << " filter " << filter;
    const int to_h = 1 + int(rng() % 60);
    const TContributions down = ComputeContributions(from_h, to_h, filter);
    TBitmap32 fast2(to_w, to_h), ref2(to_w, to_h);
    ResampleColumns(ref, fast2, down);
    ResampleColumnsReference(ref, ref2, down);
    ASSERT_TRUE(testing::SamePixels(fast2, ref2))
        << "round " << round << ": height " << from_h << " to " << to_h << " filter " << filter;
    samples += int64_t(to_w) * (from_h + to_h);
  }
}

}  // namespace
}  // namespace vorlan::paint
