#include "paint/pixel_math.h"

#include <gtest/gtest.h>

#include "paint/bitmap32.h"
#include "paint/colors.h"

namespace vorlan::paint {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  struct Case {
    double in;
    int64_t out;
  } cases[] = {{0.5, 0},     {1.5, 2},       {2.5, 2},       {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
               {0.49999, 0}, {2.5000001, 3}, {-229.5, -230}, {7.0, 7},  {-0.51, -1}};
  for (const auto& c : cases) EXPECT_EQ(px::RoundHalfEven(c.in), c.out) << c.in;
}

TEST(Weigh256, StaysInAByteForEveryInput) {
  for (int a = 0; a < 256; ++a)
    for (int b = 0; b < 256; ++b)
      for (int w = 0; w < 256; ++w) {
        const int v = px::Weigh256(a, b, w);
        ASSERT_TRUE(v >= 0 && v <= 255) << a << " " << b << " " << w;
      }
  EXPECT_EQ(px::Weigh256(255, 0, 255), 254) << "weight 255 does not give the first value exactly";
  EXPECT_EQ(px::Weigh256(200, 17, 0), 17);
}

TEST(Colors, ColorToPixelSwapsRedAndBlueKeepingTheTop) {
  EXPECT_EQ(ColorToPixel(0x00112233), 0x00332211u);
  EXPECT_EQ(ColorToPixel(0x7F0000FF), 0x7FFF0000u);
  EXPECT_EQ(ColorToPixel(kKeyColor), kKeyPixel);
}

TEST(Colors, MixColorsTruncatesAndKeepsTopOfFirst) {
  EXPECT_EQ(MixColors(0x12FFFFFF, 0x00000000, 0.5), 0x127F7F7F) << "127.5 truncates";
  EXPECT_EQ(MixColors(0x00000010, 0x00000020, 0.25), 0x0000001C) << "16 × .25 + .75 × 32 = 28";
  EXPECT_EQ(MixColors(0x00ABCDEF, 0x00123456, 1.0), 0x00ABCDEF);
}

TEST(Colors, SystemColoursResolveToPlainOnes) {
  EXPECT_EQ(ResolveColor(0x00123456), 0x00123456);
  const TColor button_face = static_cast<TColor>(0xFF00000F);
  EXPECT_GE(ResolveColor(button_face), 0) << "a system colour becomes a plain colour";
}

}  // namespace
}  // namespace vorlan::paint
