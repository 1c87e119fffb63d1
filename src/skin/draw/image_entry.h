#pragma once

#include <cstdint>

#include "paint/bitmap32.h"
#include "paint/geometry.h"
#include "skin/data/loaded_skin.h"

// An image entry of a loaded skin together with the bitmap its frames are
// cut from, and the geometry of its frames.
namespace vorlan::skin {

struct TImageEntry {
  const TSkinMaskData* Mask = nullptr;       // borrowed from the skin's table
  const paint::TBitmap32* Source = nullptr;  // the entry's own bitmap, else the master bitmap

  explicit operator bool() const { return Mask != nullptr && Source != nullptr; }
  const TSkinMaskData& M() const { return *Mask; }
  std::int32_t FrameWidth() const { return skin::FrameWidth(*Mask); }
  std::int32_t FrameHeight() const { return skin::FrameHeight(*Mask); }
  // Rows between an image row and its mask row; 0 without mask rows.
  std::int32_t MaskOffset() const { return Mask->MaskType != 0 ? FrameHeight() : 0; }
  bool HasOwnBitmap() const { return Mask->Bmp != nullptr; }
  // Frame min(state, ImageCount − 1), at least frame 0.
  std::int32_t Frame(std::int32_t state) const;
  // The image part of that frame (fw × fh) inside Source.
  paint::TRect FrameRect(std::int32_t state) const;
};

// The entry at `index` with its source bitmap; empty for an index outside the
// table, an entry whose bitmap is missing or holds no pixels, or whose R does
// not lie inside that bitmap.
TImageEntry SkinImage(const TLoadedSkin& skin, std::int32_t index);

}  // namespace vorlan::skin
