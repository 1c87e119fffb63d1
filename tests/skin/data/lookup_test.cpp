#include <gtest/gtest.h>

#include "skin/data/loaded_skin.h"

namespace vorlan::skin {
namespace {

TSkinGeneralData Section(std::u16string name, std::u16string parent, std::int32_t states = 3) {
  TSkinGeneralData data;
  data.ClassName = std::move(name);
  data.ParentClass = std::move(parent);
  data.States = states;
  return data;
}

TSkinMaskData Entry(std::int32_t skin_index, std::u16string section, std::u16string key, TSkImgType type = itBorder) {
  TSkinMaskData mask;
  mask.SkinIndex = skin_index;
  mask.ClassName = std::move(section);
  mask.PropertyName = std::move(key);
  mask.ImgType = type;
  return mask;
}

// 0 GLOBALINFO, 1 BASE (border, pattern), 2 CHILD -> BASE, 3 GRANDCHILD -> CHILD,
// 4 SELF -> SELF, 5 LOOPA -> LOOPB, 6 LOOPB -> LOOPA, 7 ORPHAN -> MISSING, 8 EDIT (thin border)
TLoadedSkin Skin() {
  TLoadedSkin skin;
  skin.gd = {Section(u"GLOBALINFO", u""),         Section(u"BASE", u""),          Section(u"CHILD", u"BASE"),
             Section(u"GRANDCHILD", u"CHILD", 1), Section(u"SELF", u"SELF"),      Section(u"LOOPA", u"LOOPB"),
             Section(u"LOOPB", u"LOOPA"),         Section(u"ORPHAN", u"MISSING"), Section(u"EDIT", u"")};
  skin.ma = {Entry(0, u"GLOBALINFO", u"BORDERSMASK"),  Entry(1, u"BASE", u"BORDERSMASK"),
             Entry(1, u"BASE", u"PATTERN", itTexture), Entry(1, u"BASE", u"HOTPATTERN", itGlyph),
             Entry(2, u"CHILD", u"IMGTOPLEFT"),        Entry(8, u"EDIT", u"BORDERSMASK")};
  skin.ma[5].WL = skin.ma[5].WT = skin.ma[5].WR = skin.ma[5].WB = 1;
  return skin;
}

TEST(SkinLookups, MaskIndexForms) {
  const TLoadedSkin skin = Skin();
  struct Case {
    std::int32_t found;
    std::int32_t expected;
    const char* why;
  };
  const Case cases[] = {
      {skin.GetMaskIndex(u"BASE", u"BORDERSMASK"), 1, "by section name"},
      {skin.GetMaskIndex(u"CHILD", u"BORDERSMASK"), -1, "by name there is no parent fallback"},
      {skin.GetMaskIndex(2, u"BORDERSMASK"), 1, "by index: the parent's"},
      {skin.GetMaskIndex(3, u"BORDERSMASK"), 1, "the grandparent's"},
      {skin.GetMaskIndex(3, u"IMGTOPLEFT"), 4, "the nearest ancestor's"},
      {skin.GetMaskIndex(-1, u"BORDERSMASK"), -1, "negative index"},
      {skin.GetMaskIndex(4, u"BORDERSMASK"), -1, "a section naming itself"},
      {skin.GetMaskIndex(5, u"BORDERSMASK"), -1, "a two-section cycle"},
      {skin.GetMaskIndex(7, u"BORDERSMASK"), -1, "a parent that does not exist"},
      {skin.GetMaskIndex(3, u"GRANDCHILD", u"BORDERSMASK"), 1, "three-argument form follows parents"},
      {skin.GetMaskIndex(2, u"BASE", u"BORDERSMASK"), -1, "not when the parent is the section passed"},
      {skin.GetMaskIndex(5, u"LOOPA", u"BORDERSMASK"), -1, "cycle in the three-argument form"},
      {skin.GetMaskIndex(99, u"X", u"BORDERSMASK"), -1, "invalid index"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.found, c.expected) << c.why;
}

TEST(SkinLookups, TextureIndexForms) {
  const TLoadedSkin skin = Skin();
  EXPECT_EQ(skin.GetTextureIndex(1, u"BASE", u"PATTERN"), 2);
  EXPECT_EQ(skin.GetTextureIndex(1, u"BASE", u"HOTPATTERN"), -1) << "only texture entries";
  EXPECT_EQ(skin.GetTextureIndex(3, u"GRANDCHILD", u"PATTERN"), 2) << "through the parents";
  EXPECT_EQ(skin.GetTextureIndex(3, u"", u"PATTERN"), -1) << "empty section name";
  EXPECT_EQ(skin.GetTextureIndex(-1, u"BASE", u"PATTERN"), -1);
  EXPECT_EQ(skin.GetTextureIndex(5, u"LOOPA", u"PATTERN"), -1);
  EXPECT_EQ(skin.GetTextureIndex(2, u"PATTERN"), 2);
  EXPECT_EQ(skin.GetTextureIndex(6, u"PATTERN"), -1);
  EXPECT_EQ(TLoadedSkin{}.GetTextureIndex(0, u"BASE", u"PATTERN"), -1) << "no masks";
}

TEST(SkinLookups, InitMaskIndexesFillsEverySectionButGlobalInfo) {
  TLoadedSkin skin = Skin();
  skin.gd[2].UseState2 = true;
  skin.InitMaskIndexes(0);
  EXPECT_EQ(skin.gd[0].BorderIndex, -1) << "GLOBALINFO is skipped";
  EXPECT_EQ(skin.gd[0].ScrollBorderOffset, 0);
  EXPECT_EQ(skin.gd[2].BorderIndex, 1);
  EXPECT_EQ(skin.gd[2].ImgTL, 4);
  EXPECT_EQ(skin.gd[2].Props[0].TextureIndex, 2);
  EXPECT_EQ(skin.gd[2].Props[1].TextureIndex, -1);
  EXPECT_EQ(skin.gd[2].Props[2].TextureIndex, -1);
  EXPECT_EQ(skin.gd[3].Props[1].TextureIndex, 2) << "one state: copies the normal texture";
  EXPECT_EQ(skin.gd[3].Props[2].TextureIndex, 2);
  EXPECT_EQ(skin.gd[1].ScrollBorderOffset, 0);
  EXPECT_EQ(skin.gd[4].ScrollBorderOffset, -2) << "no border mask";
  EXPECT_EQ(skin.gd[8].ScrollBorderOffset, -1) << "EDIT with a one-pixel border";
}

TEST(SkinLookups, FrameGeometry) {
  struct Case {
    TRect r;
    std::int16_t count, mask_type;
    std::int32_t width, height;
  };
  const Case cases[] = {{{0, 0, 30, 20}, 0, 0, 0, 20},
                        {{0, 0, 30, 20}, 1, 1, 30, 10},
                        {{0, 0, 30, 21}, 3, 2, 10, 7},
                        {{5, 5, 36, 26}, 3, -1, 10, 0},
                        {{0, 0, 31, 21}, 2, 1, 15, 10}};
  for (const Case& c : cases) {
    TSkinMaskData mask;
    mask.R = c.r;
    mask.ImageCount = c.count;
    mask.MaskType = c.mask_type;
    EXPECT_EQ(FrameWidth(mask), c.width);
    EXPECT_EQ(FrameHeight(mask), c.height);
  }
}

}  // namespace
}  // namespace vorlan::skin
