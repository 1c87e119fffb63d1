#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "skin/data/loaded_skin.h"

// Indexes resolved once per load for the elements painted most often.
namespace vorlan::skin {

struct TSkConstElementData {
  std::int32_t SkinIndex = -1;
  std::int32_t MaskIndex = -1;                  // BORDERSMASK
  std::int32_t GlyphIndex = -1;                 // GLYPHMASK
  std::array<std::int32_t, 2> BGIndex{-1, -1};  // PATTERN, HOTPATTERN
  std::u16string SkinSection;
  friend bool operator==(const TSkConstElementData&, const TSkConstElementData&) = default;
};

enum TSkSection : int {
  ssMenuItem,
  ssCheckBox,
  ssSpeedButton,
  ssSpeedButton_Small,
  ssToolButton,
  ssTransparent,
  ssGroupBox,
  ssDivider,
  ssWebButton,
  ssButton,
  ssToolBar,
  ssEdit,
  ssGauge,
  ssSelection,
  ssStatusBar,
  ssPanel,
  ssPanelLow,
  ssTrackBar,
  ssColHeader,
  ssProgressV,
  ssDragBar,
  ssGripH,
  ssGripV,
  ssProgressH,
  ssTabSheet,
  ssMenuBtn,
  ssUpDownBtn,
  ssComboBox,
  ssCaption,
};
inline constexpr int kConstSectionCount = 29;

enum TSkTabLayout : int { tlFirst, tlLast, tlMiddle, tlSingle };
enum TSkSide : int { asLeft, asTop, asRight, asBottom };

struct TConstantSkinData {
  std::int32_t IndexGLobalInfo = -1;
  std::array<std::int32_t, 3> CheckBox{-1, -1, -1};  // unchecked, checked, grayed
  std::array<std::int32_t, 3> SmallCheckBox{-1, -1, -1};
  std::array<std::int32_t, 2> RadioButton{-1, -1};  // unchecked, checked
  std::int32_t ExBorder = -1;
  std::int32_t GripRightBottom = -1;
  std::int32_t GripHorizontal = -1;
  std::int32_t GripVertical = -1;
  TSkConstElementData MenuItem;
  TSkConstElementData ComboBtn;
  std::array<std::array<TSkConstElementData, 4>, 4> Tabs;  // [TSkTabLayout][TSkSide]
  std::array<TSkConstElementData, 2> Sliders;              // horizontal, vertical
  std::array<TSkConstElementData, 4> ScrollBtns;           // by TSkSide
  std::array<TSkConstElementData, 4> Scrolls;              // by TSkSide
  std::array<TSkConstElementData, 4> UpDownBtns;           // by TSkSide
  std::int32_t MaskCloseBtn = -1;
  std::int32_t MaskCloseAloneBtn = -1;
  std::int32_t MaskMaxBtn = -1;
  std::int32_t MaskNormBtn = -1;
  std::int32_t MaskMinBtn = -1;
  std::int32_t MaskHelpBtn = -1;
  std::int32_t MaskCloseSmall = -1;
  std::int32_t MaskMaxSmall = -1;
  std::int32_t MaskNormSmall = -1;
  std::int32_t MaskMinSmall = -1;
  std::int32_t MaskHelpSmall = -1;
  std::array<std::int32_t, kConstSectionCount> Sections;

  TConstantSkinData() { Sections.fill(-1); }
};

// The section names of ConstData.Sections, in TSkSection order.
std::u16string_view ConstSectionName(int section);

// Resolves every entry of `data` against the loaded skin (all -1 for an
// empty skin), then the mask indexes of every section.
void InitConstantIndexes(TLoadedSkin& skin, TConstantSkinData& data);

}  // namespace vorlan::skin
