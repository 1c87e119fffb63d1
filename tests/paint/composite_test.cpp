#include "paint/composite.h"

#include <gtest/gtest.h>

#include <random>

#include "paint/pixel_math.h"
#include "paint_test_util.h"

namespace vorlan::paint {
namespace {

using testing::Ch;
using testing::Filled;

uint32_t PlainComposite(uint32_t d, uint32_t s) {
  const int sa = Ch(s, 24);
  uint32_t out = 0;
  for (int shift : {0, 8, 16}) {
    const int v = (Ch(s, shift) - Ch(d, shift)) * sa + Ch(d, shift) * 256;
    out |= static_cast<uint32_t>(v >> 8) << shift;
  }
  int da = Ch(d, 24);
  if (sa != 0) da = da + ((255 - da) * sa >> 8);
  return out | static_cast<uint32_t>(da) << 24;
}

TEST(CompositeAlpha, MatchesThePlainFormulaOnRandomPixels) {
  std::mt19937 rng(11);
  for (TRowOrder order : {TRowOrder::BottomUp, TRowOrder::TopDown}) {
    TBitmap32 src = testing::Random(37, 5, rng, order);
    TBitmap32 dst = testing::Random(37, 5, rng);
    TBitmap32 before = dst.Clone();
    CompositeAlpha(dst.Bounds(), src.Bounds(), dst, false, EmptyCacheInfo(), src);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 37; ++x)
        ASSERT_EQ(dst.Pixel(x, y), PlainComposite(before.Pixel(x, y), src.Pixel(x, y))) << x << "," << y;
  }
}

TEST(CompositeAlpha, TransparentSourceLeavesTheDestination) {
  TBitmap32 src = Filled(2, 2, 0x00ABCDEF);
  TBitmap32 dst = Filled(2, 2, 0x12345678);
  CompositeAlpha(dst.Bounds(), src.Bounds(), dst, false, EmptyCacheInfo(), src);
  EXPECT_EQ(dst.Pixel(1, 1), 0x12345678u);
}

TEST(CompositeAlpha, KeyPixelsWithAReadyCache) {
  TBitmap32 parent = Filled(4, 4, 0x00445566);
  parent.SetPixel(2, 1, 0x10AABBCC);
  TBitmap32 src = Filled(1, 1, kKeyPixel);
  TBitmap32 dst = Filled(2, 2, 0x12345678);
  CompositeAlpha({1, 0, 2, 1}, src.Bounds(), dst, true, MakeCacheInfo(&parent, 1, 1), src);
  EXPECT_EQ(dst.Pixel(1, 0), 0xFFAABBCCu) << "parent pixel at (X + x, Y + y) with alpha 255";
  TBitmap32 dst2 = Filled(1, 1, 0x12345678);
  CompositeAlpha(dst2.Bounds(), src.Bounds(), dst2, false, MakeCacheInfo(&parent, 0, 0), src);
  EXPECT_EQ(dst2.Pixel(0, 0), 0x12345678u) << "skipped without useParent";
}

TEST(CompositeAlpha, CopiesTheSmallerSizeAndShiftsNegativeStarts) {
  TBitmap32 src = Filled(4, 4, 0xFF0000FF);
  TBitmap32 dst = Filled(4, 4, 0);
  CompositeAlpha({-1, 0, 2, 1}, {0, 0, 4, 4}, dst, false, EmptyCacheInfo(), src);
  std::string got;
  for (int x = 0; x < 4; ++x) got += dst.Pixel(x, 0) ? '#' : '.';
  EXPECT_EQ(got, "##..");
  EXPECT_EQ(dst.Pixel(0, 1), 0u);
}

TEST(CopyImage32, TransparencyScalesAlphaAndKeepsDestinationAlpha) {
  struct Case {
    uint32_t s, d;
    int transparency;
    uint32_t expected;
    const char* why;
  } cases[] = {
      {0xFF0000FF, 0x40000000, 0, 0xFF0000FE, "opaque: 255 × 255 >> 8, alpha max(dA, sA)"},
      {0x100000FF, 0x40000000, 0, 0x4000000F, "alpha 16 of 255; dA stays the larger"},
      {0xFF0000FF, 0x40000000, 50, 0x4000007E, "a = 50 × 255 / 100 = 127; dA unchanged"},
      {0xC80000C8, 0x00000000, 100, 0x00000000, "fully transparent"},
  };
  for (const auto& c : cases) {
    TBitmap32 src = Filled(1, 1, c.s);
    TBitmap32 dst = Filled(1, 1, c.d);
    CopyImage32(dst.Bounds(), src.Bounds(), dst, false, c.transparency, kNoColor, false, EmptyCacheInfo(), src);
    EXPECT_EQ(dst.Pixel(0, 0), c.expected) << c.why;
  }
}

TEST(CopyImage32, BlendColourColourisesTheGreyValue) {
  // Colour 0x000080 (red 128): raised by 127 to 255, the others to 127 → factors 1, .498, .498.
  TBitmap32 src = Filled(1, 1, 0xFF306090);  // g = (0x90 + 0x60 + 0x30) / 3 = 96
  TBitmap32 dst = Filled(1, 1, 0xFF000000);
  CopyImage32(dst.Bounds(), src.Bounds(), dst, false, 0, 0x000080, false, EmptyCacheInfo(), src);
  const int tinted = static_cast<int>(96 * (127 / 255.0));
  EXPECT_EQ(dst.Pixel(0, 0), px::Pack(tinted * 255 >> 8, tinted * 255 >> 8, 96 * 255 >> 8, 255));
}

TEST(CopyImage32, KeyTestedOnlyWithAReadyCache) {
  TBitmap32 parent = Filled(1, 1, 0x11223344);
  TBitmap32 src = Filled(1, 1, kKeyPixel);
  TBitmap32 dst = Filled(1, 1, 0x99000000);
  CopyImage32(dst.Bounds(), src.Bounds(), dst, false, 0, kNoColor, true, MakeCacheInfo(&parent, 0, 0), src);
  EXPECT_EQ(dst.Pixel(0, 0), 0x99223344u) << "parent colour, alpha unchanged";
  TBitmap32 dst2 = Filled(1, 1, 0x99000000);
  CopyImage32(dst2.Bounds(), src.Bounds(), dst2, false, 0, kNoColor, true, EmptyCacheInfo(), src);
  EXPECT_EQ(dst2.Pixel(0, 0), 0x99000000u) << "blended like any pixel: alpha 0 changes nothing";
}

TEST(CopyImage32, ReflectionFadesDownwards) {
  // Source 1 × 4, rows of alpha 255 and colour 200; destination 1 × 8.
  TBitmap32 src = Filled(1, 4, 0xFF0000C8);
  TBitmap32 dst = Filled(1, 8, 0xFF000000);
  CopyImage32({0, 0, 1, 4}, src.Bounds(), dst, true, 0, kNoColor, false, EmptyCacheInfo(), src);
  // n = 4, level 255 then 255 − 63 per row; alpha = 255 × (4 − i) / 4 × L / 512.
  const int levels[] = {255, 192, 129, 66};
  for (int i = 1; i <= 4; ++i) {
    const int a = 255 * (4 - i) / 4 * levels[i - 1] / 512;
    EXPECT_EQ(Ch(dst.Pixel(0, 3 + i), 0), (200 * a) >> 8) << "row " << i;
    EXPECT_EQ(Ch(dst.Pixel(0, 3 + i), 24), 255);
  }
}

}  // namespace
}  // namespace vorlan::paint
