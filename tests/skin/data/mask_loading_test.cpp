#include <gtest/gtest.h>

#include "paint/bitmap32.h"
#include "skin/data/skin_errors.h"
#include "skin/data/skin_loader.h"
#include "skin/data/skin_test_support.h"

namespace vorlan::skin {
namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;

struct Loaded {
  TSkinOptions options;
  TLoadedSkin skin;
};

void LoadInto(Loaded& loaded, std::u16string_view text, std::u16string skin_path,
              const TSkinConvertor* package = nullptr, std::int32_t brightness = 0,
              const TSkinOptions* common = nullptr) {
  loaded.options = TSkinOptions::FromText(text);
  loaded.skin.CommonSkinData.SkinPath = std::move(skin_path);
  TSkinLoadSource source;
  source.Options = &loaded.options;
  source.Package = package;
  source.Brightness = brightness;
  source.CommonSections = common;
  LoadAllMasks(loaded.skin, source);
  LoadAllGeneralData(loaded.skin, source);
}

const TSkinMaskData& Mask(const TLoadedSkin& skin, std::u16string_view section, std::u16string_view key) {
  const std::int32_t index = skin.GetMaskIndex(section, key);
  EXPECT_GE(index, 0) << std::string(key.begin(), key.end());
  return skin.ma.at(static_cast<std::size_t>(index));
}

std::vector<std::uint32_t> Solid(std::int32_t w, std::int32_t h, std::uint32_t colour) {
  return std::vector<std::uint32_t>(static_cast<std::size_t>(w * h), colour);
}

TEST(SkinMasks, FixedPositionEntries) {
  Loaded loaded;
  LoadInto(
      loaded,
      u"[GLOBALINFO]\nMASTERBITMAP=@0001@0001@0001@0001@1@0\nBoxChecked=@0019@0080@0070@0095@3@0\n"
      u"[PANEL]\nBORDERSMASK=^0108^0238^0119^0260^0005^0004^0003^0002^1^1^2^1\n"
      u"UNIFORM=^0000^0000^0030^0020^0000^0000^0000^0000^1^0^1^4\n"
      u"THIRDS=^0000^0000^0030^0020^0000^0000^0000^0000^2^1^1^0\n"
      u"NOFRAMES=^0000^0000^0030^0020^0000^0000^0000^0000^0^1^1^0\n"
      u"PATTERN=~0076~0341~0127~0392~07~1\nSHORT=~0076~0341~0127~0392~12\nOTHER=N/A\nLOWER=@0001@0002@0003@0004@1@0\n",
      u"no such directory\\");
  const TLoadedSkin& skin = loaded.skin;
  EXPECT_EQ(skin.GetMaskIndex(u"GLOBALINFO", u"MASTERBITMAP"), -1) << "MASTERBITMAP is not an image entry";
  const TSkinMaskData& glyph = Mask(skin, u"GLOBALINFO", u"BoxChecked");
  EXPECT_EQ(glyph.R, (TRect{19, 80, 70, 95}));
  EXPECT_EQ(glyph.ImageCount, 3);
  EXPECT_EQ(FrameWidth(glyph), 17);
  EXPECT_EQ(FrameHeight(glyph), 15);
  EXPECT_EQ(glyph.ImgType, itGlyph);
  EXPECT_EQ(glyph.SkinIndex, 0);
  EXPECT_EQ(glyph.Bmp, nullptr);

  const TSkinMaskData& border = Mask(skin, u"PANEL", u"BORDERSMASK");
  EXPECT_EQ(border.R, (TRect{108, 238, 119, 260}));
  EXPECT_EQ((std::array{border.WL, border.WT, border.WR, border.WB}), (std::array<std::int16_t, 4>{5, 4, 3, 2}));
  EXPECT_EQ(border.MaskType, 1);
  EXPECT_EQ(border.DrawMode, 2);
  EXPECT_EQ(border.BorderWidth, 1);
  EXPECT_EQ(border.SkinIndex, 1);
  EXPECT_EQ(Mask(skin, u"PANEL", u"UNIFORM").WT, 4) << "zero widths take the border width";
  const TSkinMaskData& thirds = Mask(skin, u"PANEL", u"THIRDS");
  EXPECT_EQ(thirds.WL, 5) << "30 div (2 * 3)";
  EXPECT_EQ(thirds.WB, 3) << "20 div (1 * 3 + 3)";
  EXPECT_EQ(skin.GetMaskIndex(u"PANEL", u"NOFRAMES"), -1) << "a frame count of 0 to divide by makes no mask";

  const TSkinMaskData& texture = Mask(skin, u"PANEL", u"PATTERN");
  EXPECT_EQ(texture.R, (TRect{76, 341, 127, 392}));
  EXPECT_EQ(texture.DrawMode, 7);
  EXPECT_EQ(texture.MaskType, 1);
  EXPECT_EQ(texture.ImageCount, 1);
  EXPECT_EQ(texture.ImgType, itTexture);
  EXPECT_EQ(Mask(skin, u"PANEL", u"SHORT").MaskType, 0) << "under 25 characters: no mask type";
  EXPECT_EQ(Mask(skin, u"PANEL", u"SHORT").DrawMode, 12);
  EXPECT_EQ(skin.GetMaskIndex(u"PANEL", u"OTHER"), -1);
}

TEST(SkinMasks, BrokenFixedNumbersEndTheLoad) {
  const std::pair<std::u16string, std::string> cases[] = {
      {u"[S]\nK=^01x8^0238^0119^0260^0005^0005^0005^0005^1^1^1^1\n", "''01X8'' is not a valid integer value"},
      {u"[S]\nK=@0019@0080@00x\n", "''00X'' is not a valid integer value"},
      {u"[S]\nK=@0019@0080@0070@0095@3\n", "'''' is not a valid integer value"},
      {u"[S]\nK=~0076~0341~0127~0392~A0~0\n", "''A0'' is not a valid integer value"},
  };
  for (const auto& [text, message] : cases) {
    Loaded loaded;
    try {
      LoadInto(loaded, text, u"");
      ADD_FAILURE() << message << ": accepted";
    } catch (const EConvertError& error) {
      EXPECT_EQ(std::string(error.what()), message);
    }
  }
}

TEST(SkinMasks, ImageFilesOfASkinDirectory) {
  test::TempDir dir;
  dir.Write(u"BTNHUGE.BMP", test::Bmp24(192, 128, Solid(192, 128, 0x808080)));
  dir.Write(u"EXT.PNG", test::PngRgba(40, 10, Solid(40, 10, 0x80FF0000)));
  dir.Write(u"SUB.BMP", test::Bmp24(30, 9, Solid(30, 9, 0x112233)));
  Loaded loaded;
  LoadInto(loaded,
           u"[BUTTON_HUGE]\nBORDERSMASK=!BTNHUGE.BMP!3!1!0!0031!0031!0031!0031!5\n"
           u"[OTHER]\nBORDERSMASK=!btnhuge.bmp!3!1!0!0031!0031!0031!0031!5\n"
           u"EXBORDER=!EXT.PNG!2!0!3!0060!0092!0060!0078!0\nKIND7=!EXT.PNG!1!0!7\nNEGATIVE=!EXT.PNG!1!0!-1\n"
           u"FEW=!EXT.PNG!2!0\nNOFRAMES=!EXT.PNG!0!0\nWORDS=!EXT.PNG!x!y!z!a!b!c!d!e\n"
           u"PLAIN=sub.bmp\nMISSING=!NONE.BMP!1!0!0\nMISSINGPLAIN=NONE.JPG\n",
           dir.SkinPath());
  const TLoadedSkin& skin = loaded.skin;
  const TSkinMaskData& huge = Mask(skin, u"BUTTON_HUGE", u"BORDERSMASK");
  EXPECT_EQ(huge.CornerType, 2);
  EXPECT_EQ(huge.R, (TRect{0, 0, 192, 128}));
  EXPECT_EQ(FrameWidth(huge), 64);
  EXPECT_EQ(FrameHeight(huge), 64);
  EXPECT_EQ(huge.WL, 31);
  EXPECT_EQ(huge.DrawMode, 5);
  const TSkinMaskData& other = Mask(skin, u"OTHER", u"BORDERSMASK");
  EXPECT_EQ(other.CornerType, 0);
  EXPECT_EQ(other.Bmp, huge.Bmp) << "one file, one shared bitmap";
  EXPECT_EQ(skin.ExtArray.size(), 3u);
  EXPECT_EQ(skin.ExtArray[0].FileName, u"BTNHUGE.BMP");

  const TSkinMaskData& glow = Mask(skin, u"OTHER", u"EXBORDER");
  EXPECT_EQ(glow.ImgType, itGlow);
  EXPECT_EQ(glow.R, (TRect{0, 0, 40, 10}));
  EXPECT_EQ((std::array{glow.WL, glow.WT, glow.WR, glow.WB}), (std::array<std::int16_t, 4>{60, 92, 60, 78}));
  EXPECT_EQ(Mask(skin, u"OTHER", u"KIND7").ImgType, itPngGlyph) << "kinds above 4 count as 4";
  EXPECT_EQ(skin.GetMaskIndex(u"OTHER", u"NEGATIVE"), -1);
  const TSkinMaskData& few = Mask(skin, u"OTHER", u"FEW");
  EXPECT_EQ(few.WL, 6) << "40 div (2 * 3)";
  EXPECT_EQ(few.WT, 3) << "10 div 3";
  EXPECT_EQ(few.DrawMode, 0);
  EXPECT_EQ(skin.GetMaskIndex(u"OTHER", u"NOFRAMES"), -1);
  const TSkinMaskData& words = Mask(skin, u"OTHER", u"WORDS");
  EXPECT_EQ(words.ImageCount, 0) << "non-numeric words give 0";
  EXPECT_EQ(words.WL, 0);
  const TSkinMaskData& plain = Mask(skin, u"OTHER", u"PLAIN");
  EXPECT_EQ(plain.ImgType, itTexture);
  EXPECT_EQ(plain.R, (TRect{0, 0, 30, 9}));
  EXPECT_EQ(plain.WL, 10);
  EXPECT_EQ(plain.WT, 3);
  EXPECT_EQ(skin.GetMaskIndex(u"OTHER", u"MISSING"), -1);
  EXPECT_EQ(skin.GetMaskIndex(u"OTHER", u"MISSINGPLAIN"), -1);
}

TEST(SkinMasks, CornerTypeLooksForTransparentCornerPixels) {
  // Master 12 x 6: two frames of 6 x 6, border widths 1.
  struct Case {
    std::int32_t x, y;
    std::int32_t corner_type;
    const char* why;
  };
  const Case cases[] = {{0, 0, 1, "top-left"},
                        {5, 0, 1, "top-right"},
                        {0, 5, 1, "bottom-left"},
                        {5, 5, 1, "bottom-right"},
                        {1, 1, 1, "inside the corner area (widths + 1)"},
                        {3, 3, 0, "centre"},
                        {8, 2, 0, "second frame"},
                        {6, 0, 1, "the right areas span WR + 1 columns"},
                        {-1, -1, 0, "none"}};
  for (const Case& c : cases) {
    test::TempDir dir;
    std::vector<std::uint32_t> pixels = Solid(12, 6, 0x404040);
    if (c.x >= 0) pixels[static_cast<std::size_t>(c.y * 12 + c.x)] = kMagenta;
    dir.Write(u"MASTER.BMP", test::Bmp24(12, 6, pixels));
    Loaded loaded;
    LoadInto(
        loaded,
        u"[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n[B]\nBORDERSMASK=^0000^0000^0012^0006^0001^0001^0001^0001^2^0^1^1\n",
        dir.SkinPath());
    ASSERT_EQ(loaded.skin.MasterBitmap->Width(), 12);
    EXPECT_EQ(loaded.skin.MasterBitmap->Pixel(10, 3), 0xFF404040u) << "opaque after the alpha rule";
    EXPECT_EQ(Mask(loaded.skin, u"B", u"BORDERSMASK").CornerType, c.corner_type) << c.why;
  }
}

TEST(SkinMasks, PackedSkinsTakeImagesFromThePackage) {
  const std::vector<std::uint8_t> package = WriteSkinPackage(
      std::vector<PackageMember>{{u"Options.dat", {}, PackMethod::Deflate},
                                 {u"Master copy.bmp", test::Bmp24(4, 4, Solid(4, 4, kMagenta)), PackMethod::Deflate},
                                 {u"Glow.png", test::PngRgba(2, 1, {0x80FF8040, 0x00FFFFFF}), PackMethod::Store}});
  test::ReadResult read;
  test::ReadPackage(package, read);
  struct Case {
    std::u16string master;
    std::u16string version;
    std::int32_t brightness;
    std::int32_t master_width;
    std::uint32_t glow_pixel;
    const char* why;
  };
  const Case cases[] = {
      {u"MASTER COPY.BMP", u"10.00", 0, 4, 0x807F4020u, "newer skins premultiply PNG images"},
      {u"Master copy.bmp", u"7.45", 0, 0, 0x80FF8040u, "the master name must be written upper-cased"},
      {u"MASTER COPY.BMP", u"10", 5, 4, 0x80FF8040u, "a positive brightness leaves it to the adjustment"},
  };
  for (const Case& c : cases) {
    Loaded loaded;
    LoadInto(loaded,
             u"[GLOBALINFO]\nVERSION=" + c.version + u"\nMASTERBITMAP=" + c.master + u"\n[G]\nGLOW0=!GLOW.PNG!1!0!3\n",
             u"", &read.Convertor, c.brightness);
    EXPECT_EQ(loaded.skin.MasterBitmap->Width(), c.master_width) << c.why;
    const TSkinMaskData& glow = Mask(loaded.skin, u"G", u"GLOW0");
    ASSERT_NE(glow.Bmp, nullptr);
    EXPECT_EQ(glow.Bmp->Pixel(0, 0), c.glow_pixel) << c.why;
    if (c.glow_pixel == 0x807F4020u) {
      EXPECT_EQ(glow.Bmp->Pixel(1, 0), 0u) << "0x00FFFFFF becomes 0";
    }
  }
}

TEST(SkinMasks, CommonSectionsAddImagesFromTheSkinDirectory) {
  test::TempDir dir;
  dir.Write(u"extra.bmp", test::Bmp24(3, 2, Solid(3, 2, 0x010203)));
  const TSkinOptions common =
      TSkinOptions::FromText(u"[GLOBALINFO]\nIMG=extra.bmp\n[MyButton]\nglyph=extra.bmp\nmissing=none.bmp\ncolour=5\n");
  Loaded loaded;
  LoadInto(loaded, u"[GLOBALINFO]\n", dir.SkinPath(), nullptr, 0, &common);
  const TSkinMaskData& mask = Mask(loaded.skin, u"MYBUTTON", u"GLYPH");
  ASSERT_NE(mask.Bmp, nullptr);
  EXPECT_EQ(mask.Bmp->Width(), 3);
  EXPECT_EQ(mask.SkinIndex, 0);
  EXPECT_EQ(mask.R, TRect{});
  EXPECT_EQ(loaded.skin.GetMaskIndex(u"GLOBALINFO", u"IMG"), -1) << "GLOBALINFO of the common text adds nothing";
  EXPECT_EQ(loaded.skin.GetMaskIndex(u"MYBUTTON", u"MISSING"), -1);
}

}  // namespace
}  // namespace vorlan::skin
