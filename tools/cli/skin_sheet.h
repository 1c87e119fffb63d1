#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "paint/bitmap32.h"
#include "paint/geometry.h"
#include "skin/data/loaded_skin.h"

// `skin sheet`: every section of a skin in every state, side by side over a
// checkerboard, with an index of the cells.
namespace vorlan::cli {

struct SheetCell {
  std::int32_t SkinIndex = 0;
  std::int32_t State = 0;
  paint::TRect Where;
};

struct SkinSheet {
  paint::TBitmap32 Picture;
  std::vector<SheetCell> Cells;
};

// The size a section is shown at: forms and panels larger, glyph-like parts
// smaller, never smaller than one frame of its border image.
paint::TSize SheetCellSize(const skin::TLoadedSkin& skin, std::int32_t skinIndex);

SkinSheet PaintSkinSheet(const skin::TLoadedSkin& skin);

// {"width":..,"height":..,"cells":[{"section":..,"index":..,"state":..,"x":..,"y":..,"width":..,"height":..}]}
std::string SkinSheetJson(const skin::TLoadedSkin& skin, const SkinSheet& sheet);

}  // namespace vorlan::cli
