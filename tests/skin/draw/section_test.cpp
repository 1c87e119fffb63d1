#include "skin/draw/section.h"

#include <gtest/gtest.h>

#include <random>

#include "draw_test_support.h"
#include "paint/pixel_math.h"
#include "skin/draw/state_fill.h"

namespace vorlan::skin {
namespace {

namespace px = paint::px;
using paint::TRect;
using test::Canvas;
using test::kSentinel;
using test::Opaque;
using test::UntouchedOutside;

constexpr TColor kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;

paint::TBitmap32 RandomPicture(int w, int h, unsigned seed) {
  std::mt19937 rng(seed);
  paint::TBitmap32 bmp(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bmp.Row(y)[x] = static_cast<std::uint32_t>(rng());
  return bmp;
}

TEST(PaintSection, StateIsLimitedToStatesAndPropsToTwo) {
  test::SkinBuilder skin;
  const std::int32_t two = skin.Section(u"TWO", 0, 2);
  const std::int32_t five = skin.Section(u"FIVE", 0, 5);
  for (std::int32_t i : {two, five}) {
    skin.At(i).Props[0].Color = kRed;
    skin.At(i).Props[1].Color = kGreen;
    skin.At(i).Props[2].Color = kBlue;
  }
  struct Row {
    std::int32_t section, state;
    TColor expected;
    const char* why;
  } rows[] = {
      {two, 3, kGreen, "state 3 with States 2 paints state 1"},
      {two, 0, kRed, "state 0"},
      {five, 4, kBlue, "Props are never indexed above 2"},
  };
  for (const Row& row : rows) {
    paint::TBitmap32 bmp = Canvas(8, 8);
    PaintSection(skin.Skin(), row.section, paint::EmptyCacheInfo(), row.state, {1, 1, 7, 7}, {0, 0}, bmp);
    EXPECT_TRUE(UntouchedOutside(bmp, {1, 1, 7, 7})) << row.why;
    EXPECT_TRUE(test::AllInside(bmp, {1, 1, 7, 7}, Opaque(row.expected))) << row.why;
  }
}

TEST(PaintSection, TransparencyOverAParentPicture) {
  const paint::TBitmap32 parent = RandomPicture(20, 20, 5);
  struct Row {
    std::int32_t t;
    int weight;
    const char* why;
  } rows[] = {
      {100, 256, "100: the parent's pixels exactly"},
      {30, 76, "30: weight 76.5 rounds to even 76"},
      {10, 26, "10: 25.5 rounds to even 26"},
      {50, 128, "50: 127.5 rounds to even 128"},
      {0, 0, "0: the section alone"},
  };
  for (const Row& row : rows) {
    test::SkinBuilder skin;
    const std::int32_t s = skin.Section(u"S", 0x336699);
    skin.At(s).Props[0].Transparency = row.t;
    paint::TBitmap32 bmp = Canvas(12, 12);
    const TRect r{2, 3, 10, 11};
    const paint::TPoint o{4, 1};
    PaintSection(skin.Skin(), s, paint::MakeCacheInfo(&parent, 1, 2), 0, r, o, bmp);
    EXPECT_TRUE(UntouchedOutside(bmp, r)) << row.why;
    const std::uint32_t child = Opaque(0x336699);
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) {
        const std::uint32_t p = parent.Pixel(x - r.Left + 1 + o.X, y - r.Top + 2 + o.Y);
        const std::uint32_t expected = row.weight == 256
                                           ? p
                                           : px::Pack(px::Weigh256(px::Blue(p), px::Blue(child), row.weight),
                                                      px::Weigh256(px::Green(p), px::Green(child), row.weight),
                                                      px::Weigh256(px::Red(p), px::Red(child), row.weight),
                                                      px::Weigh256(px::Alpha(p), 255, row.weight));
        ASSERT_EQ(bmp.Pixel(x, y), expected) << row.why << " at " << x << "," << y;
      }
  }
}

TEST(PaintSection, TransparencyOverAParentColourOrAnUnknownParent) {
  test::SkinBuilder skin;
  const std::int32_t s = skin.Section(u"S", 0x000064);  // red 100
  skin.At(s).Props[0].Transparency = 40;
  paint::TCacheInfo colour = paint::EmptyCacheInfo();
  colour.FillColor = 0x0000C8;  // red 200
  const TRect r{0, 0, 4, 4};
  paint::TBitmap32 bmp = Canvas(4, 4);
  PaintSection(skin.Skin(), s, colour, 0, r, {0, 0}, bmp);
  EXPECT_EQ(px::Red(bmp.Pixel(1, 1)), 140) << "MixColors: 200 × 0.4 + 100 × 0.6";
  paint::TBitmap32 unknown = Canvas(4, 4);
  PaintSection(skin.Skin(), s, paint::EmptyCacheInfo(), 0, r, {0, 0}, unknown);
  EXPECT_EQ(unknown.Pixel(1, 1), Opaque(0x000064)) << "parent unknown: the section colour alone, no key colour";
  skin.At(s).Props[0].Transparency = 100;
  paint::TBitmap32 clear = Canvas(4, 4);
  PaintSection(skin.Skin(), s, colour, 0, r, {0, 0}, clear);
  EXPECT_EQ(clear.Pixel(3, 3), Opaque(0x0000C8)) << "100 over a colour: the colour";
}

TEST(PaintSection, ParentWithOnlyItsBorderStripsInItsPicture) {
  test::SkinBuilder skin;
  const std::int32_t s = skin.Section(u"S", kRed);
  skin.At(s).Props[0].Transparency = 100;
  const paint::TBitmap32 parent = Canvas(20, 20, 0xFF0A0B0C);
  paint::TCacheInfo c = paint::EmptyCacheInfo();
  c.Bmp = &parent;
  c.X = c.Y = 0;
  c.FillColor = kGreen;
  c.FillRect = {3, 0, 0, 0};  // a left strip 3 wide
  paint::TBitmap32 bmp = Canvas(10, 10);
  PaintSection(skin.Skin(), s, c, 0, {0, 0, 6, 6}, {1, 0}, bmp);
  EXPECT_EQ(bmp.Pixel(1, 2), 0xFF0A0B0Cu) << "over the strip (parent x 1..2): copied";
  EXPECT_EQ(bmp.Pixel(2, 2), Opaque(kGreen)) << "inside: the fill colour";
  EXPECT_TRUE(UntouchedOutside(bmp, {0, 0, 6, 6}));
}

TEST(PaintSection, LayersOfColourTextureAndGradient) {
  test::SkinBuilder skin;
  skin.Fill({0, 0, 2, 2}, 0xFF204060);
  const std::int32_t texture = skin.Image({0, 0, 2, 2}, 1, 0, 2);  // band at the top
  const std::int32_t s = skin.Section(u"S", kBlue);
  skin.At(s).Props[0].ImagePercent = 100;
  skin.At(s).Props[0].TextureIndex = texture;
  const TRect r{1, 1, 7, 9};
  paint::TBitmap32 bmp = Canvas(8, 10);
  PaintSection(skin.Skin(), s, paint::EmptyCacheInfo(), 0, r, {0, 0}, bmp);
  EXPECT_TRUE(UntouchedOutside(bmp, r));
  EXPECT_EQ(bmp.Pixel(3, 2), 0xFF204060u) << "the band";
  EXPECT_EQ(bmp.Pixel(3, 3), Opaque(kBlue)) << "mode 2 leaves the rest to the section colour";

  skin.At(s).Props[0].ImagePercent = 0;
  skin.At(s).Props[0].GradientPercent = 60;
  skin.At(s).Props[0].GradientArray = {{0xFFFFFF, 0xFFFFFF, 100, 0, 0}};
  paint::TBitmap32 blended = Canvas(8, 10);
  PaintSection(skin.Skin(), s, paint::EmptyCacheInfo(), 0, r, {0, 0}, blended);
  EXPECT_TRUE(UntouchedOutside(blended, r)) << "the colour blend takes Right and Bottom inclusive";
  EXPECT_EQ(blended.Pixel(6, 8), blended.Pixel(1, 1)) << "uniform";
  EXPECT_EQ(px::Blue(blended.Pixel(1, 1)), 255) << "blue 255 both ways";
  EXPECT_EQ(px::Red(blended.Pixel(1, 1)), 153) << "60 % of white stays: nearest(255 × 0.6)";
}

TEST(PaintSection, CornerImagesSitInTheCornersCutToTheRectangle) {
  test::SkinBuilder skin;
  skin.Fill({0, 0, 3, 3}, 0xFF111111);
  skin.Put(0, 0, paint::kKeyPixel);
  const std::int32_t corner = skin.Image({0, 0, 3, 3});
  const std::int32_t s = skin.Section(u"S", kRed);
  skin.At(s).ImgTL = corner;
  skin.At(s).ImgBR = corner;
  const TRect r{1, 1, 9, 7};
  paint::TBitmap32 bmp = Canvas(10, 8);
  PaintSection(skin.Skin(), s, paint::EmptyCacheInfo(), 0, r, {0, 0}, bmp);
  EXPECT_EQ(bmp.Pixel(1, 1), Opaque(kRed)) << "key pixel: the background shows";
  EXPECT_EQ(bmp.Pixel(2, 1), 0xFF111111u);
  EXPECT_EQ(bmp.Pixel(8, 6), 0xFF111111u) << "bottom-right at (R.Right − fw, R.Bottom − fh)";
  EXPECT_EQ(bmp.Pixel(5, 4), Opaque(kRed));
  paint::TBitmap32 small = Canvas(10, 8);
  PaintSection(skin.Skin(), s, paint::EmptyCacheInfo(), 0, {4, 4, 6, 6}, {0, 0}, small);
  EXPECT_TRUE(UntouchedOutside(small, {4, 4, 6, 6})) << "images larger than R are cut to it";
}

TEST(PaintSection, GeometryThatDoesNotFitPaintsNothing) {
  test::SkinBuilder skin;
  const std::int32_t s = skin.Section(u"S", kRed);
  for (const TRect& r : {TRect{-1, 0, 4, 4}, TRect{0, -1, 4, 4}, TRect{0, 0, 9, 4}, TRect{0, 0, 4, 9},
                         TRect{2, 2, 2, 4}, TRect{3, 3, 1, 1}}) {
    paint::TBitmap32 bmp = Canvas(8, 8);
    PaintSection(skin.Skin(), s, paint::EmptyCacheInfo(), 0, r, {0, 0}, bmp);
    EXPECT_TRUE(UntouchedOutside(bmp, {})) << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom;
  }
  paint::TBitmap32 bmp = Canvas(8, 8);
  PaintSection(skin.Skin(), 7, paint::EmptyCacheInfo(), 0, {0, 0, 4, 4}, {0, 0}, bmp);
  PaintSection(skin.Skin(), -1, paint::EmptyCacheInfo(), 0, {0, 0, 4, 4}, {0, 0}, bmp);
  EXPECT_TRUE(UntouchedOutside(bmp, {})) << "invalid skin index";
}

TEST(PaintSectionOnto, ParentFromAPictureOrAColour) {
  test::SkinBuilder skin;
  const std::int32_t s = skin.Section(u"S", kRed);
  skin.At(s).Props[0].Transparency = 100;
  const paint::TBitmap32 picture = Canvas(10, 10, 0xFF445566);
  paint::TBitmap32 bmp = Canvas(4, 4);
  EXPECT_EQ(PaintSectionOnto(bmp, skin.Skin(), -1, s, {&picture, {2, 2}, paint::kKeyColor}, 0), s) << "the fallback";
  EXPECT_TRUE(test::AllInside(bmp, bmp.Bounds(), 0xFF445566u));
  paint::TBitmap32 plain = Canvas(4, 4);
  PaintSectionOnto(plain, skin.Skin(), s, -1, {nullptr, {}, kGreen}, 0);
  EXPECT_TRUE(test::AllInside(plain, plain.Bounds(), Opaque(kGreen)));
  paint::TBitmap32 none = Canvas(4, 4);
  EXPECT_EQ(PaintSectionOnto(none, skin.Skin(), -1, -2, {}, 0), -2);
  EXPECT_TRUE(UntouchedOutside(none, {}));
}

TEST(PaintSectionSimple, WeightIsTruncatedAndBorderGiven) {
  test::SkinBuilder skin;
  const std::int32_t s = skin.Section(u"S", 0);
  skin.At(s).Props[0].Transparency = 10;
  const paint::TBitmap32 parent = Canvas(8, 8, 0xFFFFFFFF);
  paint::TBitmap32 bmp = Canvas(8, 8);
  PaintSectionSimple(skin.Skin(), s, -1, -1, bmp, {0, 0}, {0, 0, 4, 4}, 0, paint::MakeCacheInfo(&parent, 0, 0));
  // weight 10 × 255 div 100 = 25 (PaintSection would round to 26): (255 × 25) >> 8 = 24.
  EXPECT_EQ(px::Red(bmp.Pixel(1, 1)), 24);
  EXPECT_TRUE(UntouchedOutside(bmp, {0, 0, 4, 4}));
}

}  // namespace
}  // namespace vorlan::skin
