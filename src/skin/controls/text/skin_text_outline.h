#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "skin/data/skin_manager.h"
#include "skin/data/skin_tables.h"

// What the skin's text routines share: the section state a text takes its
// colours from, and the order and places of its outline copies.
namespace vorlan::skin {

// One outline copy of a text: its colour and its offset from the text.
struct TTextOutline {
  TColor Color;
  int DX;
  int DY;
};

// The outline copies of a state's text in drawing order: left, top, right,
// bottom, one pixel towards each side; colours of −1 have none.
inline std::vector<TTextOutline> OutlinesOf(const TSkinFontColor& colors) {
  const TTextOutline all[] = {{colors.Left, -1, 0}, {colors.Top, 0, -1}, {colors.Right, 1, 0}, {colors.Bottom, 0, 1}};
  std::vector<TTextOutline> outlines;
  for (const TTextOutline& outline : all) {
    if (outline.Color != kColorNone) outlines.push_back(outline);
  }
  return outlines;
}

// Sections have three states; anything else asks for one of them.
inline std::int32_t TextState(std::int32_t state) { return std::clamp<std::int32_t>(state, 0, 2); }

// The section at skinIndex of the manager's loaded skin, or none.
inline const TSkinGeneralData* TextSection(const TSkinManager* manager, std::int32_t skinIndex) {
  if (manager == nullptr || !manager->IsValidSkinIndex(skinIndex)) return nullptr;
  return &manager->Skin.gd[static_cast<std::size_t>(skinIndex)];
}

}  // namespace vorlan::skin
