#include "skin/draw/section_alpha.h"

#include <gtest/gtest.h>

#include "draw_test_support.h"
#include "paint/pixel_math.h"
#include "skin/draw/border_mask_alpha.h"

namespace vorlan::skin {
namespace {

namespace px = paint::px;
using paint::TRect;
using test::Canvas;
using test::Opaque;
using test::UntouchedOutside;

TEST(PaintStateFillAlpha, TransparencyBecomesAlpha) {
  test::SkinBuilder skin;
  const std::int32_t s = skin.Section(u"S", 0x102030);
  struct Row {
    std::int32_t t;
    std::uint32_t before;
    std::uint32_t expected;
    const char* why;
  } rows[] = {
      {0, 0x11223344, Opaque(0x102030), "opaque: the colour, alpha 255"},
      {40, 0, px::WithAlpha(Opaque(0x102030), 153), "nothing there yet: the colour at (100 − 40) × 255 div 100"},
      {40, 0x80FFFFFF,
       px::Pack(0xFF - 60 * (0xFF - 0x10) / 100, 0xFF - 60 * (0xFF - 0x20) / 100, 0xFF - 60 * (0xFF - 0x30) / 100, 153),
       "something there: moved 60 % towards the colour, alpha max(128, 153)"},
      {40, 0xF0FFFFFF,
       px::Pack(0xFF - 60 * (0xFF - 0x10) / 100, 0xFF - 60 * (0xFF - 0x20) / 100, 0xFF - 60 * (0xFF - 0x30) / 100,
                0xF0),
       "its own alpha when higher"},
  };
  for (const Row& row : rows) {
    skin.At(s).Props[0].Transparency = row.t;
    paint::TBitmap32 bmp = Canvas(6, 6, row.before);
    PaintStateFillAlpha(skin.Skin(), s, 0, {1, 1, 5, 5}, kNoCustomColor, bmp);
    EXPECT_EQ(bmp.Pixel(2, 2), row.expected) << row.why;
    EXPECT_TRUE(UntouchedOutside(bmp, {1, 1, 5, 5}, row.before)) << row.why;
  }
  skin.At(s).Props[0].Transparency = 100;
  paint::TBitmap32 part = Canvas(6, 6);
  PaintStateFillAlpha(skin.Skin(), s, 0, {1, 1, 5, 5}, kNoCustomColor, part);
  EXPECT_TRUE(UntouchedOutside(part, {})) << "100 over part of the bitmap: nothing";
  PaintStateFillAlpha(skin.Skin(), s, 0, part.Bounds(), kNoCustomColor, part);
  EXPECT_TRUE(test::AllInside(part, part.Bounds(), 0)) << "100 over all of it: cleared";
}

TEST(StateAlpha, OneRuleForEveryPath) {
  EXPECT_EQ(StateAlpha(0), 255);
  EXPECT_EQ(StateAlpha(49), 130);
  EXPECT_EQ(StateAlpha(50), 127) << "not the 0 that a rounded (1 − T / 100) would give";
  EXPECT_EQ(StateAlpha(100), 0);
}

TEST(PaintStateFillAlpha, CombinedPassTakesTheStateAlpha) {
  test::SkinBuilder skin;
  skin.Fill({0, 0, 2, 2}, 0xFF000000);
  const std::int32_t texture = skin.Image({0, 0, 2, 2}, 1, 0, 0);
  const std::int32_t s = skin.Section(u"S", 0);
  TSkinGenState& p = skin.At(s).Props[0];
  p.Transparency = 50;
  p.ImagePercent = 40;
  p.GradientPercent = 60;
  p.TextureIndex = texture;
  p.GradientArray = {{0xFFFFFF, 0xFFFFFF, 100, 0, 0}};
  paint::TBitmap32 bmp = Canvas(4, 4);
  PaintStateFillAlpha(skin.Skin(), s, 0, bmp.Bounds(), kNoCustomColor, bmp);
  EXPECT_EQ(px::Alpha(bmp.Pixel(1, 1)), 127);
  EXPECT_EQ(px::Red(bmp.Pixel(1, 1)), ((0 - 255) * 102 + 255 * 256) >> 8) << "texture weight 40 × 255 div 100";
}

TEST(PaintBorderMaskAlpha, MaskedPiecesRaiseTheAlpha) {
  // One 3 × 3 frame with 1-pixel borders over its mask; the mask's red byte is 100 everywhere.
  test::SkinBuilder skin;
  skin.Fill({0, 0, 3, 3}, 0xFF808080);
  skin.Fill({0, 3, 3, 6}, 0xFF640000);
  skin.Put(0, 0, paint::kKeyPixel);
  const std::int32_t border = skin.Border({0, 0, 3, 6}, 1, 1, 4, 1, 1, 1, 1);
  paint::TBitmap32 bmp = Canvas(5, 5, 0);
  bmp.SetPixel(2, 0, 0x64000000);  // alpha 100
  bmp.SetPixel(1, 2, 0xFF000000);  // alpha 255
  bmp.SetPixel(1, 1, 0xAA123456);  // where the key corner lands
  const paint::TBitmap32 before = bmp.Clone();
  PaintBorderMaskAlpha(bmp, {1, 1, 4, 4}, paint::MakeCacheInfo(&before, 0, 0), SkinImage(skin.Skin(), border), 0);
  const int merged = (0x80 * 155) >> 8;  // d 0, s 0x80, m 100
  EXPECT_EQ(bmp.Pixel(2, 1), px::Pack(merged, merged, merged, 155)) << "alpha 0 becomes 255 − m";
  EXPECT_EQ(bmp.Pixel(1, 2), px::Pack(merged, merged, merged, 255)) << "alpha 255 stays";
  EXPECT_EQ(bmp.Pixel(1, 1), 0xAA123456u) << "key pixel: what the parent picture holds there";
  EXPECT_EQ(bmp.Pixel(2, 0), 0x64000000u) << "outside R";
  paint::TBitmap32 mid = Canvas(5, 5, 0x64000000);
  PaintBorderMaskAlpha(mid, {1, 1, 4, 4}, paint::EmptyCacheInfo(), SkinImage(skin.Skin(), border), 0);
  EXPECT_EQ(px::Alpha(mid.Pixel(2, 1)), 155) << "max(100, 255 − m)";
  EXPECT_EQ(px::Alpha(mid.Pixel(1, 1)), 0) << "key pixel without a ready parent: alpha 0";
}

TEST(PaintBorderMaskAlpha, StretchedPiecesWeighByTheLesserOfMaskAndAlpha) {
  // A 3 × 3 frame whose sides and centre are single pixels, stretched (bit 1) and filled (bit 4).
  test::SkinBuilder skin;
  skin.Fill({0, 0, 3, 3}, 0xFF808080);
  skin.Fill({0, 3, 3, 6}, 0xFF640000);  // mask red 100 everywhere
  skin.Put(1, 4, 0xFF000000);           // the centre's mask: black
  const std::int32_t border = skin.Border({0, 0, 3, 6}, 1, 1, 1 | 4, 1, 1, 1, 1);
  paint::TBitmap32 bmp = Canvas(8, 8, 0x32000000);  // alpha 50
  PaintBorderMaskAlpha(bmp, {0, 0, 8, 8}, paint::EmptyCacheInfo(), SkinImage(skin.Skin(), border), 0);
  const int side = (0 * 50 + 0x80 * 205) >> 8;  // l = min(100, 50)
  EXPECT_EQ(bmp.Pixel(0, 4), px::Pack(side, side, side, 155)) << "a 1 × 1 side over the whole side: A := max(50, 155)";
  EXPECT_EQ(bmp.Pixel(4, 4), 0xFF808080u) << "black mask: the image pixel, alpha 255";
  EXPECT_TRUE(UntouchedOutside(bmp, {0, 0, 8, 8}, 0x32000000));
}

TEST(PaintSectionAlpha, PremultipliesOnlyWhenCoveringTheBitmap) {
  test::SkinBuilder skin;
  const std::int32_t s = skin.Section(u"S", 0x0000FF);
  skin.At(s).Props[0].Transparency = 50;
  paint::TBitmap32 whole = Canvas(4, 4, 0);
  PaintSectionAlpha(skin.Skin(), s, 0, whole, {0, 0}, whole.Bounds());
  EXPECT_EQ(whole.Pixel(1, 1), px::Pack(0, 0, 255 * 127 >> 8, 127)) << "premultiplied";
  paint::TBitmap32 part = Canvas(4, 4, 0);
  PaintSectionAlpha(skin.Skin(), s, 0, part, {0, 0}, {0, 0, 2, 2});
  EXPECT_EQ(part.Pixel(1, 1), px::Pack(0, 0, 255, 127)) << "straight";
  EXPECT_TRUE(UntouchedOutside(part, {0, 0, 2, 2}, 0));
}

}  // namespace
}  // namespace vorlan::skin
