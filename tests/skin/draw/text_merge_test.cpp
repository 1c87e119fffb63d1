#include "skin/draw/text_merge.h"

#include <gtest/gtest.h>

#include <string>

#include "paint/paint_test_util.h"
#include "skin/draw/text_blur.h"
#include "skin/draw/text_glow.h"

namespace vorlan::skin {
namespace {

using paint::TBitmap32;
using paint::TRect;
using paint::TRowOrder;
using paint::testing::Filled;

// Which pixels differ from `untouched`, row by row, as '#' and '.'.
std::string Changed(const TBitmap32& bmp, uint32_t untouched) {
  std::string out;
  for (int y = 0; y < bmp.Height(); ++y) {
    for (int x = 0; x < bmp.Width(); ++x) out += bmp.Pixel(x, y) == untouched ? '.' : '#';
    out += '/';
  }
  return out;
}

uint32_t MergedPixel(uint32_t dst, uint32_t coverage, bool keepAlpha, paint::TColor color) {
  TBitmap32 bmp = Filled(1, 1, dst);
  MergeTextCoverage(bmp, Filled(1, 1, coverage), {0, 0, 1, 1}, keepAlpha, color);
  return bmp.Pixel(0, 0);
}

TEST(MergeTextCoverage, WeighsEachChannelOrTheMeanCoverage) {
  struct Case {
    uint32_t dst, coverage;
    bool keepAlpha;
    paint::TColor color;
    uint32_t expected;
    const char* why;
  } cases[] = {
      {0x00123456, 0x00000000, false, 0x000000FF, 0xFFFF0000, "solid ink gives the colour (0x00BBGGRR), opaque"},
      {0x00102030, 0x00C08040, false, 0x00000000, 0xFF0C100C,
       "each channel by its own coverage: 48×64>>8, 32×128>>8, 16×192>>8"},
      {0x33FFFFFF, 0xFEFFFFFF, false, 0x00000000, 0xFFFEFEFE,
       "white with another alpha is ink of weight 255: 255 becomes 254"},
      {0x00FFFFFF, 0x00404040, true, 0x000000FF, 0xBFBE2F2F,
       "A = 255 − 64; channels blended by 64 then times 191 >> 16"},
      {0xC8102030, 0x00FEFFFF, true, 0x00000000, 0xC80C1825,
       "mean (254+255+255) div 3 = 254; the higher old alpha stays"},
      {0x44102030, 0x00000202, true, 0x00FFFFFF, 0xFEFCFCFC, "mean (0+2+2) div 3 = 1, not one channel: A = 254"},
      {0x00123456, 0x00FFFFFF, false, 0x00000000, 0x00123456, "paper with alpha 0 is left out"},
      {0x00123456, 0xFFFFFFFF, true, 0x00000000, 0x00123456, "paper with alpha 255 is left out"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MergedPixel(c.dst, c.coverage, c.keepAlpha, c.color), c.expected) << std::hex << c.why;
  }
}

TEST(MergeTextCoverage, WritesOnlyWhereTargetCoverageAndBitmapOverlap) {
  constexpr uint32_t kOld = 0x11223344;
  struct Case {
    int coverW, coverH;
    TRect target;
    const char* changed;
    const char* why;
  } cases[] = {
      {4, 3, {-1, 2, 3, 5}, "....../....../###.../###.../", "clipped at the left and the bottom"},
      {5, 5, {1, 1, 3, 2}, "....../.##.../....../....../", "a coverage larger than the target stops at the target"},
      {2, 1, {3, 0, 9, 9}, "...##./....../....../....../", "a coverage smaller than the target stops at its own size"},
      {4, 4, {6, 0, 9, 4}, "....../....../....../....../", "a target right of the bitmap writes nothing"},
      {4, 4, {2, 2, 1, 1}, "....../....../....../....../", "an inverted target writes nothing"},
  };
  for (const auto& c : cases) {
    for (TRowOrder order : {TRowOrder::BottomUp, TRowOrder::TopDown}) {
      TBitmap32 bmp = Filled(6, 4, kOld, order);
      MergeTextCoverage(bmp, Filled(c.coverW, c.coverH, 0), c.target, false, 0);
      EXPECT_EQ(Changed(bmp, kOld), c.changed) << c.why;
    }
  }
  // The coverage pixel merged at a place is the one at the same offset from the target's corner.
  TBitmap32 cover = Filled(3, 2, 0x00FFFFFF);
  cover.SetPixel(2, 1, 0);
  TBitmap32 bmp = Filled(6, 4, kOld);
  MergeTextCoverage(bmp, cover, {-1, 1, 2, 3}, false, 0);
  EXPECT_EQ(Changed(bmp, kOld), "....../....../.#..../....../");
}

uint32_t GlowPixel(uint32_t dst, uint8_t m, paint::TColor color) {
  TBitmap32 bmp = Filled(1, 1, dst);
  TMask8 mask(1, 1, m);
  MergeGlowMask(bmp, mask.View(), {0, 0}, color);
  return bmp.Pixel(0, 0);
}

TEST(MergeGlowMask, RaisesAlphaAndBlendsByCoverage) {
  struct Case {
    uint32_t dst;
    uint8_t m;
    paint::TColor color;
    uint32_t expected;
    const char* why;
  } cases[] = {
      {0x00FFFFFF, 0, 0x000000FF, 0xFEFE0000, "full coverage weighs by 255/256: 254, not 255"},
      {0x80102030, 100, 0x00FFFFFF, 0xCCA0A6AD, "A 128 + 127×155>>8; (155×255 + 100×ch)>>8"},
      {0x00FFFFFF, 254, 0x00000000, 0x00FDFDFD, "u = 1: alpha stays 0, white weighs 254×255>>8 = 253"},
      {0x00FFFFFF, 255, 0x00000000, 0x00FFFFFF, "m = 255 is skipped, so the white is not darkened"},
  };
  for (const auto& c : cases) EXPECT_EQ(GlowPixel(c.dst, c.m, c.color), c.expected) << std::hex << c.why;
}

TEST(MergeGlowMask, WritesOnlyInsideTheBitmapAndTheClip) {
  constexpr uint32_t kOld = 0x11223344;
  TMask8 ink(4, 4, 0);
  TBitmap32 bmp = Filled(5, 4, kOld);
  MergeGlowMask(bmp, ink.View(), {-2, -1}, 0);
  EXPECT_EQ(Changed(bmp, kOld), "##.../##.../##.../...../");

  TBitmap32 clipped = Filled(5, 4, kOld);
  MergeGlowMask(clipped, ink.View(), {-2, -1}, 0, {1, 1, 5, 5});
  EXPECT_EQ(Changed(clipped, kOld), "...../.#.../.#.../...../");

  TMask8 dot(4, 4);
  dot.Set(3, 1, 0);
  TBitmap32 placed = Filled(5, 4, kOld);
  MergeGlowMask(placed, dot.View(), {1, 2}, 0);
  EXPECT_EQ(Changed(placed, kOld), "...../...../...../....#/") << "mask (3, 1) lands at (4, 3)";
}

TEST(GlowLayoutFor, MovesTheTextByOneAndGrowsTheMaskBySizePlusFour) {
  const TGlowLayout layout = GlowLayoutFor({10, 20, 50, 36}, 3);
  EXPECT_EQ(layout.Mask, (TRect{4, 14, 58, 44}));
  EXPECT_EQ(layout.Text, (TRect{7, 7, 47, 23}));
  EXPECT_EQ(layout.Origin, (paint::TPoint{4, 14}));

  using Offsets = std::vector<paint::TPoint>;
  EXPECT_EQ(GlowTextOffsets(0), (Offsets{{0, 0}})) << "the text in place only";
  EXPECT_EQ(GlowTextOffsets(kGlowAllSides), (Offsets{{-1, 0}, {0, -1}, {1, 0}, {0, 1}, {0, 0}}))
      << "left, up, right, down, then in place";
  EXPECT_EQ(GlowTextOffsets(kGlowRight | kGlowLeft), (Offsets{{-1, 0}, {1, 0}, {0, 0}}));
}

TEST(GlowPipeline, TheHaloReachesTheTrimmedTapsAroundTheTextAndNoFurther) {
  // The steps of a glow: text inked into the mask, blurred, merged; the
  // halo spreads by the kept reach on each side of the ink and stays inside
  // the mask's place.
  constexpr uint32_t kOld = 0x00FFFFFF;
  const TRect text{6, 5, 10, 7};
  const int size = 3;
  const TGlowLayout layout = GlowLayoutFor(text, size);
  TMask8 mask(layout.Mask.Width(), layout.Mask.Height());
  for (int y = layout.Text.Top; y < layout.Text.Bottom; ++y)
    for (int x = layout.Text.Left; x < layout.Text.Right; ++x) mask.Set(x, y, 0);
  BlurMask8(mask.View(), size);
  TBitmap32 bmp = Filled(20, 16, kOld);
  MergeGlowMask(bmp, mask.View(), layout.Origin, 0x00000000);

  const int reach = BlurTapsFor(size).Reach;
  const TRect ink{text.Left + 1 - reach, text.Top + 1 - reach, text.Right + 1 + reach, text.Bottom + 1 + reach};
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x) {
      const bool inside = x >= ink.Left && x < ink.Right && y >= ink.Top && y < ink.Bottom;
      EXPECT_EQ(bmp.Pixel(x, y) != kOld, inside) << "at " << x << "," << y;
    }
}

}  // namespace
}  // namespace vorlan::skin
