// The pictures of the program's own skin, loaded and adjusted.
#include <gtest/gtest.h>

#include "manager_test_support.h"
#include "paint/bitmap32.h"
#include "skin/data/skin_manager.h"
#include "skin/internal/internal_skin.h"

namespace vorlan::skin {
namespace {

struct LoadedInternalSkin {
  explicit LoadedInternalSkin(const std::function<void(TSkinManager&)>& adjust = {}) {
    manager.SetMessageBox(&box);
    if (adjust) adjust(manager);
    manager.InternalSkins.Add(MakeInternalSkin());
    manager.SetSkinName(kInternalSkinName);
  }
  const TSkinMaskData& Mask(std::u16string_view section, std::u16string_view key) const {
    return manager.Skin.ma.at(static_cast<std::size_t>(manager.GetMaskIndex(section, key)));
  }
  std::uint32_t Master(int x, int y) const { return manager.Skin.MasterBitmap->Pixel(x, y); }
  testing::RecordingBox box;
  TSkinManager manager;
};

TEST(InternalSkinImages, MasterBitmapAndItsKey) {
  LoadedInternalSkin skin;
  ASSERT_TRUE(skin.manager.Skin.MasterBitmap);
  EXPECT_EQ(skin.manager.Skin.MasterBitmap->Width(), 310);
  EXPECT_EQ(skin.manager.Skin.MasterBitmap->Height(), 500);
  EXPECT_EQ(skin.Master(309, 499), paint::kKeyPixel) << "unused corners are transparent";
  EXPECT_EQ(skin.Master(1, 0) >> 24, 0xFFu) << "drawn pixels are opaque";
  EXPECT_TRUE(skin.box.Shown.empty());
}

TEST(InternalSkinImages, ImageEntries) {
  LoadedInternalSkin skin;
  const TSkinMaskData& ex = skin.Mask(u"GLOBALINFO", u"EXBORDER");
  EXPECT_EQ(ex.ImgType, itGlow);
  EXPECT_EQ(FrameWidth(ex), 727);
  EXPECT_EQ(FrameHeight(ex), 283);
  EXPECT_EQ((std::array{ex.WL, ex.WT, ex.WR, ex.WB}), (std::array<std::int16_t, 4>{60, 92, 60, 78}));
  const TSkinMaskData& huge = skin.Mask(u"BUTTON_HUGE", u"BORDERSMASK");
  EXPECT_EQ(huge.CornerType, 2);
  EXPECT_EQ(FrameWidth(huge), 64);
  EXPECT_EQ(FrameHeight(huge), 64);
  const TSkinMaskData& glow = skin.Mask(u"BUTTON", u"GLOW0");
  ASSERT_TRUE(glow.Bmp);
  EXPECT_EQ(glow.Bmp->Width(), 22);
  EXPECT_EQ(skin.Mask(u"EDIT", u"BORDERSMASK").CornerType, 1) << "the edit's corners are keyed";
}

TEST(InternalSkinImages, ExtendedBorderTemplatesComeFromExtBorder) {
  LoadedInternalSkin skin;
  skin.manager.SetExtendedBorders(true);
  EXPECT_EQ(skin.manager.Shadows.FormShadowSize, (TRect{22, 22, 22, 22})) << "BORDERMODE 1: FORMOFFSET";
  EXPECT_EQ(skin.manager.Shadows.ShdaTemplate.Width(), 727);
  EXPECT_EQ(skin.manager.Shadows.ShdiTemplate.Height(), 283);
  EXPECT_GT(skin.manager.Shadows.ShdaTemplate.Pixel(10, 140) >> 24,
            skin.manager.Shadows.ShdiTemplate.Pixel(10, 140) >> 24)
      << "the active frame is the darker one";
}

TEST(InternalSkinImages, BrightnessSparesTheButtonMaskRow) {
  LoadedInternalSkin plain;
  LoadedInternalSkin bright([](TSkinManager& m) { m.SetBrightness(100); });
  // BUTTON's border: image rows 0-2, mask rows 3-5.
  EXPECT_EQ(bright.Master(1, 4), plain.Master(1, 4));
  EXPECT_EQ(bright.Master(0, 3), plain.Master(0, 3));
  EXPECT_NE(bright.Master(1, 0), plain.Master(1, 0));
  EXPECT_EQ(bright.manager.Skin.Palette[pcMainColor], 14675939);
}

TEST(InternalSkinImages, HueTurnsTheTitleGlyphsUnlessKept) {
  LoadedInternalSkin plain;
  LoadedInternalSkin turned([](TSkinManager& m) { m.SetHueOffset(180); });
  // The pressed close button's red background, in the glyph's third frame.
  const int x = 70 + 6, y = 238 + 11;
  EXPECT_NE(turned.Master(x, y), plain.Master(x, y));
  EXPECT_EQ(turned.manager.Skin.gd[0].ClassName, u"GLOBALINFO");
}

}  // namespace
}  // namespace vorlan::skin
