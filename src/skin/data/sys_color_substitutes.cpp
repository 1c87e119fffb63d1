#include "skin/data/sys_color_substitutes.h"

#include <array>

namespace vorlan::skin {
namespace {

constexpr TColor kNone = -1;
constexpr TColor kBlack = 0x000000;
constexpr TColor kWhite = 0xFFFFFF;
constexpr double kShadeWeight = 0.8;
constexpr double kGreyWeight = 0.15;

// How one answer is made: a palette entry, or a mix of an entry with a
// second colour (another entry, or black or white when `second` is none).
struct Recipe {
  TSkPaletteColors first;
  double weight = 1;  // 1: the entry itself
  TColor fixed_second = kNone;
  int second = -1;  // palette index of the second colour, -1 for `fixed_second`
};

constexpr Recipe Entry(TSkPaletteColors colour) { return {colour}; }
constexpr Recipe Darker(TSkPaletteColors colour) { return {colour, kShadeWeight, kBlack}; }
constexpr Recipe Lighter(TSkPaletteColors colour) { return {colour, kShadeWeight, kWhite}; }

struct Row {
  TColor key;
  Recipe recipe;
};

constexpr std::array kSysColorRows{
    Row{kColorWindow, Entry(pcEditBG)},
    Row{kColorWindowFrame, Entry(pcBorder)},
    Row{kColorWindowText, Entry(pcEditText)},
    Row{kColorHighlight, Entry(pcSelectionBG_Focused)},
    Row{kColorHighlightText, Entry(pcSelectionText_Focused)},
    Row{kColorBtnShadow, Darker(pcMainColor)},
    Row{kColor3DDkShadow, Darker(pcMainColor)},
    Row{kColor3DLight, Lighter(pcMainColor)},
};

constexpr std::array kBrushRows{
    Row{kColorWindow, Entry(pcEditBG)},
    Row{kColorWindowText, Entry(pcEditText)},
    Row{kColorHighlight, Entry(pcSelectionBG_Focused)},
    Row{kColorHighlightText, Entry(pcSelectionText_Focused)},
};

constexpr std::array kPenRows{
    Row{kColorWindow, Entry(pcEditBG)},
    Row{kColorWindowFrame, Entry(pcBorder)},
    Row{kColorHighlight, Entry(pcSelectionBG_Focused)},
    Row{kColorHighlightText, Entry(pcSelectionText_Focused)},
    Row{kColorBtnFace, Entry(pcMainColor)},
    Row{kColorBtnShadow, Darker(pcMainColor)},
    Row{kColor3DDkShadow, Darker(pcMainColor)},
    Row{kColor3DLight, Lighter(pcMainColor)},
    Row{kPenColorSilver, {pcEditText, kGreyWeight, kNone, pcEditBG}},
    Row{kPenColorLightGrey, {pcEditText, kGreyWeight, kNone, pcEditBG}},
};

// A plain colour, or nothing for "none"; system references are resolved.
std::optional<TColor> Plain(TColor colour, TSystemColorSource system) {
  if (colour == kNone) return std::nullopt;
  if (colour < 0) colour = system(colour & 0xFF);
  return colour & 0xFFFFFF;
}

std::optional<TColor> Cook(const TSkPalette& palette, const Recipe& recipe, TSystemColorSource system) {
  const std::optional<TColor> first = Plain(palette[recipe.first], system);
  if (!first || recipe.weight == 1) return first;
  const std::optional<TColor> second =
      Plain(recipe.second >= 0 ? palette[static_cast<std::size_t>(recipe.second)] : recipe.fixed_second, system);
  if (!second) return std::nullopt;
  return paint::MixColors(*first, *second, recipe.weight) & 0xFFFFFF;
}

template <std::size_t N>
std::optional<TColor> Answer(const std::array<Row, N>& rows, const TSkPalette& palette, TColor key,
                             TSystemColorSource system) {
  for (const Row& row : rows) {
    if (row.key == key) return Cook(palette, row.recipe, system);
  }
  return std::nullopt;
}

}  // namespace

std::optional<TColor> SubstituteSysColor(const TSkPalette& palette, int index, TSystemColorSource system) {
  return Answer(kSysColorRows, palette, index, system);
}

std::optional<TColor> SubstituteSysColorBrush(const TSkPalette& palette, int index, TSystemColorSource system) {
  return Answer(kBrushRows, palette, index, system);
}

std::optional<TColor> SubstitutePenColor(const TSkPalette& palette, TColor color, TSystemColorSource system) {
  return Answer(kPenRows, palette, color, system);
}

}  // namespace vorlan::skin
