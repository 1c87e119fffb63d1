#include "skin/data/manager_const_data.h"

#include <initializer_list>

namespace vorlan::skin {

namespace {

constexpr std::u16string_view kSectionNames[kConstSectionCount] = {
    u"MENUITEM",  u"CHECKBOX",  u"SPEEDBUTTON", u"SPEEDBUTTON_SMALL", u"TOOLBUTTON", u"TRANSPARENT", u"GROUPBOX",
    u"DIVIDER",   u"WEBBUTTON", u"BUTTON",      u"TOOLBAR",           u"EDIT",       u"GAUGE",       u"SELECTION",
    u"STATUSBAR", u"PANEL",     u"PANEL_LOW",   u"TRACKBAR",          u"COLHEADER",  u"PROGRESSV",   u"DRAGBAR",
    u"GRIPH",     u"GRIPV",     u"PROGRESSH",   u"TABSHEET",          u"MENUBTN",    u"UPDOWNBTN",   u"COMBOBOX",
    u"CAPTION"};

constexpr std::u16string_view kGlobalInfo = u"GLOBALINFO";

// The first of the names (then its fallbacks) that the skin has.
TSkConstElementData ResolveElement(const TLoadedSkin& skin, std::initializer_list<std::u16string_view> names) {
  TSkConstElementData element;
  for (std::u16string_view name : names) {
    const std::int32_t index = skin.GetSkinIndex(name);
    if (index >= 0) {
      element.SkinSection = name;
      element.SkinIndex = index;
      break;
    }
  }
  element.MaskIndex = skin.GetMaskIndex(element.SkinIndex, element.SkinSection, u"BORDERSMASK");
  element.GlyphIndex = skin.GetMaskIndex(element.SkinIndex, element.SkinSection, u"GLYPHMASK");
  element.BGIndex[0] = skin.GetMaskIndex(element.SkinIndex, element.SkinSection, u"PATTERN");
  element.BGIndex[1] = skin.GetMaskIndex(element.SkinIndex, element.SkinSection, u"HOTPATTERN");
  return element;
}

}  // namespace

std::u16string_view ConstSectionName(int section) { return kSectionNames[section]; }

void InitConstantIndexes(TLoadedSkin& skin, TConstantSkinData& d) {
  d.IndexGLobalInfo = skin.GetSkinIndex(kGlobalInfo);
  const auto global = [&](std::u16string_view mask) { return skin.GetMaskIndex(d.IndexGLobalInfo, kGlobalInfo, mask); };

  d.CheckBox = {global(u"BOXUNCHECKED"), global(u"BOXCHECKED"), global(u"BOXGRAYED")};
  d.SmallCheckBox = {global(u"SMALLUNCHECKED"), global(u"SMALLCHECKED"), global(u"SMALLGRAYED")};
  d.RadioButton = {global(u"RADIOUNCHECKED"), global(u"RADIOCHECKED")};
  d.ExBorder = global(u"EXBORDER");
  d.GripRightBottom = global(u"GRIPIMAGE");
  d.GripHorizontal = global(u"GRIPHORZ");
  d.GripVertical = global(u"GRIPVERT");

  d.MenuItem = ResolveElement(skin, {u"MENUITEM"});
  d.ComboBtn = ResolveElement(skin, {u"COMBOBTN"});
  d.ComboBtn.GlyphIndex = skin.GetMaskIndex(u"COMBOBOX", u"GLYPHMASK");

  static constexpr std::u16string_view kTabs[4][4] = {
      {u"TABLEFTFIRST", u"TABTOPFIRST", u"TABRIGHTFIRST", u"TABBOTTOMFIRST"},
      {u"TABLEFTLAST", u"TABTOPLAST", u"TABRIGHTLAST", u"TABBOTTOMLAST"},
      {u"TABLEFTMIDDLE", u"TABTOPMIDDLE", u"TABRIGHTMIDDLE", u"TABBOTTOMMIDDLE"},
      {u"TABLEFT", u"TABTOP", u"TABRIGHT", u"TABBOTTOM"}};
  for (int layout = 0; layout < 4; ++layout) {
    for (int side = 0; side < 4; ++side) d.Tabs[layout][side] = ResolveElement(skin, {kTabs[layout][side]});
  }
  d.Sliders = {ResolveElement(skin, {u"SCROLLSLIDERH"}), ResolveElement(skin, {u"SCROLLSLIDERV"})};
  d.ScrollBtns = {ResolveElement(skin, {u"SCROLLBTNLEFT"}), ResolveElement(skin, {u"SCROLLBTNTOP"}),
                  ResolveElement(skin, {u"SCROLLBTNRIGHT"}), ResolveElement(skin, {u"SCROLLBTNBOTTOM"})};
  d.Scrolls = {ResolveElement(skin, {u"SCROLLBAR1H"}), ResolveElement(skin, {u"SCROLLBAR1V"}),
               ResolveElement(skin, {u"SCROLLBAR2H"}), ResolveElement(skin, {u"SCROLLBAR2V"})};
  d.UpDownBtns = {ResolveElement(skin, {u"UPDOWNBTN_LEFT", u"UPDOWNBTN", u"BUTTON"}),
                  ResolveElement(skin, {u"UPDOWNBTN_TOP", u"UPDOWNBTN", u"BUTTON"}),
                  ResolveElement(skin, {u"UPDOWNBTNRIGHT", u"UPDOWNBTN", u"BUTTON"}),
                  ResolveElement(skin, {u"UPDOWNBTN_BOTTOM", u"UPDOWNBTN", u"BUTTON"})};

  d.MaskCloseBtn = global(u"BICONCLOSE");
  d.MaskCloseAloneBtn = global(u"BICLOSEALONE");
  d.MaskMaxBtn = global(u"BICONMAX");
  d.MaskNormBtn = global(u"BICONNORM");
  d.MaskMinBtn = global(u"BICONMIN");
  d.MaskHelpBtn = global(u"BICONHELP");
  d.MaskCloseSmall = global(u"SICONCLOSE");
  d.MaskMaxSmall = global(u"SICONMAX");
  d.MaskNormSmall = global(u"SICONNORM");
  d.MaskMinSmall = global(u"SICONMIN");
  d.MaskHelpSmall = global(u"SICONHELP");

  for (int s = 0; s < kConstSectionCount; ++s) d.Sections[s] = skin.GetSkinIndex(kSectionNames[s]);

  skin.InitMaskIndexes(d.IndexGLobalInfo);
}

}  // namespace vorlan::skin
