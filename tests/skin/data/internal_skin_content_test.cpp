// The program's own skin as the build embeds it.
#include <gtest/gtest.h>

#include "manager_test_support.h"
#include "skin/data/skin_manager.h"
#include "skin/data/skin_stream.h"
#include "skin/internal/internal_skin.h"

namespace vorlan::skin {
namespace {

TEST(InternalSkinPackage, MembersInTheirOrder) {
  TSkinConvertor convertor;
  const auto package = InternalSkinPackage();
  MemoryStream packed(std::vector<std::uint8_t>(package.begin(), package.end()));
  convertor.PackedData = &packed;
  ASSERT_TRUE(LoadSkinPackage(convertor, [](std::u16string_view) {}));
  EXPECT_EQ(packed.Position(), packed.Size()) << "reading ends at the last byte";
  EXPECT_EQ(convertor.ImageCount, 5);
  ASSERT_TRUE(convertor.Options);
  EXPECT_EQ(convertor.Options->Size(), 17563);
  struct Row {
    std::u16string name;
    std::int64_t size;
    bool bitmap;
  };
  const Row rows[] = {{u"BtnHuge.bmp", 73756, true},
                      {u"Master copy.bmp", 466028, true},
                      {u"Net.bmp", 468148, true},
                      {u"ExtBorder.png", 33801, false},
                      {u"GlowEdit.png", 3171, false}};
  ASSERT_EQ(convertor.Files.size(), std::size(rows));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(convertor.Files[i].FileName, rows[i].name);
    EXPECT_EQ(convertor.Files[i].FileStream->Size(), rows[i].size) << i;
    EXPECT_EQ(convertor.Files[i].IsBitmap, rows[i].bitmap) << i;
  }
}

class InternalSkin : public ::testing::Test {
 protected:
  void SetUp() override {
    manager.SetMessageBox(&box);
    manager.InternalSkins.Add(MakeInternalSkin());
    manager.SetSkinName(kInternalSkinName);
  }
  testing::RecordingBox box;
  TSkinManager manager;
};

TEST_F(InternalSkin, IsSelectedFromThePackageInside) {
  EXPECT_TRUE(box.Shown.empty());
  EXPECT_EQ(manager.SkinName(), u"Rorur Udari (internal)");
  EXPECT_TRUE(manager.SkinIsPacked);
  EXPECT_TRUE(manager.Skin.CommonSkinData.SkinPath.empty());
  EXPECT_EQ(manager.SkinInfo(), u"10");
}

TEST_F(InternalSkin, SectionsInFileOrderPlusTransparent) {
  const char16_t* names[] = {u"GLOBALINFO",
                             u"BARPANEL",
                             u"DIVIDER",
                             u"EDIT",
                             u"GRIPH",
                             u"HINT",
                             u"MAINMENU",
                             u"RIBBONPAGE",
                             u"PANEL",
                             u"PANEL_LOW",
                             u"SCROLLBAR2H",
                             u"SCROLLSLIDERH",
                             u"SCROLLSLIDERV",
                             u"STATUSBAR",
                             u"TRACKBAR",
                             u"GAUGE",
                             u"DRAGBAR",
                             u"SCROLLBAR2V",
                             u"GROUPBOX",
                             u"TOOLBAR",
                             u"BUTTON_HUGE",
                             u"CHECKBOX",
                             u"RADIOBUTTON",
                             u"SPLITTER",
                             u"WEBBUTTON",
                             u"PAGECONTROL",
                             u"PAGECONTROLLEFT",
                             u"PAGECONTROLRIGHT",
                             u"PAGECONTROLBOTTOM",
                             u"TB_TAB",
                             u"TB_BTN",
                             u"SCROLLBAR1H",
                             u"SCROLLBAR1V",
                             u"TB_MENUBTN",
                             u"DIVIDERV",
                             u"EXTRALINE",
                             u"DIALOG",
                             u"BUTTON",
                             u"SPEEDBUTTON",
                             u"SPEEDBUTTON_SMALL",
                             u"TOOLBUTTON",
                             u"COLHEADER",
                             u"MENUITEM",
                             u"PROGRESSH",
                             u"PROGRESSV",
                             u"UPDOWNBTN",
                             u"SELECTION",
                             u"MENUCAPTION",
                             u"BARTITLE",
                             u"FORM",
                             u"FORMTITLE",
                             u"BUTTON_BIG",
                             u"MENULINE",
                             u"RIBBONTAB",
                             u"TABTOP",
                             u"TABRIGHT",
                             u"TABLEFT",
                             u"TABBOTTOM",
                             u"COMBOBOX",
                             u"ALPHAEDIT",
                             u"ALPHACOMBOBOX",
                             u"SCROLLBTNLEFT",
                             u"SCROLLBTNRIGHT",
                             u"SCROLLBTNBOTTOM",
                             u"SCROLLBTNTOP",
                             u"SLIDER_OFF",
                             u"THUMB_ON",
                             u"THUMB_OFF",
                             u"BAR",
                             u"SLIDER_ON",
                             u"MENUBTN",
                             u"TRANSPARENT"};
  ASSERT_EQ(manager.Skin.gd.size(), 72u);
  for (std::size_t i = 0; i < manager.Skin.gd.size(); ++i) {
    EXPECT_EQ(manager.Skin.gd[i].ClassName, names[i]) << i;
    EXPECT_TRUE(manager.Skin.gd[i].ParentClass.empty()) << i;
  }
  EXPECT_EQ(manager.ConstData.IndexGLobalInfo, 0);
  EXPECT_EQ(manager.ConstData.Sections[ssTransparent], 71);
  EXPECT_EQ(manager.ConstData.Sections[ssButton], 37);
  EXPECT_EQ(manager.GetSkinIndex(u"ICOLINE"), -1);
  EXPECT_EQ(manager.GetSkinIndex(u"edit"), -1) << "section names are case-sensitive";
}

TEST_F(InternalSkin, SkinWideValuesAndColours) {
  const TSkinData& d = manager.Skin.CommonSkinData;
  const std::pair<std::int32_t, std::int32_t> values[] = {
      {d.ExBorderWidth, 38},      {d.ExTitleHeight, 39}, {d.ExMaxHeight, 39},
      {d.ExContentOffs, 22},      {d.ExCenterOffs, -2},  {d.ExDrawMode, 1},
      {d.BrightMin, -50},         {d.BrightMax, 25},     {d.ExShadowOffs, -2},
      {d.ExShadowOffsR, 4},       {d.ExShadowOffsT, 2},  {d.ExShadowOffsB, -11},
      {d.BISpacing, -1},          {d.BIVAlign, 1},       {d.BIRightMargin, 2},
      {d.BILeftMargin, 2},        {d.BITopMargin, -2},   {d.BIKeepHUE, 0},
      {d.Shadow1Color, 1654556},  {d.Shadow1Offset, 1},  {d.Shadow1Blur, 2},
      {d.Shadow1Transparency, 0}, {d.ComboBoxMargin, 2}, {d.TabsCovering, 0},
      {d.RibbonCovering, 0}};
  for (std::size_t i = 0; i < std::size(values); ++i) EXPECT_EQ(values[i].first, values[i].second) << i;
  EXPECT_EQ(d.Version, 10.0);

  const std::pair<TSkPaletteColors, TColor> palette[] = {{pcMainColor, 14675939},      {pcLabelText, 0},
                                                         {pcWebText, 16744448},        {pcWebTextHot, 5539839},
                                                         {pcBorder, 12240315},         {pcEditText, 0},
                                                         {pcEditBG, 16777215},         {pcSelectionBG, 11981529},
                                                         {pcSelectionText, 0},         {pcSelectionBG_Focused, 7724286},
                                                         {pcSelectionText_Focused, 0}, {pcEditBG_EvenRow, 15070185},
                                                         {pcEditBG_OddRow, 16777215},  {pcEditText_Inverted, 16777215},
                                                         {pcEditBG_Inverted, 0},       {pcEditText_Ok, 32768}};
  for (auto [entry, color] : palette) EXPECT_EQ(manager.Skin.Palette[entry], color) << PaletteColorName(entry);

  const TSkOutEffData& shadow = manager.Skin.oe[kOuterEffectShadow];
  EXPECT_EQ(shadow.Opacity, 33);
  EXPECT_EQ(shadow.Source, 1);
  EXPECT_EQ(shadow.OffsetB, 6);
  EXPECT_GE(shadow.Mask, 0);
  const TSkOutEffData& light = manager.Skin.oe[kOuterEffectLight];
  EXPECT_EQ(light.Opacity, 222);
  EXPECT_EQ(light.ColorT, 0);
  EXPECT_EQ(light.ColorL, 16777215);
}

TEST_F(InternalSkin, SectionsOfTheMainWindow) {
  const TSkinGeneralData& button = manager.Skin.gd[manager.GetSkinIndex(u"BUTTON")];
  EXPECT_EQ(button.States, 3);
  EXPECT_EQ(button.Props[2], button.Props[1]) << "the third state copies the hot one";
  EXPECT_EQ(button.GlowCount, 1);
  const TSkinMaskData& border = manager.Skin.ma[button.BorderIndex];
  EXPECT_EQ(border.R, (TRect{0, 0, 9, 6}));
  EXPECT_EQ(FrameWidth(border), 3);
  EXPECT_EQ(FrameHeight(border), 3);
  EXPECT_EQ(border.DrawMode, 5);
  EXPECT_EQ(border.WL, 1);

  const TSkinGeneralData& panel = manager.Skin.gd[manager.GetSkinIndex(u"PANEL")];
  EXPECT_EQ(panel.States, 1);
  EXPECT_EQ(panel.Props[0].Transparency, 50);
  ASSERT_EQ(panel.Props[0].GradientArray.size(), 3u);
  EXPECT_EQ(panel.Props[0].GradientArray[0].Color1, 16777215);

  const TSkinGeneralData& form = manager.Skin.gd[manager.GetSkinIndex(u"FORM")];
  ASSERT_GE(form.ImgTR, 0);
  EXPECT_EQ(manager.Skin.ma[form.ImgTR].R, (TRect{120, 0, 310, 340}));
  for (std::u16string_view name : {u"CHECKBOX", u"MENULINE"}) {
    const TSkinGeneralData& s = manager.Skin.gd[manager.GetSkinIndex(name)];
    for (int i = 0; i < s.States && i < 3; ++i) EXPECT_EQ(s.Props[i].Transparency, 100);
  }
  EXPECT_EQ(manager.GetMaskIndex(manager.GetSkinIndex(u"SELECTION"), u"BORDERSMASK"), -1)
      << "\"_BORDERSMASK\" is never asked for";
  const TSkinMaskData& close = manager.Skin.ma[manager.ConstData.MaskCloseBtn];
  EXPECT_EQ(close.R, (TRect{0, 238, 105, 261}));
  EXPECT_EQ(FrameWidth(close), 35);
  EXPECT_EQ(FrameHeight(close), 23);
}

TEST_F(InternalSkin, ConstantElementsAndFallbacks) {
  const TConstantSkinData& c = manager.ConstData;
  EXPECT_EQ(c.UpDownBtns[asLeft].SkinSection, u"UPDOWNBTN") << "UPDOWNBTN_LEFT falls back";
  EXPECT_EQ(c.Tabs[tlSingle][asTop].SkinSection, u"TABTOP");
  EXPECT_GE(c.Tabs[tlSingle][asTop].MaskIndex, 0);
  EXPECT_EQ(c.Tabs[tlFirst][asTop].SkinIndex, -1) << "no TABTOPFIRST section";
  EXPECT_TRUE(c.Tabs[tlFirst][asTop].SkinSection.empty());
  EXPECT_EQ(c.ComboBtn.SkinIndex, -1);
  EXPECT_GE(c.ComboBtn.GlyphIndex, 0) << "the combo glyph comes from COMBOBOX";
  EXPECT_EQ(c.Scrolls[asLeft].SkinSection, u"SCROLLBAR1H");
  EXPECT_EQ(c.Scrolls[asBottom].SkinSection, u"SCROLLBAR2V");
  for (std::int32_t mask : {c.CheckBox[0], c.CheckBox[1], c.CheckBox[2], c.RadioButton[0], c.RadioButton[1],
                            c.MaskCloseBtn, c.MaskCloseAloneBtn, c.MaskMaxBtn, c.MaskNormBtn, c.MaskMinBtn,
                            c.MaskHelpBtn, c.MaskCloseSmall, c.MaskMaxSmall, c.MaskMinSmall, c.GripRightBottom}) {
    EXPECT_TRUE(manager.IsValidImgIndex(mask));
  }
  EXPECT_EQ(c.GripHorizontal, -1);
}

}  // namespace
}  // namespace vorlan::skin
