#include "skin/data/outer_effect_mask.h"

#include <algorithm>

#include "paint/bitmap32.h"
#include "paint/colors.h"
#include "skin/data/skin_loader.h"

namespace vorlan::skin {
namespace {

std::uint32_t OpaquePixel(TColor color) {
  return paint::ColorToPixel(paint::ResolveColor(color) & 0x00FFFFFF) | 0xFF000000u;
}

}  // namespace

SkinBitmapPtr MakeBlur5Bitmap() {
  constexpr std::int32_t w = kBlur5Size;
  constexpr std::int32_t half = w / 2;
  auto bitmap = std::make_shared<paint::TBitmap32>(w, w);
  for (std::int32_t y = 0; y < w; ++y) {
    for (std::int32_t x = 0; x < w; ++x) {
      // Distance from the outer edge, 0 .. half; a smooth step from clear to full.
      const std::int32_t d = std::min({x, y, w - 1 - x, w - 1 - y});
      const double t = static_cast<double>(d) / half;
      const double strength = t * t * (3 - 2 * t);
      const auto level = static_cast<std::uint32_t>(255 - static_cast<std::int32_t>(strength * 255 + 0.5));
      bitmap->SetPixel(x, y, 0xFF000000u | level << 16 | level << 8 | level);
    }
  }
  return bitmap;
}

std::int32_t AddGeneratedOuterMask(TLoadedSkin& skin, TSkOutEffData& effect, std::u16string_view property_name,
                                   std::int32_t skin_index) {
  const SkinBitmapPtr blur = MakeBlur5Bitmap();
  const std::int32_t w = blur->Width();
  const std::int32_t h = w / 2;
  for (std::int32_t* width : {&effect.WidthL, &effect.WidthT, &effect.WidthR, &effect.WidthB}) {
    if (*width == -1) *width = h;
  }
  auto bitmap = std::make_shared<paint::TBitmap32>(w, 2 * w);
  for (std::int32_t y = 0; y < w; ++y) {
    for (std::int32_t x = 0; x < w; ++x) {
      // Left and right triangles meet the top and bottom halves on the diagonals.
      TColor color = y < w / 2 ? effect.ColorT : effect.ColorB;
      if (x < y && x < w - 1 - y) color = effect.ColorL;
      if (w - 1 - x < y && w - 1 - x < w - 1 - y) color = effect.ColorR;
      bitmap->SetPixel(x, y, OpaquePixel(color));
      bitmap->SetPixel(x, y + w, blur->Pixel(x, y));
    }
  }
  const std::int32_t index =
      skin.MakeNewItem(skin_index, property_name, u"GLOBALINFO", itBorder, TRect{0, 0, w, 2 * w}, 1, 1, 1);
  TSkinMaskData& mask = skin.ma[static_cast<std::size_t>(index)];
  mask.Bmp = bitmap;
  mask.BorderWidth = mask.WL = mask.WT = mask.WR = mask.WB = static_cast<std::int16_t>(h);
  return index;
}

}  // namespace vorlan::skin
