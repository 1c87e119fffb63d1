#pragma once

#include <optional>

#include "paint/colors.h"
#include "skin/data/skin_tables.h"

// Which skin colour answers which system-colour query while the skin's
// colours stand in for the system's: GetSysColor, GetSysColorBrush and the
// colour value of CreatePen. Every query not listed keeps the system's answer.
namespace vorlan::skin {

using paint::TColor;

// The platform's system colour indexes the skin answers (COLOR_WINDOW ...).
inline constexpr int kColorWindow = 5;
inline constexpr int kColorWindowFrame = 6;
inline constexpr int kColorWindowText = 8;
inline constexpr int kColorHighlight = 13;
inline constexpr int kColorHighlightText = 14;
inline constexpr int kColorBtnFace = 15;
inline constexpr int kColorBtnShadow = 16;
inline constexpr int kColor3DDkShadow = 21;
inline constexpr int kColor3DLight = 22;
// Pen colours that stand for the light greys of standard controls.
inline constexpr TColor kPenColorSilver = 12632256;     // 0xC0C0C0
inline constexpr TColor kPenColorLightGrey = 15790320;  // 0xF0F0F0

// The system's own colour for an index; resolves palette entries that are
// system colour references without asking the substitution again.
using TSystemColorSource = TColor (*)(int index);

// The skin's colour (0x00BBGGRR, top byte 0) or nothing when the system
// answers: the query is not one the skin takes over, or the palette entry is
// -1 (none).
std::optional<TColor> SubstituteSysColor(const TSkPalette& palette, int index, TSystemColorSource system);
std::optional<TColor> SubstituteSysColorBrush(const TSkPalette& palette, int index, TSystemColorSource system);
std::optional<TColor> SubstitutePenColor(const TSkPalette& palette, TColor color, TSystemColorSource system);

}  // namespace vorlan::skin
