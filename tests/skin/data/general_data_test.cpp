#include <gtest/gtest.h>

#include "paint/colors.h"
#include "platform/syscolor.h"
#include "skin/data/skin_errors.h"
#include "skin/data/skin_loader.h"

namespace vorlan::skin {
namespace {

TLoadedSkin Load(std::u16string_view text, const TSkinOptions* common = nullptr) {
  const TSkinOptions options = TSkinOptions::FromText(text);
  TLoadedSkin skin;
  skin.CommonSkinData.SkinPath = u"no such directory\\";
  TSkinLoadSource source;
  source.Options = &options;
  source.CommonSections = common;
  LoadAllMasks(skin, source);
  LoadAllGeneralData(skin, source);
  return skin;
}

const TSkinGeneralData& Section(const TLoadedSkin& skin, std::u16string_view name) {
  const std::int32_t index = skin.GetSkinIndex(name);
  EXPECT_GE(index, 0) << std::string(name.begin(), name.end());
  return skin.gd.at(static_cast<std::size_t>(index));
}

TColor Sys(int index) { return static_cast<TColor>(platform::SysColor(index)); }

TEST(SkinGeneralData, SectionsInFileOrderWithTransparentAppended) {
  const TLoadedSkin skin = Load(u"[GLOBALINFO]\n[B]\nCOLOR=1\n[A]\n[B]\nCOLOR=2\n");
  ASSERT_EQ(skin.gd.size(), 5u);
  const std::u16string expected[] = {u"GLOBALINFO", u"B", u"A", u"B", u"TRANSPARENT"};
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(skin.gd[i].ClassName, expected[i]);
  EXPECT_EQ(skin.gd[3].Props[0].Color, 1) << "a repeated section reads the first occurrence's keys";
  EXPECT_EQ(skin.GetSkinIndex(u"B"), 1);
  EXPECT_EQ(skin.GetSkinIndex(u"TRANSPARENT"), 4);
  EXPECT_EQ(skin.GetSkinIndex(u"b"), -1) << "names are case-sensitive";
  EXPECT_EQ(skin.GetSkinIndex(u""), -1);

  const TSkinGeneralData& transparent = skin.gd[4];
  EXPECT_EQ(transparent.States, 1);
  for (const TSkinGenState& state : transparent.Props) {
    EXPECT_EQ(state.Transparency, 100);
    EXPECT_EQ(state.Color, 16777215);
    EXPECT_EQ(state.FontColor, (TSkinFontColor{skin.Palette[pcLabelText], -1, -1, -1, -1}));
    EXPECT_EQ(state.GlowColor, 0);
    EXPECT_EQ(state.TextureIndex, -1) << "the loader resolves it: 0 would be the first image";
  }
  for (std::int32_t index : {transparent.BorderIndex, transparent.OuterMask, transparent.ImgTL, transparent.ImgTR,
                             transparent.ImgBL, transparent.ImgBR}) {
    EXPECT_EQ(index, -1) << "no image belongs to the appended section";
  }
  EXPECT_EQ(Load(u"[TRANSPARENT]\nCOLOR=5\n").gd.size(), 1u) << "an existing TRANSPARENT section is kept";
}

TEST(SkinGeneralData, StatesAndTheirDefaults) {
  const TLoadedSkin skin = Load(
      u"[NOSTATES]\nCOLOR=1\n"
      u"[MANY]\nSTATES=300\n"
      u"[ONE]\nSTATES=1\nCOLOR=7\nHOTCOLOR=8\nPATTERN=~0001~0001~0005~0005~00~0\n"
      u"[THREE]\nSTATES=3\nCOLOR=9\nFONTCOLOR=3\n"
      u"[STATE2]\nUSESTATE2=1\nCOLOR=1\nHOTCOLOR=2\nCOLOR2=3\n"
      u"[NOSTATE2]\nUSESTATE2=TRUE\nHOTCOLOR=2\nCOLOR2=3\n");
  EXPECT_EQ(Section(skin, u"NOSTATES").States, 3);
  EXPECT_EQ(Section(skin, u"MANY").States, 255);
  const TSkinGeneralData& one = Section(skin, u"ONE");
  EXPECT_GE(one.Props[0].TextureIndex, 0);
  EXPECT_EQ(one.Props[1], one.Props[0]) << "one state: copies, texture index included";
  EXPECT_EQ(one.Props[2], one.Props[0]);
  const TSkinGeneralData& three = Section(skin, u"THREE");
  EXPECT_EQ(three.Props[1].Color, 16777215) << "the hot state starts from the built-in default";
  EXPECT_EQ(three.Props[1].FontColor.Color, 0);
  EXPECT_EQ(three.Props[2], three.Props[1]) << "without USESTATE2 the third state copies the second";
  const TSkinGeneralData& state2 = Section(skin, u"STATE2");
  EXPECT_TRUE(state2.UseState2);
  EXPECT_EQ(state2.Props[2].Color, 3);
  EXPECT_FALSE(Section(skin, u"NOSTATE2").UseState2) << "USESTATE2 counts only as the number 1";
  EXPECT_EQ(Section(skin, u"NOSTATE2").Props[2].Color, 2);
}

TEST(SkinGeneralData, KeysAreInheritedAlongTheParentChain) {
  const TLoadedSkin skin = Load(
      u"[GRAND]\nCOLOR=100\nGLOW=400\nGIVEOWNFONT=TRUE\nGRADIENTPERCENT=40\nGRADIENTDATA=1;2;3;4;5\nTCLEFT=-16777201\n"
      u"[PARENT]\nPARENTCLASS=GRAND\nFONTCOLOR=200\n"
      u"[CHILD]\nPARENTCLASS=PARENT\nCOLOR=-1\nOUTOPACITY=999\n"
      u"[SELF]\nPARENTCLASS=SELF\n"
      u"[LOOPA]\nPARENTCLASS=LOOPB\n"
      u"[LOOPB]\nPARENTCLASS=LOOPA\n");
  const TSkinGeneralData& child = Section(skin, u"CHILD");
  EXPECT_EQ(child.ParentClass, u"PARENT");
  EXPECT_EQ(child.Props[0].Color, 100) << "-1 in the section looks further, up to the grandparent";
  EXPECT_EQ(child.Props[0].FontColor.Color, 200);
  EXPECT_EQ(child.GlowCount, 255) << "inherited values are limited too";
  EXPECT_EQ(child.OuterOpacity, 255);
  EXPECT_TRUE(child.GiveOwnFont);
  ASSERT_EQ(child.Props[0].GradientArray.size(), 1u);
  EXPECT_EQ(child.Props[0].GradientPercent, 40);
  EXPECT_EQ(child.Props[0].FontColor.Left, Sys(15)) << "an inherited system colour is resolved";
  EXPECT_EQ(Section(skin, u"GRAND").Props[0].FontColor.Left, -16777201) << "the section's own value is not";
  EXPECT_EQ(Section(skin, u"SELF").Props[0].Color, 16777215);
  EXPECT_EQ(Section(skin, u"LOOPA").Props[0].Color, 16777215) << "a parent cycle ends as not found";
  EXPECT_EQ(Section(skin, u"LOOPB").States, 3);
}

TEST(SkinGeneralData, GradientData) {
  const TLoadedSkin skin = Load(
      u"[EXAMPLE]\nGRADIENTPERCENT=100\n"
      u"GRADIENTDATA=16777215;15661040;51;0;0;15661040;15661040;46;0;0;15661040;15661040;0;0;0\n"
      u"[NA]\nGRADIENTPERCENT=70\nGRADIENTDATA=N/A\n"
      u"[SHORT]\nGRADIENTPERCENT=70\nGRADIENTDATA=\n"
      u"[CLAMP]\nGRADIENTDATA=1;2;150;7;9;3;4;-5;8;9;5;6;7\n"
      u"[SYSTEM]\nGRADIENTDATA=-16777211;-16777208;10;0;0\n");
  const TSkinGenState& example = Section(skin, u"EXAMPLE").Props[0];
  ASSERT_EQ(example.GradientArray.size(), 3u);
  EXPECT_EQ(example.GradientArray[0], (TSkinGradPie{16777215, 15661040, 51, 0, 0}));
  EXPECT_EQ(example.GradientArray[1].Percent, 46);
  EXPECT_EQ(example.GradientArray[2].Percent, 0);
  const TSkinGenState& na = Section(skin, u"NA").Props[0];
  EXPECT_TRUE(na.GradientArray.empty());
  EXPECT_EQ(na.GradientPercent, 70) << "N/A keeps the percentage";
  EXPECT_EQ(Section(skin, u"SHORT").Props[0].GradientPercent, 0) << "a text under 3 characters clears it";
  const TSkinGradArray& clamp = Section(skin, u"CLAMP").Props[0].GradientArray;
  ASSERT_EQ(clamp.size(), 2u) << "a trailing incomplete group is dropped";
  EXPECT_EQ(clamp[0], (TSkinGradPie{1, 2, 100, 7, 0})) << "percent limited to 100, fifth number skipped";
  EXPECT_EQ(clamp[1].Percent, 0);
  EXPECT_EQ(Section(skin, u"SYSTEM").Props[0].GradientArray[0].Color1, Sys(5));
  EXPECT_EQ(Section(skin, u"SYSTEM").Props[0].GradientArray[0].Color2, Sys(8));
  try {
    Load(u"[BAD]\nGRADIENTDATA=1;2;x3;4;5\n");
    FAIL() << "accepted";
  } catch (const EConvertError& error) {
    EXPECT_STREQ(error.what(), "''x3'' is not a valid integer value");
  }
}

TEST(SkinGeneralData, GlobalInfoValuesAndDefaults) {
  const TLoadedSkin defaults = Load(u"[GLOBALINFO]\nTITLEHEIGHT=0\n");
  const TSkinData& d = defaults.CommonSkinData;
  EXPECT_EQ(d.ExTitleHeight, 30);
  EXPECT_EQ(d.ExMaxHeight, 30);
  EXPECT_EQ(d.ExBorderWidth, 4);
  EXPECT_EQ(d.ExContentOffs, platform::SizingFrameWidth());
  EXPECT_EQ(d.BrightMin, -50);
  EXPECT_EQ(d.BrightMax, 50);
  EXPECT_EQ(d.Shadow1Blur, -1);
  EXPECT_EQ(d.ComboBoxMargin, 2);
  EXPECT_EQ(d.Version, 0);
  const TLoadedSkin set = Load(
      u"[GLOBALINFO]\nVERSION=7.45\nTITLEHEIGHT=39\nALIGNOFFSET=-2\nALIGNOFFSETR=4\nAEROBLUR=2\nAUTHOR=Me\n"
      u"[TABTOP]\nTABSCOVERING=3\n[RIBBONTAB]\nTABSCOVERING=$10\n");
  const TSkinData& s = set.CommonSkinData;
  EXPECT_DOUBLE_EQ(s.Version, 7.45);
  EXPECT_EQ(s.ExMaxHeight, 39) << "a missing MAXHEIGHT gives the title height";
  EXPECT_EQ(s.ExShadowOffsR, 4);
  EXPECT_EQ(s.ExShadowOffsT, -2) << "ALIGNOFFSETT defaults to ALIGNOFFSET";
  EXPECT_EQ(s.ExShadowOffsB, -2);
  EXPECT_TRUE(s.UseAeroBluring);
  EXPECT_EQ(s.Author, u"Me");
  EXPECT_EQ(s.TabsCovering, 3);
  EXPECT_EQ(s.RibbonCovering, 16);
}

TEST(SkinGeneralData, SelectionColoursFallBack) {
  struct Case {
    std::u16string text;
    TColor text_colour, bg, focused_text, focused_bg;
    const char* why;
  };
  const TColor reference = static_cast<TColor>(0xFF00000Eu);
  const Case cases[] = {
      {u"[GLOBALINFO]\n", Sys(14), Sys(13), Sys(14), Sys(13), "neither SELECTION nor MENUITEM: system highlight"},
      {u"[MENUITEM]\nHOTFONTCOLOR=5\nHOTCOLOR=6\n", 5, 6, 5, 6, "MENUITEM's hot state"},
      {u"[MENUITEM]\nSTATES=1\nCOLOR=6\nFONTCOLOR=16711935\n", reference, 6, reference, 6,
       "magenta text becomes the highlight-text reference"},
      {u"[SELECTION]\nSTATES=1\nCOLOR=3\nFONTCOLOR=4\n", 4, 3, 4, 3, "one state: the focused colours copy it"},
      {u"[SELECTION]\nCOLOR=3\nFONTCOLOR=4\nHOTCOLOR=5\nHOTFONTCOLOR=6\n", 4, 3, 6, 5, "SELECTION's two states"},
  };
  for (const Case& c : cases) {
    const TLoadedSkin skin = Load(c.text);
    EXPECT_EQ(skin.Palette[pcSelectionText], c.text_colour) << c.why;
    EXPECT_EQ(skin.Palette[pcSelectionBG], c.bg) << c.why;
    EXPECT_EQ(skin.Palette[pcSelectionText_Focused], c.focused_text) << c.why;
    EXPECT_EQ(skin.Palette[pcSelectionBG_Focused], c.focused_bg) << c.why;
  }
}

TEST(SkinGeneralData, PaletteFromGlobalInfoAndEdit) {
  const TLoadedSkin bare = Load(u"[GLOBALINFO]\n");
  EXPECT_EQ(bare.Palette[pcMainColor], Sys(15));
  EXPECT_EQ(bare.Palette[pcEditText], Sys(8));
  EXPECT_EQ(bare.Palette[pcEditBG], Sys(5));
  EXPECT_EQ(bare.Palette[pcWebText], 16711680);
  EXPECT_EQ(bare.Palette[pcWebTextHot], 255);
  EXPECT_EQ(bare.Palette[pcEditText_Caution], 8755161);
  const TLoadedSkin skin =
      Load(u"[GLOBALINFO]\nCOLOR=14675939\nEDITTEXT_ALERT=77\n[EDIT]\nCOLOR=16777215\nFONTCOLOR=0\n");
  EXPECT_EQ(skin.Palette[pcMainColor], 14675939);
  EXPECT_EQ(skin.Palette[pcEditBG_OddRow], 16777215);
  EXPECT_EQ(skin.Palette[pcEditText_Inverted], 16777215);
  EXPECT_EQ(skin.Palette[pcEditBG_Inverted], 0);
  EXPECT_EQ(skin.Palette[pcEditBG_EvenRow], 0xF2F2F2) << "trunc(0.05 * 0 + 0.95 * 255) = 242 per channel";
  EXPECT_EQ(skin.Palette[pcEditText_Alert], 77);
  EXPECT_EQ(skin.Palette[pcEditText_Caution], 77) << "the caution colour reads EDITTEXT_ALERT too";
}

TEST(SkinGeneralData, MixColorsKeepsTheTopByteOfTheFirst) {
  EXPECT_EQ(paint::MixColors(0x01FF8000, 0x00000080, 0.5), 0x017F4040);
  EXPECT_EQ(paint::MixColors(0x000000FF, 0x00000000, 0.999), 0x000000FE) << "truncated, not rounded";
}

TEST(SkinGeneralData, OuterEffects) {
  const TLoadedSkin defaults = Load(u"[GLOBALINFO]\n");
  const TSkOutEffData& shadow = defaults.oe[kOuterEffectShadow];
  const TSkOutEffData& light = defaults.oe[kOuterEffectLight];
  EXPECT_EQ(shadow.OffsetB, 5);
  EXPECT_EQ(shadow.Opacity, 60);
  EXPECT_EQ(light.ColorL, 16777215);
  EXPECT_EQ(light.ColorT, 0);
  EXPECT_EQ(light.OffsetB, 4);
  EXPECT_EQ(light.Opacity, 200);
  EXPECT_EQ(shadow.Source, 2);
  EXPECT_EQ(shadow.WidthL, 9) << "generated: -1 widths become half of the 19-pixel picture";
  ASSERT_TRUE(defaults.IsValidImgIndex(shadow.Mask));
  const TSkinMaskData& mask = defaults.ma[static_cast<std::size_t>(shadow.Mask)];
  EXPECT_EQ(mask.R, (TRect{0, 0, 19, 38}));
  EXPECT_EQ(mask.ImageCount, 1);
  EXPECT_EQ(mask.MaskType, 1);
  EXPECT_EQ(mask.DrawMode, 1);
  EXPECT_EQ(mask.BorderWidth, 9);
  EXPECT_EQ(mask.WB, 9);
  ASSERT_NE(mask.Bmp, nullptr);

  const TLoadedSkin set = Load(
      u"[GLOBALINFO]\nSH_SOURCE=1\nSH_MASK=^0104^0101^0115^0127^0005^0005^0005^0007^1^1^1^1\n"
      u"LO_SOURCE=0\nSH_WIDTHL=4\n");
  const TSkOutEffData& image = set.oe[kOuterEffectShadow];
  EXPECT_EQ(set.oe[kOuterEffectLight].Mask, -1);
  EXPECT_EQ(image.WidthL, 4);
  EXPECT_EQ(image.WidthT, -1) << "an image mask keeps -1 widths";
  ASSERT_TRUE(set.IsValidImgIndex(image.Mask));
  const TSkinMaskData& border = set.ma[static_cast<std::size_t>(image.Mask)];
  EXPECT_EQ(border.R, (TRect{104, 101, 115, 127}));
  EXPECT_EQ(border.WB, 7);
  EXPECT_EQ(border.ClassName, u"GLOBALINFO");
  EXPECT_EQ(border.PropertyName, u"SH_MASK");
  EXPECT_EQ(border.CornerType, 0);
  EXPECT_EQ(Load(u"[GLOBALINFO]\nSH_SOURCE=1\n").oe[kOuterEffectShadow].Mask, -1) << "empty mask key";
}

TEST(SkinGeneralData, CommonSectionsAddMissingSections) {
  const TSkinOptions common =
      TSkinOptions::FromText(NormalizeCommonSections(u"[BUTTON]\nCOLOR = 1\n"
                                                     u"[MYBUTTON]\nPARENTCLASS = button\nFONTCOLOR = $FF\nSTATES = 1\n"
                                                     u"[PLAIN]\nGLOW = 0x10\n; a comment keeps its spaces\n"));
  const TLoadedSkin skin = Load(u"[BUTTON]\nCOLOR=5\nHOTCOLOR=6\nGLOWMARGIN=3\nSTATES=3\n", &common);
  EXPECT_EQ(Section(skin, u"BUTTON").Props[0].Color, 5) << "existing sections are not changed";
  const TSkinGeneralData& mine = Section(skin, u"MYBUTTON");
  EXPECT_EQ(mine.Props[0].Color, 5) << "taken from the template named by PARENTCLASS";
  EXPECT_EQ(mine.Props[0].FontColor.Color, 255);
  EXPECT_EQ(mine.States, 1);
  EXPECT_EQ(mine.Props[1], mine.Props[0]);
  EXPECT_EQ(mine.GlowMargin, 3);
  const TSkinGeneralData& plain = Section(skin, u"PLAIN");
  EXPECT_EQ(plain.States, 3);
  EXPECT_EQ(plain.GlowCount, 16);
  EXPECT_EQ(plain.Props[2], TSkinGenState{});
  EXPECT_EQ(skin.gd.back().ClassName, u"TRANSPARENT");
}

}  // namespace
}  // namespace vorlan::skin
