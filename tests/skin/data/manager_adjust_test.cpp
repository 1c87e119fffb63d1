// Hue, saturation and brightness of a loaded skin.
#include <gtest/gtest.h>

#include <memory>

#include "paint/bitmap32.h"
#include "skin/data/skin_adjust.h"

namespace vorlan::skin {
namespace {

constexpr TColor kRed = 0x0000FF, kGreen = 0x00FF00, kCyan = 0xFFFF00;
constexpr std::uint32_t kRedPixel = 0xFFFF0000, kCyanPixel = 0xFF00FFFF, kKey = 0x00FF00FF;

TEST(ColorAdjustments, SingleColours) {
  struct Row {
    TColor (*adjust)(TColor, std::int32_t);
    TColor in;
    std::int32_t amount;
    TColor expected;
    const char* why;
  };
  const Row rows[] = {
      {RotateHue, kRed, 180, kCyan, "red turns cyan"},
      {RotateHue, kRed, 120, kGreen, "a third of the circle"},
      {RotateHue, kRed, -180, kCyan, "negative offsets wrap around"},
      {RotateHue, 0x808080, 90, 0x808080, "greys have no hue"},
      {RotateHue, 0x01000000 | kRed, 180, 0x01000000 | kCyan, "the top byte stays"},
      {ChangeSaturation, kRed, -100, 0x555555, "full desaturation gives the channel average"},
      {ChangeSaturation, 0x204060, -100, 0x404040, "average of 0x60, 0x40, 0x20"},
      {ChangeSaturation, 0x808080, 100, 0x808080, "greys stay grey"},
      {ChangeSaturation, 0x406080, 100, 0x2060A0, "more saturation moves away from the average"},
      {ChangeBrightness, kRed, 100, 0x6464FF, "each channel plus 100, limited to 255"},
      {ChangeBrightness, 0x102030, -0x40, 0x000000, "limited to 0"},
  };
  for (const Row& row : rows) EXPECT_EQ(row.adjust(row.in, row.amount), row.expected) << row.why;
}

TEST(ColorAdjustments, SaturationFactor) {
  for (auto [percent, factor] : {std::pair{-100, -255}, {100, 255}, {50, 127}, {-1, -2}, {1, 2}, {300, 255}}) {
    EXPECT_EQ(SaturationFactor(percent), factor) << percent;
  }
}

// A small skin: one section, a 6 x 4 master bitmap, masks on it.
struct SmallSkin {
  SmallSkin() {
    skin.MasterBitmap = std::make_shared<paint::TBitmap32>(paint::NewBitmap32(6, 4));
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 6; ++x) skin.MasterBitmap->SetPixel(x, y, kRedPixel);
    }
    skin.MasterBitmap->SetPixel(5, 3, kKey);
    TSkinGeneralData section;
    section.ClassName = u"BUTTON";
    section.Props[0].Color = kRed;
    section.Props[0].FontColor.Left = kColorNone;
    section.Props[0].GradientArray = {{kRed, kRed, 100, 0, 0}};
    skin.gd.push_back(section);
    skin.CommonSkinData.Shadow1Color = kRed;
    skin.Palette.fill(kRed);
  }
  void AddMask(std::u16string_view section, std::u16string_view key, TRect r, std::int16_t mask_type) {
    TSkinMaskData mask;
    mask.ClassName = section;
    mask.PropertyName = key;
    mask.R = r;
    mask.ImageCount = 1;
    mask.MaskType = mask_type;
    skin.ma.push_back(mask);
  }
  std::uint32_t Pixel(int x, int y) const { return skin.MasterBitmap->Pixel(x, y); }
  TLoadedSkin skin;
};

class AdjustSkin : public ::testing::Test, public SmallSkin {};

TEST_F(AdjustSkin, HueTurnsColoursButNotTheKeyOrMissingColours) {
  AdjustSkinColors(skin, {180, 0, 0});
  const TSkinGenState& state = skin.gd[0].Props[0];
  EXPECT_EQ(state.Color, kCyan);
  EXPECT_EQ(state.FontColor.Left, kColorNone);
  EXPECT_EQ(state.GradientArray[0].Color1, kRed) << "a gradient with no share keeps its colours";
  EXPECT_EQ(Pixel(0, 0), kCyanPixel);
  EXPECT_EQ(Pixel(5, 3), kKey);
  EXPECT_EQ(skin.CommonSkinData.Shadow1Color, kCyan);
  EXPECT_EQ(skin.Palette[pcMainColor], kCyan);
  EXPECT_EQ(skin.Palette[pcBorder], kCyan);
  EXPECT_EQ(skin.Palette[pcWebTextHot], kRed) << "outside the adjusted palette set";
  EXPECT_EQ(skin.Palette[pcEditText_Ok], kRed);
}

