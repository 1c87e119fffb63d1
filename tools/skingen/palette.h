#pragma once

#include "canvas.h"

// The skin's light green theme.
namespace skingen::palette {

inline constexpr Rgb kWindow{227, 239, 223};      // form and dialog background
inline constexpr Rgb kBorder{187, 197, 186};      // quiet outlines
inline constexpr Rgb kBorderDark{150, 166, 148};  // outlines that must stand out
inline constexpr Rgb kPanelTop{255, 255, 255};
inline constexpr Rgb kPanel{240, 246, 238};
inline constexpr Rgb kAccent{86, 180, 49};  // hot title and buttons
inline constexpr Rgb kAccentMid{77, 160, 44};
inline constexpr Rgb kAccentDark{69, 152, 38};
inline constexpr Rgb kAccentDeep{52, 118, 30};
inline constexpr Rgb kTitleLight{217, 231, 213};
inline constexpr Rgb kTitle{139, 175, 110};
inline constexpr Rgb kButtonTop{233, 241, 230};
inline constexpr Rgb kButton{217, 231, 213};
inline constexpr Rgb kMenuHotTop{255, 234, 149};
inline constexpr Rgb kMenuHot{254, 214, 129};
inline constexpr Rgb kMenuHotBorder{226, 176, 72};
inline constexpr Rgb kText{0, 0, 0};
inline constexpr Rgb kGlyph{64, 82, 62};  // dark glyph strokes
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kClose{224, 67, 60};
inline constexpr Rgb kCloseDark{178, 42, 36};
inline constexpr Rgb kScrollTrack{238, 243, 236};
inline constexpr Rgb kThumb{196, 210, 194};
inline constexpr Rgb kThumbHot{160, 196, 148};
inline constexpr Rgb kThumbPressed{120, 170, 100};

}  // namespace skingen::palette
