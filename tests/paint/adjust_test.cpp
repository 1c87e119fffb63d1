#include "paint/adjust.h"

#include <gtest/gtest.h>

#include <random>

#include "paint/disabled_look.h"
#include "paint/pixel_math.h"
#include "paint_test_util.h"

namespace vorlan::paint {
namespace {

using testing::Ch;
using testing::Filled;

TEST(Adjustments, SinglePixelResults) {
  struct Case {
    uint32_t in;
    TAdjustment adjustment;
    uint32_t out;
    const char* why;
  } cases[] = {
      {0x80F01020, {TPixelAdjustment::Brightness, 20}, 0x80FF2434, "clamped at 255, alpha kept"},
      {0x80F01020, {TPixelAdjustment::Brightness, -30}, 0x80D20002, "clamped at 0"},
      {0x80F01020, {TPixelAdjustment::Brightness, 0}, 0x80F01020, "0 leaves the pixel"},
      {0x80C86432, {TPixelAdjustment::Saturation, -255}, 0x80747474, "−255 gives the grey average 350 div 3"},
      {0x80C86432, {TPixelAdjustment::Saturation, 255}, 0x80FF5400, "255 pushes away from grey, clamped"},
      {0x80C86432,
       {TPixelAdjustment::Saturation, 100},
       0x80E85E19,
       "200 − (100 × −84) div 255 = 232 (truncated division)"},
      {0x00FF0000, {TPixelAdjustment::Hue, 120}, 0x0000FF00, "red turned by 120° is green"},
      {0x00FF0000, {TPixelAdjustment::Hue, -120}, 0x000000FF, "negative turns wrap"},
      {0x00808080, {TPixelAdjustment::Hue, 77}, 0x00808080, "grey keeps its value"},
      {0x00FF8000, {TPixelAdjustment::Hue, 0}, 0x00FF7F00, "hue 30.1 truncates to 30: green 127.5 → 127"},
      {0x11204080, {TPixelAdjustment::Tone, 0x00FF8040}, 0x1120407F, "tone × max >> 8 (B from the third byte)"},
      {0x11306090, {TPixelAdjustment::Grey, 0}, 0x11606060, "(R + G + B) div 3"},
      {0x11306090, {TPixelAdjustment::Opaque, 0}, 0xFF306090, "A := 255"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ApplyAdjustment(c.in, c.adjustment), c.out)
        << c.why << std::hex << " got " << ApplyAdjustment(c.in, c.adjustment);
  }
}

TEST(Adjustments, HueTurnsAFullCircleBackWithinTruncation) {
  std::mt19937 rng(5);
  for (int i = 0; i < 2000; ++i) {
    const uint32_t p = rng() & 0x00FFFFFF;
    const uint32_t back = AdjustHue(p, 0);
    for (int shift : {0, 8, 16}) ASSERT_LE(std::abs(Ch(back, shift) - Ch(p, shift)), 5) << std::hex << p;
  }
}

TEST(AdjustBitmap, SparesTheExceptedColour) {
  TBitmap32 bmp = Filled(2, 1, 0x00102030);
  bmp.SetPixel(1, 0, kKeyPixel);
  AdjustBitmap(bmp, {TPixelAdjustment::Brightness, 10}, kKeyColor);
  EXPECT_EQ(bmp.Pixel(0, 0), 0x001A2A3Au);
  EXPECT_EQ(bmp.Pixel(1, 0), kKeyPixel);
  AdjustBitmap(bmp, {TPixelAdjustment::Opaque, 0});
  EXPECT_EQ(bmp.Pixel(1, 0), 0xFFFF00FFu) << "no exception: every pixel";
}

TEST(TintBitmap, TruncatesTowardsTheColourAndSparesKey) {
  TBitmap32 bmp = Filled(2, 1, 0x40C86432);
  bmp.SetPixel(1, 0, kKeyPixel);
  TintBitmap(bmp, 0x00000000, 0.5);
  EXPECT_EQ(bmp.Pixel(0, 0), 0x40643219u);
  EXPECT_EQ(bmp.Pixel(1, 0), kKeyPixel);
}

TEST(Premultiply, EmptyWhiteBecomesZeroAndChannelsScale) {
  TBitmap32 bmp = Filled(3, 1, 0x80FF8040);
  bmp.SetPixel(1, 0, kEmptyPixel);
  bmp.SetPixel(2, 0, 0x00FFFFFE);
  PremultiplyRect(bmp, bmp.Bounds());
  EXPECT_EQ(bmp.Pixel(0, 0), px::Pack(0x40 * 0x80 >> 8, 0x80 * 0x80 >> 8, 0xFF * 0x80 >> 8, 0x80));
  EXPECT_EQ(bmp.Pixel(1, 0), 0u);
  EXPECT_EQ(bmp.Pixel(2, 0), 0u) << "alpha 0 scales to 0 too";
  TBitmap32 other = Filled(2, 1, 0x7FFFFFFF);
  other.SetPixel(0, 0, kEmptyPixel);
  ClearEmptyPixels(other);
  EXPECT_EQ(other.Pixel(0, 0), 0u);
  EXPECT_EQ(other.Pixel(1, 0), 0x7FFFFFFFu);
}

TEST(PaintDisabledLook, GreyedAndBlendedLooks) {
  TBitmap32 parent = Filled(10, 10, 0x00000000);
  struct Case {
    TDisabledLook look;
    TCacheInfo ci;
    uint32_t in, out;
    const char* why;
  } cases[] = {
      {{dkGrayed, -90, 0.4},
       EmptyCacheInfo(),
       0xFFC86432,
       ApplyAdjustment(0xFFC86432, {TPixelAdjustment::Saturation, -230}),
       "default grey level is saturation −230"},
      {{dkGrayed, -100, 0.4}, EmptyCacheInfo(), 0xFFC86432, 0xFF747474, "−100 turns grey: 350 div 3"},
      {{dkBlended, -90, 0.4},
       MakeCacheInfo(&parent, 0, 0),
       0xFFC86432,
       0xFF502814,
       "parent pixels: the control keeps 0.4"},
      {{dkBlended, -90, 0.4},
       {nullptr, 0, 0, 0x00000000, {}, false},
       0xFFC86432,
       0xFF502814,
       "no picture: BlendColorRect 40% towards the fill colour"},
      {{dkBlended, -90, 0.4},
       EmptyCacheInfo(),
       0xFFC86432,
       0xFFE9C1AD,
       "fill colour is the key: the parent's colour (white)"},
  };
  for (const auto& c : cases) {
    TBitmap32 bmp = Filled(2, 2, c.in);
    bmp.SetPixel(1, 1, kKeyPixel);
    PaintDisabledLook(bmp, c.look, 0x00FFFFFF, {3, 3}, c.ci);
    EXPECT_EQ(bmp.Pixel(0, 0), c.out) << c.why << std::hex << " got " << bmp.Pixel(0, 0);
  }
}

}  // namespace
}  // namespace vorlan::paint