TEST_F(AdjustSkin, SaturationReachesGradientsWhateverTheirShare) {
  AdjustSkinColors(skin, {0, -100, 0});
  const TSkinGenState& state = skin.gd[0].Props[0];
  EXPECT_EQ(state.GradientArray[0].Color1, 0x555555);
  EXPECT_EQ(state.Color, 0x555555);
  EXPECT_EQ(skin.CommonSkinData.Shadow1Color, 0x555555);
  EXPECT_EQ(Pixel(0, 0), 0xFF555555u);
  EXPECT_EQ(Pixel(5, 3), kKey);
}

TEST_F(AdjustSkin, BrightnessKeepsMaskRowsShadowAndPalette) {
  AddMask(u"BUTTON", u"BORDERSMASK", {0, 0, 2, 4}, 1);  // image rows 0-1, mask rows 2-3
  AddMask(u"BUTTON", u"GLYPHMASK", {2, 0, 4, 4}, 0);    // no mask rows
  AdjustSkinColors(skin, {0, 0, 100});
  const std::uint32_t brighter = 0xFFFF6464;
  EXPECT_EQ(Pixel(0, 1), brighter) << "image row";
  EXPECT_EQ(Pixel(1, 2), kRedPixel) << "mask row restored";
  EXPECT_EQ(Pixel(3, 3), brighter) << "an entry without mask rows is adjusted entirely";
  EXPECT_EQ(Pixel(5, 3), kKey);
  EXPECT_EQ(skin.gd[0].Props[0].Color, 0x6464FF);
  EXPECT_EQ(skin.gd[0].Props[0].GradientArray[0].Color2, 0x6464FF);
  EXPECT_EQ(skin.CommonSkinData.Shadow1Color, kRed);
  EXPECT_EQ(skin.Palette[pcMainColor], kRed);
}

TEST_F(AdjustSkin, TitleButtonGlyphsKeepTheirHue) {
  struct Row {
    std::int32_t keep_hue;
    bool close_kept, max_kept;
    const char* why;
  };
  const Row rows[] = {
      {0, false, false, "everything turns"},
      {1, true, true, "all title-button glyphs keep their colours"},
      {2, true, false, "only the close glyphs do"},
  };
  for (const Row& row : rows) {
    SmallSkin fresh;
    fresh.AddMask(u"GLOBALINFO", u"BICONCLOSE", {0, 0, 2, 2}, 0);
    fresh.AddMask(u"GLOBALINFO", u"BICONMAX", {2, 0, 4, 2}, 0);
    fresh.skin.CommonSkinData.BIKeepHUE = row.keep_hue;
    AdjustSkinColors(fresh.skin, {180, 0, 0});
    EXPECT_EQ(fresh.Pixel(1, 1), row.close_kept ? kRedPixel : kCyanPixel) << row.why;
    EXPECT_EQ(fresh.Pixel(3, 1), row.max_kept ? kRedPixel : kCyanPixel) << row.why;
    EXPECT_EQ(fresh.Pixel(4, 0), kCyanPixel) << row.why;
  }
}

TEST_F(AdjustSkin, ExternalImagesFollowTheirOwnRules) {
  const auto png = std::make_shared<paint::TBitmap32>(paint::NewBitmap32(1, 1));
  png->SetPixel(0, 0, 0x80804020);  // alpha 128
  const auto masked = std::make_shared<paint::TBitmap32>(paint::NewBitmap32(1, 2));
  masked->SetPixel(0, 0, 0xFF102030);
  masked->SetPixel(0, 1, 0xFF102030);
  skin.ExtArray.push_back({png, u"GLOW.PNG", 0});
  skin.ExtArray.push_back({masked, u"BTN.BMP", 0});
  AddMask(u"BUTTON", u"GLOW0", {0, 0, 1, 1}, 0);
  skin.ma.back().Bmp = png;
  AddMask(u"BUTTON", u"BORDERSMASK", {0, 0, 1, 2}, 1);
  skin.ma.back().Bmp = masked;
  skin.CommonSkinData.Version = 10;
  AdjustSkinColors(skin, {0, 0, 16});
  // (0x80 + 16) * 128 >> 8 = 72, and so on: brightened, then premultiplied.
  EXPECT_EQ(png->Pixel(0, 0), 0x80482818u);
  EXPECT_EQ(masked->Pixel(0, 0), 0xFF203040u);
  EXPECT_EQ(masked->Pixel(0, 1), 0xFF102030u) << "the lower half is the mask row";
}

}  // namespace
}  // namespace vorlan::skin
