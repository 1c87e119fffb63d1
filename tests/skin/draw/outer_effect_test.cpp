#include "skin/draw/outer_effect.h"

#include <gtest/gtest.h>

#include "draw_test_support.h"

namespace vorlan::skin {
namespace {

using paint::TRect;
using test::Canvas;
using test::SkinBuilder;
using test::UntouchedOutside;

TEST(SectionOuterEffect, OwnImageFirstThenTheSkinsEffectOfTheMode) {
  SkinBuilder skin;
  const std::int32_t own = skin.Border({0, 0, 6, 6}, 1, 0, 0, 2, 2, 2, 2);
  const std::int32_t light = skin.Border({6, 0, 12, 6}, 1, 0, 0, 2, 2, 2, 2);
  const std::int32_t shadow = skin.Border({12, 0, 18, 6}, 1, 0, 0, 2, 2, 2, 2);
  TLoadedSkin& loaded = skin.Edit();
  loaded.oe[kOuterEffectLight] = TSkOutEffData{};
  loaded.oe[kOuterEffectLight].Mask = light;
  loaded.oe[kOuterEffectLight].Source = 1;
  loaded.oe[kOuterEffectLight].Opacity = 222;
  loaded.oe[kOuterEffectLight].OffsetL = 3;
  loaded.oe[kOuterEffectShadow] = TSkOutEffData{};
  loaded.oe[kOuterEffectShadow].Mask = shadow;
  loaded.oe[kOuterEffectShadow].Source = 1;
  loaded.oe[kOuterEffectShadow].Opacity = 33;
  loaded.oe[kOuterEffectShadow].OffsetB = 6;

  struct Row {
    std::int32_t outerMask, outerMode, shadowSource;
    std::int32_t image, opacity;  // image −1: no effect
    const char* why;
  } rows[] = {
      {own, 2, 1, own, 150, "the section's own image wins over its mode"},
      {-1, 1, 1, light, 222, "mode 1 is the skin's first effect (LO_)"},
      {-1, 2, 1, shadow, 33, "mode 2 is the second (SH_)"},
      {-1, 2, 0, -1, 0, "an effect without source is none"},
      {-1, 0, 1, -1, 0, "mode 0: none"},
      {-1, 3, 1, -1, 0, "a mode past the skin's two effects is none, not a read past the table"},
      {-1, 2147483647, 1, -1, 0, "the largest mode the loader takes"},
      {99, 2, 1, -1, 0, "an own image index outside the table gives none"},
  };
  for (const Row& row : rows) {
    const std::int32_t section = skin.Section(u"BOX", 0);
    skin.At(section).OuterMask = row.outerMask;
    skin.At(section).OuterMode = row.outerMode;
    skin.At(section).OuterOpacity = 150;
    skin.At(section).OuterOffset = {1, 2, 3, 4};
    loaded.oe[kOuterEffectShadow].Source = row.shadowSource;
    const auto look = SectionOuterEffect(skin.Skin(), section);
    if (row.image < 0) {
      EXPECT_FALSE(look.has_value()) << row.why;
      continue;
    }
    ASSERT_TRUE(look.has_value()) << row.why;
    EXPECT_EQ(look->Image.Mask, &skin.Skin().ma[static_cast<std::size_t>(row.image)]) << row.why;
    EXPECT_EQ(look->Opacity, row.opacity) << row.why;
  }
  EXPECT_FALSE(SectionOuterEffect(skin.Skin(), -1).has_value()) << "not skinned";

  const auto mine = SectionOuterEffect(skin.Skin(), 0);
  ASSERT_TRUE(mine.has_value());
  EXPECT_EQ(OuterEffectRect({10, 20, 30, 40}, *mine), (TRect{9, 18, 33, 44})) << "left and top outwards, too";
  const auto second = SectionOuterEffect(skin.Skin(), 2);
  ASSERT_TRUE(second.has_value());
  EXPECT_EQ(OuterEffectRect({10, 20, 30, 40}, *second), (TRect{10, 20, 30, 46})) << "the SH_ offsets";
}

// One frame of 6 × 6 with 2-pixel borders and a mask row below it: the
// image is one colour, the mask's red byte 55 on the corners, 255 (white) on
// the sides, the top side's mask 0 in its left column.
class OuterFrameTest : public ::testing::Test {
 protected:
  static constexpr std::uint32_t kSource = 0xFF102030u;  // R 0x10, G 0x20, B 0x30
  static constexpr std::uint32_t kParent = 0xFFC8C8C8u;  // 200 on every channel
  static constexpr std::uint32_t kMask(int m) { return 0xFF000000u | static_cast<std::uint32_t>(m) << 16; }

