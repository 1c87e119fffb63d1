#include "skin/draw/section.h"

#include <algorithm>

#include "paint/block_copy.h"
#include "paint/copies.h"
#include "paint/fills.h"
#include "skin/data/skin_manager.h"
#include "skin/draw/border_mask.h"
#include "skin/draw/image_entry.h"
#include "skin/draw/mask_image.h"
#include "skin/draw/paint_checks.h"
#include "skin/draw/state_fill.h"

namespace vorlan::skin {
namespace {

using paint::TRect;

}  // namespace

const TLoadedSkin* PaintingSkin(const TSkinManager* manager) {
  if (manager == nullptr) manager = DefaultManager();
  return manager == nullptr ? nullptr : &manager->Skin;
}

void PaintCornerImages(const TLoadedSkin& skin, const TSkinGeneralData& section, std::int32_t state, const TRect& r,
                       paint::TBitmap32& bmp) {
  const paint::TCacheInfo own = paint::MakeCacheInfo(&bmp, 0, 0);
  const auto corner = [&](std::int32_t index, bool right, bool bottom) {
    const TImageEntry image = SkinImage(skin, index);
    if (!image) return;
    const paint::TPoint at{right ? r.Right - image.FrameWidth() : r.Left,
                           bottom ? r.Bottom - image.FrameHeight() : r.Top};
    PaintMaskImage(bmp, at, state, own, image, kMaskImageNormal, r);
  };
  corner(section.ImgTL, false, false);
  corner(section.ImgTR, true, false);
  corner(section.ImgBL, false, true);
  corner(section.ImgBR, true, true);
}

void PaintSection(const TLoadedSkin& skin, std::int32_t skinIndex, const paint::TCacheInfo& cacheInfo,
                  std::int32_t state, const TRect& r, paint::TPoint offset, paint::TBitmap32& bmp, std::int32_t texture,
                  std::int32_t hotTexture) {
  if (!skin.IsValidSkinIndex(skinIndex) || !LiesInside(r, bmp)) return;
  const TSkinGeneralData& section = skin.gd[static_cast<std::size_t>(skinIndex)];
  const std::int32_t n = LimitState(section, state);
  PaintStateFill(skin, skinIndex, cacheInfo, n, kNoCustomColor, hotTexture, texture, bmp, offset, r);
  PaintCornerImages(skin, section, n, r, bmp);
  if (const TImageEntry border = SkinImage(skin, section.BorderIndex)) {
    PaintBorderMask(bmp, r, paint::Shifted(cacheInfo, offset), border, n, true);
  }
}

std::int32_t PaintSectionOnto(paint::TBitmap32& bmp, const TLoadedSkin& skin, std::int32_t skinIndex,
                              std::int32_t fallbackIndex, const TOntoParent& parent, std::int32_t state) {
  const std::int32_t index = skinIndex >= 0 ? skinIndex : fallbackIndex;
  if (index < 0) return index;
  paint::TCacheInfo c = paint::EmptyCacheInfo();
  c.FillColor = parent.FillColor;
  if (parent.Picture != nullptr) {
    paint::CopyBlock(bmp, {0, 0}, *parent.Picture,
                     paint::MakeRect(parent.At.X, parent.At.Y, bmp.Width(), bmp.Height()));
    c.Bmp = &bmp;
    c.X = c.Y = 0;
    c.Ready = true;
  }
  PaintSection(skin, index, c, state, bmp.Bounds(), {0, 0}, bmp);
  return index;
}

void PaintSectionSimple(const TLoadedSkin& skin, std::int32_t skinIndex, std::int32_t borderIndex, std::int32_t texture,
                        paint::TBitmap32& bmp, paint::TPoint offset, const TRect& r, std::int32_t state,
                        const paint::TCacheInfo& c) {
  if (!skin.IsValidSkinIndex(skinIndex) || !LiesInside(r, bmp)) return;
  const TSkinGeneralData& section = skin.gd[static_cast<std::size_t>(skinIndex)];
  const std::int32_t n = LimitState(section, state);
  const TSkinGenState& props = section.Props[static_cast<std::size_t>(PropsIndex(section, n))];
  TStateLayers layers;
  layers.Color = props.Color;
  layers.Transparency = std::clamp(props.Transparency, 0, 100);
  layers.ImagePercent = std::clamp(props.ImagePercent, 0, 100);
  layers.GradientPercent = std::clamp(props.GradientPercent, 0, 100);
  if (layers.GradientPercent != 0) layers.Gradient = &props.GradientArray;
  if (layers.ImagePercent > 0) layers.Texture = SkinImage(skin, texture);
  const std::int32_t t = layers.Transparency;
  if (!c.Ready || t == 0) {
    // Not ready and fully transparent: the parent's colour stands in for the section's.
    if (!c.Ready && t == 100) layers.Color = c.FillColor;
    PaintLayers(bmp, r, c, layers, TLayerRules::Simple);
  } else if (t < 100) {
    paint::TBitmap32 own(r.Width(), r.Height());
    PaintLayers(own, own.Bounds(), paint::Shifted(c, {r.Left, r.Top}), layers, TLayerRules::Simple);
    CopyParent(bmp, r, c, offset);
    paint::BlendBitmaps(bmp, own, t * 255 / 100, {r.Left, r.Top}, own.Bounds());
  } else {
    CopyParent(bmp, r, c, offset);
  }
  if (const TImageEntry border = SkinImage(skin, borderIndex)) {
    PaintBorderMask(bmp, r, paint::Shifted(c, offset), border, n, true);
  }
}

}  // namespace vorlan::skin
