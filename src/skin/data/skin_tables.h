#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "paint/colors.h"
#include "paint/geometry.h"
#include "skin/data/skin_bitmap.h"

// The records a loaded skin consists of: sections, states, image entries,
// outer effects, skin-wide values and global colours.
namespace vorlan::skin {

using TRect = paint::TRect;

// Colour values are 0x00BBGGRR; -1 means none.
using paint::TColor;
inline constexpr TColor kColorNone = -1;
inline constexpr TColor kColorWhite = 16777215;

struct TSkinFontColor {
  TColor Color = 0;
  TColor Left = -1;
  TColor Top = -1;
  TColor Right = -1;
  TColor Bottom = -1;
  friend bool operator==(const TSkinFontColor&, const TSkinFontColor&) = default;
};

struct TSkinGradPie {
  TColor Color1 = 0;
  TColor Color2 = 0;
  std::uint8_t Percent = 0;
  std::int32_t Mode1 = 0;
  std::int32_t Mode2 = 0;
  friend bool operator==(const TSkinGradPie&, const TSkinGradPie&) = default;
};

using TSkinGradArray = std::vector<TSkinGradPie>;

struct TSkinGenState {
  std::int32_t GlowSize = 0;
  std::int32_t ImagePercent = 0;
  std::int32_t TextureIndex = -1;
  std::int32_t Transparency = 0;
  std::int32_t GradientPercent = 0;
  TColor Color = kColorWhite;
  TColor GlowColor = kColorWhite;
  TSkinFontColor FontColor;
  TSkinGradArray GradientArray;
  friend bool operator==(const TSkinGenState&, const TSkinGenState&) = default;
};

struct TSkinGeneralData {
  std::u16string ParentClass;
  std::u16string ClassName;
  std::array<TSkinGenState, 3> Props;
  bool UseState2 = false;
  bool GiveOwnFont = false;
  bool ReservedBoolean = false;
  std::int32_t States = 3;
  std::int32_t ScrollBorderOffset = 0;
  std::int32_t GlowCount = 0;
  std::int32_t GlowMargin = 0;
  std::int32_t GlowSize = 0;
  std::int32_t HotGlowSize = 0;
  std::int32_t BorderIndex = -1;
  std::int32_t ImgTL = -1;
  std::int32_t ImgTR = -1;
  std::int32_t ImgBL = -1;
  std::int32_t ImgBR = -1;
  TColor HotGlowColor = 0;
  TColor GlowColor = 0;
  std::int32_t OuterMode = 2;
  std::int32_t OuterMask = -1;
  std::int32_t OuterOpacity = 200;
  TRect OuterOffset;
};

enum TSkImgType : std::int32_t { itBorder = 0, itTexture = 1, itGlyph = 2, itGlow = 3, itPngGlyph = 4 };

class TSkinManager;

struct TSkinMaskData {
  SkinBitmapPtr Bmp;  // none: the rectangle is cut from the master bitmap
  std::u16string ClassName;
  std::u16string PropertyName;
  TRect R;
  std::int16_t ImageCount = 0;
  std::int16_t MaskType = 0;
  std::int16_t BorderWidth = 0;
  std::int16_t DrawMode = 0;
  TSkImgType ImgType = itBorder;
  TSkinManager* Manager = nullptr;  // borrowed: the owning manager, if any
  std::int16_t WL = 0;
  std::int16_t WT = 0;
  std::int16_t WR = 0;
  std::int16_t WB = 0;
  std::int32_t CornerType = 0;
  std::int32_t SkinIndex = 0;
};

// Width of one frame and height of one row of a mask entry.
std::int32_t FrameWidth(const TSkinMaskData& mask);
std::int32_t FrameHeight(const TSkinMaskData& mask);

struct TSkOutEffData {
  TColor ColorL = 0;
  TColor ColorT = 0;
  TColor ColorR = 0;
  TColor ColorB = 0;
  std::int32_t OffsetL = 0;
  std::int32_t OffsetT = 0;
  std::int32_t OffsetR = 0;
  std::int32_t OffsetB = 0;
  std::int32_t WidthL = -1;
  std::int32_t WidthT = -1;
  std::int32_t WidthR = -1;
  std::int32_t WidthB = -1;
  std::int32_t Mask = -1;
  std::int32_t Source = 0;  // 0 none, 1 an image entry, 2 generated
  std::int32_t Opacity = 0;
};

// The two outer effects: entry 0 from the LO_ keys, entry 1 from the SH_ keys.
inline constexpr int kOuterEffectLight = 0;
inline constexpr int kOuterEffectShadow = 1;

struct TSkinData {
  bool Active = false;
  bool UseAeroBluring = false;
  std::u16string Author;
  std::u16string SkinPath;  // with a trailing "\"; empty for an internal skin
  std::u16string Description;
  std::int32_t Shadow1Offset = 0;
  std::int32_t Shadow1Blur = -1;
  std::int32_t Shadow1Transparency = 0;
  std::int32_t ExBorderWidth = 4;
  std::int32_t ExTitleHeight = 30;
  std::int32_t ExMaxHeight = 30;
  std::int32_t ExContentOffs = 0;
  std::int32_t ExCenterOffs = 0;
  std::int32_t ExDrawMode = 0;
  std::int32_t ExShadowOffs = 0;
  std::int32_t ExShadowOffsR = 0;
  std::int32_t ExShadowOffsT = 0;
  std::int32_t ExShadowOffsB = 0;
  std::int32_t BISpacing = 0;
  std::int32_t BIVAlign = 0;
  std::int32_t BIRightMargin = 0;
  std::int32_t BILeftMargin = 0;
  std::int32_t BITopMargin = 0;
  std::int32_t BIKeepHUE = 0;
  std::int32_t BICloseGlow = 0;
  std::int32_t BICloseGlowMargin = 0;
  std::int32_t BIMaxGlow = 0;
  std::int32_t BIMaxGlowMargin = 0;
  std::int32_t BIMinGlow = 0;
  std::int32_t BIMinGlowMargin = 0;
  std::int32_t ComboBoxMargin = 2;
  std::int32_t BrightMin = -50;
  std::int32_t BrightMax = 50;
  std::int32_t TabsCovering = 0;
  std::int32_t RibbonCovering = 0;
  TColor FXColor = 0;
  TColor Shadow1Color = 0;
  double Version = 0;
};

enum TSkPaletteColors : int {
  pcMainColor,
  pcLabelText,
  pcWebText,
  pcWebTextHot,
  pcEditText,
  pcEditBG,
  pcSelectionBG,
  pcSelectionText,
  pcSelectionBG_Focused,
  pcSelectionText_Focused,
  pcEditBG_Inverted,
  pcEditText_Inverted,
  pcEditBG_OddRow,
  pcEditBG_EvenRow,
  pcEditText_Ok,
  pcEditText_Warning,
  pcEditText_Alert,
  pcEditText_Caution,
  pcEditText_Bypassed,
  pcEditBG_Ok,
  pcEditBG_Warning,
  pcEditBG_Alert,
  pcEditBG_Caution,
  pcEditBG_Bypassed,
  pcEditText_Highlight1,
  pcEditText_Highlight2,
  pcEditText_Highlight3,
  pcBorder,
};

inline constexpr int kPaletteSize = 28;
using TSkPalette = std::array<TColor, kPaletteSize>;

// "pcMainColor", ... by palette index.
std::string_view PaletteColorName(int index);

// One external image file; entries naming the same file share its bitmap.
struct TSkExtFileData {
  SkinBitmapPtr Bmp;
  std::u16string FileName;  // upper-cased, as written in the entry
  std::int32_t MaskType = 0;
};

}  // namespace vorlan::skin
