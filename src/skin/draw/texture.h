#pragma once

#include <cstdint>
#include <optional>

#include "paint/bitmap32.h"
#include "paint/cache_info.h"
#include "paint/geometry.h"
#include "skin/draw/image_entry.h"

// Textures: an image tiled or stretched over a rectangle by its fill mode.
namespace vorlan::skin {

// Fill modes of texture entries (their DrawMode).
enum TTextureMode : std::int32_t {
  tmTile = 0,                 // tiled both ways
  tmStretch = 1,              // stretched over the rectangle
  tmTopBand = 2,              // tiled across a band at the top
  tmLeftColumn = 3,           // tiled down a column at the left
  tmTopBandStretched = 4,     // stretched across a band at the top
  tmLeftColumnStretched = 5,  // stretched down a column at the left
  tmBottomBand = 6,           // tiled across a band at the bottom
  tmRightColumn = 7,          // tiled down a column at the right
  tmWholeTiles = 10,          // whole tiles only
  tmRowsStretched = 11,       // rows, each stretched across
  tmColumnsStretched = 12,    // columns, each stretched down
};

// Modes no skin produces (8, 9) and unknown ones are painted as this mode.
inline constexpr std::int32_t kFallbackTextureMode = tmTile;

// Paints `texture` over `rect` of bmp (clipped to rect, which must lie inside
// bmp) in fill mode `mode`; returns the part of rect left uncovered, if any.
// A masked texture (MaskType > 0) goes through its mask rows, whose key
// pixels show the parent from cacheInfo; it is painted only in modes 0 and
// 10, any other mode leaves all of rect uncovered.
std::optional<paint::TRect> PaintTexture(paint::TBitmap32& bmp, const paint::TRect& rect,
                                         const paint::TCacheInfo& cacheInfo, std::int32_t mode,
                                         const TImageEntry& texture);

}  // namespace vorlan::skin
