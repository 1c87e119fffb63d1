#pragma once

#include "paint/bitmap32.h"
#include "skin/data/loaded_skin.h"

// The frame-shadow images of forms with extended borders.
namespace vorlan::skin {

inline constexpr int kBuiltInShadowSize = 33;
inline constexpr int kBuiltInShadowWidth = 9;

// The program's own shadows "skSHDA" (active) and "skSHDI" (inactive):
// 33 x 33 premultiplied black with alpha, made once per process.
const paint::TBitmap32& BuiltInShadow(bool active);

struct TShadowTemplates {
  paint::TBitmap32 ShdaTemplate;  // active
  paint::TBitmap32 ShdiTemplate;  // inactive
  TRect FormShadowSize;           // shadow widths as Left, Top, Right, Bottom
};

// Without extended borders the sizes are 0. With them, the EXBORDER mask
// (`ex_border_mask`) gives both templates, else the built-in shadows do.
void CheckShadows(const TLoadedSkin& skin, std::int32_t ex_border_mask, bool extended_borders, TShadowTemplates& out);

}  // namespace vorlan::skin
