#pragma once

#include <string>

// Rectangles of the master bitmap that the options name and the drawing
// fills. The fixed ones follow the skin's established layout; the rest sit
// in the free rows at the bottom.
namespace skingen::layout {

struct Box {
  int left, top, right, bottom;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

inline constexpr int kMasterWidth = 310;
inline constexpr int kMasterHeight = 500;

// Fixed places.
inline constexpr Box kButtonBorder{0, 0, 9, 6};  // 3 frames 3x3 + mask; FORM uses the first frame
inline constexpr Box kPanelBorder{13, 3, 16, 6};
inline constexpr Box kMenuItemBorder{15, 9, 18, 12};
inline constexpr Box kGrip{0, 6, 15, 21};
inline constexpr Box kSmallCloseAlone{0, 15, 21, 22};
inline constexpr Box kSmallNorm{0, 22, 21, 29};
inline constexpr Box kSmallMin{0, 29, 21, 36};
inline constexpr Box kSmallHelp{21, 29, 39, 36};
inline constexpr Box kRadioChecked{87, 39, 104, 73};
inline constexpr Box kEditBorder{65, 71, 71, 74};
inline constexpr Box kSmallBoxes{72, 73, 105, 84};  // unchecked, checked, grayed
inline constexpr Box kBoxChecked{19, 80, 70, 95};
inline constexpr Box kBoxUnchecked{19, 95, 70, 110};
inline constexpr Box kBoxGrayed{19, 110, 70, 125};
inline constexpr Box kRadioUnchecked{68, 84, 119, 99};
inline constexpr Box kCheck{41, 125, 69, 153};
inline constexpr Box kSmallClose{27, 153, 69, 167};
inline constexpr Box kHintBorder{70, 99, 104, 167};
inline constexpr Box kShadowMask{104, 101, 115, 127};
inline constexpr Box kLightMask{108, 238, 119, 260};
inline constexpr Box kBigMax{38, 205, 116, 228};
inline constexpr Box kBigClose{0, 238, 105, 261};
inline constexpr Box kBigNorm{0, 261, 78, 284};
inline constexpr Box kBigMin{0, 284, 78, 307};
inline constexpr Box kBigCloseAlone{0, 307, 105, 330};
inline constexpr Box kTitleButton{0, 330, 75, 353};
inline constexpr Box kBigHelp{0, 353, 75, 376};
inline constexpr Box kFormCorner{120, 0, 310, 340};

// Our own elements.
inline constexpr Box kThumbBorder{0, 380, 36, 404};  // 3 frames 12x12 + mask
inline constexpr Box kTabTop{40, 380, 82, 408};      // 3 frames 14x14 + mask
inline constexpr Box kTabBottom{86, 380, 128, 408};
inline constexpr Box kTabLeft{132, 380, 174, 408};
inline constexpr Box kTabRight{178, 380, 220, 408};
inline constexpr Box kArrowLeft{224, 380, 251, 389};  // 3 frames 9x9
inline constexpr Box kArrowRight{224, 389, 251, 398};
inline constexpr Box kArrowUp{252, 380, 279, 389};
inline constexpr Box kArrowDown{252, 389, 279, 398};
inline constexpr Box kComboArrow{280, 380, 310, 390};  // 3 frames 10x10
inline constexpr Box kGroupBorder{0, 410, 9, 419};
inline constexpr Box kProgressBorder{12, 410, 21, 428};  // 9x9 + mask
inline constexpr Box kFlatButton{24, 410, 45, 424};      // 3 frames 7x7 + mask
inline constexpr Box kDivider{48, 410, 51, 413};
inline constexpr Box kSunken{54, 410, 57, 413};
inline constexpr Box kSwitchTrack{60, 410, 76, 442};  // 16x16 + mask
inline constexpr Box kSwitchThumb{80, 410, 96, 442};  // 16x16 + mask

// "^LLLL^TTTT^RRRR^BBBB^wl^wt^wr^wb^n^m^d^b"
std::string BorderEntry(const Box& b, int wl, int wt, int wr, int wb, int count, int maskType, int drawMode,
                        int borderWidth);
// "@LLLL@TTTT@RRRR@BBBB@n@m"
std::string GlyphEntry(const Box& b, int count, int maskType);

}  // namespace skingen::layout
