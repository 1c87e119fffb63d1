#include "skin/data/shadow_templates.h"

#include <algorithm>
#include <cmath>

#include "paint/adjust.h"
#include "paint/pixel_math.h"

namespace vorlan::skin {

namespace {

// A soft shadow around the middle square: full `strength` at its edge,
// fading to nothing at the picture's edge.
paint::TBitmap32 DrawShadow(double strength) {
  paint::TBitmap32 bmp = paint::NewBitmap32(kBuiltInShadowSize, kBuiltInShadowSize);
  const double inner0 = kBuiltInShadowWidth, inner1 = kBuiltInShadowSize - kBuiltInShadowWidth;
  for (int y = 0; y < kBuiltInShadowSize; ++y) {
    for (int x = 0; x < kBuiltInShadowSize; ++x) {
      const double cx = x + 0.5, cy = y + 0.5;
      const double dx = std::max({inner0 - cx, cx - inner1, 0.0});
      const double dy = std::max({inner0 - cy, cy - inner1, 0.0});
      const double d = std::hypot(dx, dy);
      double t = std::max(0.0, 1.0 - d / kBuiltInShadowWidth);
      t = t * t * (3 - 2 * t);
      const bool inside = dx == 0 && dy == 0;
      const int alpha = inside ? 0 : static_cast<int>(std::lround(255 * strength * t));
      bmp.SetPixel(x, y, paint::px::Pack(0, 0, 0, alpha));
    }
  }
  paint::ClearEmptyPixels(bmp);
  return bmp;
}

paint::TBitmap32 CopyFrame(const SkinBitmap& source, const TSkinMaskData& mask, int frame) {
  const std::int32_t fw = FrameWidth(mask), fh = FrameHeight(mask);
  paint::TBitmap32 out = paint::NewBitmap32(fw, fh);
  const std::int32_t left = mask.R.Left + frame * fw;
  for (std::int32_t y = 0; y < fh; ++y) {
    for (std::int32_t x = 0; x < fw; ++x) out.SetPixel(x, y, source.Pixel(left + x, mask.R.Top + y));
  }
  return out;
}

}  // namespace

const paint::TBitmap32& BuiltInShadow(bool active) {
  static const paint::TBitmap32 shda = DrawShadow(0.42);
  static const paint::TBitmap32 shdi = DrawShadow(0.24);
  return active ? shda : shdi;
}

void CheckShadows(const TLoadedSkin& skin, std::int32_t ex_border_mask, bool extended_borders, TShadowTemplates& out) {
  if (!extended_borders) {
    out.FormShadowSize = {};
    return;
  }
  const SkinBitmap* source = nullptr;
  const TSkinMaskData* mask = nullptr;
  if (skin.IsValidImgIndex(ex_border_mask)) {
    mask = &skin.ma[ex_border_mask];
    source = mask->Bmp ? mask->Bmp.get() : skin.MasterBitmap.get();
  }
  if (mask && source) {
    const TSkinData& d = skin.CommonSkinData;
    if (d.ExDrawMode != 0) {
      out.FormShadowSize = {d.ExContentOffs, d.ExContentOffs, d.ExContentOffs, d.ExContentOffs};
    } else {
      out.FormShadowSize = {mask->WL - d.ExContentOffs, mask->WT - d.ExContentOffs, mask->WR - d.ExContentOffs,
                            mask->WB - d.ExContentOffs};
    }
    out.ShdiTemplate = CopyFrame(*source, *mask, 0);
    out.ShdaTemplate = CopyFrame(*source, *mask, mask->ImageCount == 1 ? 0 : 1);
    return;
  }
  out.ShdaTemplate = BuiltInShadow(true).Clone();
  out.ShdiTemplate = BuiltInShadow(false).Clone();
  out.FormShadowSize = {kBuiltInShadowWidth, kBuiltInShadowWidth, kBuiltInShadowWidth, kBuiltInShadowWidth};
}

}  // namespace vorlan::skin
