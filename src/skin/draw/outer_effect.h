#pragma once

#include <cstdint>
#include <optional>

#include "paint/bitmap32.h"
#include "paint/geometry.h"
#include "skin/data/loaded_skin.h"
#include "skin/draw/image_entry.h"

// The shadow (or light) frame that a control with an outer effect leaves on
// its parent's picture: which image, how far outside the control and how
// strong, and the nine-slice that lays it.
namespace vorlan::skin {

struct TOuterEffectLook {
  TImageEntry Image;
  // How far the frame reaches outside the control on each side.
  std::int32_t OffsetL = 0;
  std::int32_t OffsetT = 0;
  std::int32_t OffsetR = 0;
  std::int32_t OffsetB = 0;
  std::int32_t Opacity = 0;  // 0..255
};

// The section's own image (OuterMask) with its offsets and opacity, else the
// skin's outer effect number OuterMode − 1 when that one has a source; none
// for an invalid section, a mode outside the skin's table, or a missing image.
std::optional<TOuterEffectLook> SectionOuterEffect(const TLoadedSkin& skin, std::int32_t skinIndex);

// The control's bounds grown outwards by the look's offsets.
paint::TRect OuterEffectRect(const paint::TRect& bounds, const TOuterEffectLook& look);

// Lays the image's nine-slice (state 0) over rect of bmp; each non-key image
// pixel s, with the red byte m of its mask pixel (0 for an image without mask
// rows), mixes into the destination d by g = opacity × (255 − m) >> 8:
// d := (d × (255 − g) + s × g) >> 8 on B, G and R; alpha stays. Parts of rect
// outside bmp are left out: a frame may reach past its parent's picture.
void PaintOuterEffectFrame(paint::TBitmap32& bmp, const paint::TRect& rect, const TImageEntry& image,
                           std::int32_t opacity);

}  // namespace vorlan::skin
