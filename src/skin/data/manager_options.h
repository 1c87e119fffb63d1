#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "paint/colors.h"

// The option groups of the skin manager with their defaults.
namespace vorlan::skin {

enum TSkAnimType { atFading, atAero };

struct TSkFormAnimation {
  bool Active = true;
  std::uint16_t Time = 0;  // milliseconds
  TSkAnimType Mode = atAero;
};

struct TSkBlendOnMoving : TSkFormAnimation {
  std::uint8_t BlendValue = 170;
};

enum TSkBtnEvent { beMouseEnter, beMouseLeave, beMouseDown, beMouseUp };

struct TSkBtnEffects {
  std::array<bool, 4> Events{true, true, true, true};  // by TSkBtnEvent
};

struct TSkAnimEffects {
  TSkFormAnimation FormShow;
  TSkFormAnimation FormHide;
  TSkFormAnimation DialogShow;
  TSkFormAnimation DialogHide;
  TSkFormAnimation PageChange;
  TSkFormAnimation Minimizing{true, 120, atAero};
  TSkFormAnimation SkinChanging{true, 100, atFading};
  TSkBlendOnMoving BlendOnMoving{{false, 1000, atAero}, 170};
  TSkBtnEffects Buttons;
};

// A font as the menu settings describe it; height in pixels (negative: the
// character height, as in a logical font).
struct TSkMenuFont {
  std::u16string Name = u"Tahoma";
  std::int32_t Height = -11;                      // Tahoma 8 points at 96 pixels per inch
  paint::TColor Color = paint::SystemColorOf(8);  // the window-text colour
  bool Bold = false;
  friend bool operator==(const TSkMenuFont&, const TSkMenuFont&) = default;
};

struct TSkMenuSupport {
  std::u16string IcoLineSkin;  // "ICOLINE" when empty after loading
  std::int32_t ExtraLineWidth = 32;
  bool UseExtraLine = false;
  TSkMenuFont ExtraLineFont;
  std::uint8_t AlphaBlend = 255;
};

struct TSkinEffects {
  bool AllowGlowing = true;
  bool AllowAnimation = true;
  bool AllowAeroBluring = true;
  bool AllowOuterEffects = false;
  bool DiscoloredGlyphs = false;
};

struct TSkButtonsSupport {
  bool ShowFocusRect = true;
  bool ShiftContentOnClick = true;
};

struct TSkLabelsSupport {
  bool TransparentAlways = true;
};

struct TSkScrollBarsSupport {
  std::int32_t ScrollSize = -1;  // -1: the system's scroll bar size
  std::int32_t ButtonsSize = -1;
};

enum TOptimizingPriority { opSpeed, opMemory };

struct TSkOptions {
  bool NoMouseHover = false;
  bool StdGlyphsOrder = false;
  bool ChangeSysColors = false;
  bool CheckEmptyAlpha = false;
  bool NativeBordersMaximized = false;
  TOptimizingPriority OptimizingPriority = opSpeed;
};

enum TSkinningRule { srStdForms, srStdDialogs, srThirdParty };

struct TSkinningRules {
  std::array<bool, 3> Rules{true, true, true};  // by TSkinningRule
  bool Contains(TSkinningRule rule) const { return Rules[rule]; }
  void Include(TSkinningRule rule) { Rules[rule] = true; }
  void Exclude(TSkinningRule rule) { Rules[rule] = false; }
};

enum TSkinTypes { stUnpacked, stPacked, stAllSkins };

// Class names of other libraries' controls to skin, by kind.
inline constexpr int kThirdPartyCount = 23;

enum TThirdPartyKind {
  ThirdEdits,
  ThirdButtons,
  ThirdBitBtns,
  ThirdCheckBoxes,
  ThirdComboBoxes,
  ThirdGrids,
  ThirdGroupBoxes,
  ThirdListViews,
  ThirdPanels,
  ThirdTreeViews,
  ThirdWWEdits,
  ThirdGridEh,
  ThirdVirtualTrees,
  ThirdPageControl,
  ThirdTabControl,
  ThirdToolBar,
  ThirdStatusBar,
  ThirdSpeedButton,
  ThirdScrollControl,
  ThirdUpDown,
  ThirdScrollBar,
  ThirdStaticText,
  ThirdNativePaint,
};

// The default text of a ThirdParty entry: "TButton" for the buttons, a single
// space for every other kind.
std::u16string_view ThirdPartyDefault(int kind);

// The 23 texts (class names separated by line breaks) and the case-sensitive
// lists mirrored from them.
class ThirdPartyList {
 public:
  ThirdPartyList();
  std::array<std::u16string, kThirdPartyCount> Texts;
  std::array<std::vector<std::u16string>, kThirdPartyCount> ThirdLists;

  // Every empty text gets its default, then each list is rebuilt.
  void FillDefaultsAndRebuild();
  // Each list rebuilt from its text as it is (an empty text: an empty list).
  void Rebuild();
  // Empty texts and lists.
  void Clear();
  // The lists written back into the texts.
  void WriteBack();
  bool Contains(int kind, std::u16string_view class_name) const;
};

}  // namespace vorlan::skin
