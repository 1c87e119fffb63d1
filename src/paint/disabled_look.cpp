#include "paint/disabled_look.h"

#include "paint/adjust.h"
#include "paint/copies.h"
#include "paint/fills.h"
#include "paint/pixel_math.h"

namespace vorlan::paint {

void PaintDisabledLook(TBitmap32& bmp, const TDisabledLook& look, TColor parentColour, TPoint offset,
                       const TCacheInfo& cacheInfo) {
  if (bmp.Empty()) return;
  if (look.Kinds & dkGrayed) {
    if (look.GrayLevel == -100) {
      GreyBitmap(bmp, true);
    } else {
      const auto amount = static_cast<int32_t>(px::RoundHalfEven(look.GrayLevel * 255 / 100.0));
      AdjustBitmap(bmp, {TPixelAdjustment::Saturation, amount}, kKeyColor);
    }
  }
  if (look.Kinds & dkBlended) {
    if (cacheInfo.Ready && cacheInfo.Bmp != nullptr) {
      const int32_t left = offset.X + cacheInfo.X;
      const int32_t top = offset.Y + cacheInfo.Y;
      BlendKeyedRect(bmp, 0, 0, kKeyColor, look.BlendFactor,
                     {left, top, left + bmp.Width() - 1, top + bmp.Height() - 1}, *cacheInfo.Bmp);
    } else {
      const TColor towards = cacheInfo.FillColor == kKeyColor ? parentColour : cacheInfo.FillColor;
      BlendColorRect(bmp, bmp.Bounds(), static_cast<int>(look.BlendFactor * 100), towards);
    }
  }
}

}  // namespace vorlan::paint
