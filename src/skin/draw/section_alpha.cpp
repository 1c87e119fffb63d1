#include "skin/draw/section_alpha.h"

#include <algorithm>

#include "paint/adjust.h"
#include "paint/block_copy.h"
#include "paint/cache_info.h"
#include "paint/copies.h"
#include "paint/fills.h"
#include "skin/draw/border_mask_alpha.h"
#include "skin/draw/gradient.h"
#include "skin/draw/paint_checks.h"
#include "skin/draw/state_fill.h"
#include "skin/draw/texture.h"

namespace vorlan::skin {
namespace {

using paint::TRect;

bool CoversBitmap(const TRect& r, const paint::TBitmap32& bmp) { return r == bmp.Bounds(); }

void FillOpaque(paint::TBitmap32& bmp, const TRect& r, TColor colour) {
  paint::FillRect32(bmp, r, paint::ResolveColor(colour), 255);
}

}  // namespace

std::uint8_t StateAlpha(std::int32_t transparency) {
  return static_cast<std::uint8_t>((100 - std::clamp(transparency, 0, 100)) * 255 / 100);
}

void PaintStateFillAlpha(const TLoadedSkin& skin, std::int32_t skinIndex, std::int32_t state, const TRect& r,
                         TColor customColor, paint::TBitmap32& bmp) {
  if (!skin.IsValidSkinIndex(skinIndex) || !LiesInside(r, bmp)) return;
  const TSkinGeneralData& section = skin.gd[static_cast<std::size_t>(skinIndex)];
  const TStateLayers l = StateLayers(skin, section, state, customColor, -1);
  const std::int32_t t = l.Transparency;
  if (t == 100) {
    if (CoversBitmap(r, bmp)) paint::FillRect32(bmp, r, 0, 0);
    return;
  }
  const std::int32_t ip = l.ImagePercent, gp = l.GradientPercent;
  const bool has_gradient = l.Gradient != nullptr && !l.Gradient->empty();
  if (l.Percents() == 100 && gp >= 1 && gp <= 99 && l.Texture && l.Texture.M().DrawMode == tmTile && has_gradient &&
      l.Gradient->front().Mode1 < kGradientTriangles) {
    PaintGradientTexture(bmp, r, *l.Gradient, StateAlpha(t), ip * 255 / 100, l.Texture.M().R, *l.Texture.Source);
    return;
  }
  const bool textured = ip > 0 && l.Texture;
  if (textured) {
    const auto rest = PaintTexture(bmp, r, paint::EmptyCacheInfo(), l.Texture.M().DrawMode, l.Texture);
    if (rest) FillOpaque(bmp, *rest, l.Color);
  }
  if (gp > 0) {
    if (textured) {
      paint::TBitmap32 gradient(r.Width(), r.Height());
      if (has_gradient) {
        PaintGradient(gradient, gradient.Bounds(), *l.Gradient);
      } else {
        FillOpaque(gradient, gradient.Bounds(), l.Color);
      }
      paint::BlendBitmaps(bmp, gradient, std::clamp(ip * 255 / 100, 0, 255), {r.Left, r.Top}, gradient.Bounds());
    } else if (has_gradient) {
      PaintGradient(bmp, r, *l.Gradient);
    } else {
      FillOpaque(bmp, r, l.Color);
      return;
    }
  }
  const std::int32_t percents = l.Percents();
  if (percents >= 1 && percents <= 99) {
    paint::BlendColorRect(bmp, {r.Left, r.Top, r.Right - 1, r.Bottom - 1}, percents, paint::ResolveColor(l.Color));
    return;
  }
  if (percents != 0) return;
  if (t == 0) {
    FillOpaque(bmp, r, l.Color);
    return;
  }
  const std::uint32_t corner = bmp.Row(r.Top)[r.Left];
  const std::uint8_t alpha = StateAlpha(t);
  if (corner == 0) {
    paint::FillRect32(bmp, r, paint::ResolveColor(l.Color), alpha);
  } else {
    const auto kept = static_cast<std::uint8_t>(std::max<std::uint32_t>(corner >> 24, alpha));
    paint::FadeRectToColor(bmp, r, paint::ResolveColor(l.Color), kept, 100 - t);
  }
}

void PaintSectionAlpha(const TLoadedSkin& skin, std::int32_t skinIndex, std::int32_t state, paint::TBitmap32& bmp,
                       paint::TPoint /*offset*/, const TRect& r) {
  if (!skin.IsValidSkinIndex(skinIndex) || !LiesInside(r, bmp)) return;
  const TSkinGeneralData& section = skin.gd[static_cast<std::size_t>(skinIndex)];
  // What r held before: the border's key pixels show it.
  paint::TBitmap32 before(r.Width() + 1, r.Height() + 1);
  paint::CopyBlock(before, {0, 0}, bmp, r);
  const paint::TCacheInfo parent = paint::MakeCacheInfo(&before, -r.Left, -r.Top);
  PaintStateFillAlpha(skin, skinIndex, state, r, kNoCustomColor, bmp);
  if (const TImageEntry border = SkinImage(skin, section.BorderIndex)) {
    PaintBorderMaskAlpha(bmp, r, parent, border, state);
  }
  if (CoversBitmap(r, bmp)) paint::PremultiplyRect(bmp, bmp.Bounds());
}

}  // namespace vorlan::skin