  std::int32_t Make(std::int16_t maskType, std::int16_t drawMode) {
    skin.Fill({0, 0, 6, 6}, kSource);
    skin.Fill({0, 6, 6, 12}, kMask(255));
    for (int cx : {0, 4})
      for (int cy : {0, 4}) skin.Fill({cx, 6 + cy, cx + 2, 6 + cy + 2}, kMask(55));
    skin.Fill({2, 6, 3, 8}, kMask(0));
    skin.Put(0, 0, paint::kKeyPixel);
    return skin.Border({0, 0, 6, maskType == 0 ? 6 : 12}, 1, maskType, drawMode, 2, 2, 2, 2);
  }
  paint::TBitmap32 Paint(std::int32_t index, const TRect& r, std::int32_t opacity) {
    paint::TBitmap32 bmp = Canvas(20, 16, kParent);
    PaintOuterEffectFrame(bmp, r, SkinImage(skin.Skin(), index), opacity);
    return bmp;
  }

  SkinBuilder skin;
};

TEST_F(OuterFrameTest, EachImagePixelMixesByOpacityAndItsMask) {
  const paint::TBitmap32 bmp = Paint(Make(1, 0), {4, 4, 14, 12}, 200);
  // Corner: g = 200 × (255 − 55) >> 8 = 156; B (200 × 99 + 48 × 156) >> 8 = 106,
  // G (19800 + 32 × 156) >> 8 = 96, R (19800 + 16 × 156) >> 8 = 87.
  EXPECT_EQ(bmp.Pixel(5, 4), 0xFF57606Au) << "a corner pixel";
  EXPECT_EQ(bmp.Pixel(13, 11), 0xFF57606Au) << "the bottom-right corner";
  EXPECT_EQ(bmp.Pixel(4, 4), kParent) << "a key pixel leaves the parent alone";
  // Left side, white mask: g = 0, yet the formula takes 1/256 off: 200 → 199.
  EXPECT_EQ(bmp.Pixel(4, 7), 0xFFC7C7C7u) << "a white mask pixel";
  // The top side tiles its two columns: mask 0 (g = 200 × 255 >> 8 = 199), then 255 (g = 0).
  // B (200 × 56 + 48 × 199) >> 8 = 81, G (11200 + 6368) >> 8 = 68, R (11200 + 3184) >> 8 = 56.
  EXPECT_EQ(bmp.Pixel(6, 4), 0xFF384451u) << "top side, mask 0";
  EXPECT_EQ(bmp.Pixel(7, 4), 0xFFC7C7C7u) << "top side, white mask";
  EXPECT_EQ(bmp.Pixel(8, 4), 0xFF384451u) << "tiled: the first column again";
  EXPECT_TRUE(test::AllInside(bmp, {6, 6, 12, 10}, kParent)) << "the centre stays the parent's";
  EXPECT_TRUE(UntouchedOutside(bmp, {4, 4, 14, 12}, kParent));
}

TEST_F(OuterFrameTest, StretchedSidesImagesWithoutMaskRowsAndFramesPastTheEdge) {
  // Stretched: the two top columns become three pixels each.
  const paint::TBitmap32 stretched = Paint(Make(1, 1), {4, 4, 14, 12}, 200);
  EXPECT_EQ(stretched.Pixel(8, 4), 0xFF384451u) << "third pixel: still the mask-0 column";
  EXPECT_EQ(stretched.Pixel(9, 4), 0xFFC7C7C7u) << "fourth pixel: the white column";

  // No mask rows: every non-key pixel mixes as if its mask were black.
  SkinBuilder plain;
  plain.Fill({0, 0, 6, 6}, kSource);
  const std::int32_t index = plain.Border({0, 0, 6, 6}, 1, 0, 0, 2, 2, 2, 2);
  paint::TBitmap32 bmp = Canvas(20, 16, kParent);
  PaintOuterEffectFrame(bmp, {4, 4, 14, 12}, SkinImage(plain.Skin(), index), 100);
  // g = 100 × 255 >> 8 = 99: B (200 × 156 + 48 × 99) >> 8 = 140, G (31200 + 3168) >> 8 = 134,
  // R (31200 + 1584) >> 8 = 128.
  EXPECT_EQ(bmp.Pixel(4, 7), 0xFF80868Cu);
  EXPECT_EQ(bmp.Pixel(4, 4), 0xFF80868Cu);

  // A frame reaching past the picture's top-left keeps its visible part.
  const paint::TBitmap32 cut = Paint(Make(1, 0), {-1, -1, 9, 7}, 200);
  EXPECT_EQ(cut.Pixel(0, 0), 0xFF57606Au) << "source pixel (1, 1) of the corner";
  EXPECT_EQ(cut.Pixel(8, 6), 0xFF57606Au) << "the bottom-right corner";
  EXPECT_TRUE(UntouchedOutside(cut, {0, 0, 9, 7}, kParent));

  EXPECT_TRUE(UntouchedOutside(Paint(Make(1, 0), {30, 30, 40, 40}, 200), {0, 0, 0, 0}, kParent))
      << "wholly outside: nothing";
}

}  // namespace
}  // namespace vorlan::skin
