#include "skin/draw/state_fill.h"

#include <algorithm>

#include "paint/block_copy.h"
#include "paint/copies.h"
#include "paint/fills.h"
#include "paint/kernels.h"
#include "paint/pixel_math.h"
#include "skin/draw/gradient.h"
#include "skin/draw/paint_checks.h"
#include "skin/draw/texture.h"

namespace vorlan::skin {
namespace {

using paint::TRect;

// Percentages from a skin file are trusted only within 0..100.
std::int32_t Percent(std::int32_t value) { return std::clamp(value, 0, 100); }

void FillColour(paint::TBitmap32& bmp, const TRect& r, TColor colour) {
  paint::FillRect32(bmp, r, paint::ResolveColor(colour), 255);
}

// The gradient, or the plain colour when it has no pieces.
void GradientOrColour(paint::TBitmap32& bmp, const TRect& r, const TStateLayers& layers) {
  if (layers.Gradient != nullptr && !layers.Gradient->empty()) {
    PaintGradient(bmp, r, *layers.Gradient);
  } else {
    FillColour(bmp, r, layers.Color);
  }
}

bool TakesCombinedPass(const TStateLayers& l) {
  return l.Percents() == 100 && l.GradientPercent >= 1 && l.GradientPercent <= 99 && l.Texture &&
         l.Texture.M().DrawMode == tmTile && l.Gradient != nullptr && !l.Gradient->empty() &&
         l.Gradient->front().Mode1 < kGradientTriangles;
}

// A parent whose picture holds only its border strips (FillRect) and is plain
// FillColor inside: the parts of r over the strips are copied, the rest filled.
void PaintFromParentStrips(paint::TBitmap32& bmp, const TRect& r, const paint::TCacheInfo& c, paint::TPoint o) {
  const paint::TBitmap32& parent = *c.Bmp;
  const TRect& fr = c.FillRect;
  const std::int32_t w = r.Width(), h = r.Height(), pw = parent.Width(), ph = parent.Height();
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  if (fr.Left > c.X && o.X < fr.Left) left = std::min(fr.Left - o.X, w);
  if (fr.Top > c.Y && o.Y < fr.Top) top = std::min(fr.Top - o.Y, h);
  if (fr.Right > 0 && pw - fr.Right < o.X + w && o.X + w < pw) right = std::min(o.X + w - (pw - fr.Right), w);
  if (fr.Bottom > 0 && ph - fr.Bottom < o.Y + h && o.Y + h < ph) bottom = std::min(o.Y + h - (ph - fr.Bottom), h);
  const paint::TPoint from{c.X + o.X, c.Y + o.Y};
  if (left > 0) paint::CopyBlock(bmp, {r.Left, r.Top}, parent, paint::MakeRect(from.X, from.Y, left, h));
  if (top > 0) paint::CopyBlock(bmp, {r.Left, r.Top}, parent, paint::MakeRect(from.X, from.Y, w, top));
  if (right > 0) {
    paint::CopyBlock(bmp, {r.Right - right, r.Top}, parent, paint::MakeRect(pw - fr.Right + c.X, from.Y, right, h));
  }
  if (bottom > 0) {
    paint::CopyBlock(bmp, {r.Left, r.Bottom - bottom}, parent,
                     paint::MakeRect(from.X, ph - fr.Bottom + c.Y, w, bottom));
  }
  FillColour(bmp, {r.Left + left, r.Top + top, r.Right - right, r.Bottom - bottom}, c.FillColor);
}

// R receives the parent's look (its picture, or its colour when it is not
// ready) and then `own` blended over it by the weight: the parent copy and
// BlendBitmaps done row by row, each row blended while it is still in the cache.
void BlendOverParent(paint::TBitmap32& bmp, const TRect& r, const paint::TBitmap32& own, const paint::TCacheInfo& c,
                     paint::TPoint o, int weight) {
  const paint::TBitmap32* parent = c.Ready && c.Bmp != &bmp ? c.Bmp : nullptr;
  const std::uint32_t fill = paint::px::WithAlpha(paint::ColorToPixel(paint::ResolveColor(c.FillColor)), 255);
  const std::int32_t w = r.Width(), px0 = c.X + o.X;
  const std::int32_t from = parent ? std::max(0, -px0) : 0;
  const std::int32_t to = parent ? std::min(w, parent->Width() - px0) : 0;
  const int clamped = std::clamp(weight, 0, 255);
  for (std::int32_t row = 0; row < r.Height(); ++row) {
    std::uint32_t* d = bmp.Row(r.Top + row) + r.Left;
    const std::int32_t py = c.Y + o.Y + row;
    if (!c.Ready) {
      paint::kernels::FillRow(d, w, fill);
    } else if (parent != nullptr && py >= 0 && py < parent->Height() && from < to) {
      std::copy_n(parent->Row(py) + px0 + from, to - from, d + from);
    }
    paint::kernels::BlendRow(d, own.Row(row), w, clamped);
  }
}

// The pattern overlay: a masked texture in whole tiles over everything.
void PaintPattern(const TLoadedSkin& skin, const TSkinGeneralData& section, std::int32_t state, std::int32_t hotTexture,
                  std::int32_t texture, paint::TBitmap32& bmp, const TRect& r, const paint::TCacheInfo& c,
                  paint::TPoint o) {
  const std::int32_t s = PropsIndex(section, state);
  const std::int32_t index = s == 0 ? (texture >= 0 ? texture : section.Props[0].TextureIndex) : hotTexture;
  const TImageEntry image = SkinImage(skin, index);
  if (!image || image.M().MaskType <= 0 || image.M().DrawMode != tmWholeTiles) return;
  PaintTexture(bmp, r, paint::Shifted(c, o), tmWholeTiles, image);
}

}  // namespace

std::int32_t LimitState(const TSkinGeneralData& section, std::int32_t state) {
  return std::max(0, std::min(state, section.States - 1));
}

std::int32_t PropsIndex(const TSkinGeneralData& section, std::int32_t state) {
  return std::min(LimitState(section, state), 2);
}

TStateLayers StateLayers(const TLoadedSkin& skin, const TSkinGeneralData& section, std::int32_t state,
                         TColor customColor, std::int32_t texture) {
  TStateLayers layers;
  if (customColor != kNoCustomColor) {
    layers.Color = customColor;
    return layers;
  }
  const TSkinGenState& props = section.Props[static_cast<std::size_t>(PropsIndex(section, state))];
  layers.Color = props.Color;
  layers.Transparency = Percent(props.Transparency);
  if (layers.Transparency == 100) return layers;
  layers.ImagePercent = Percent(props.ImagePercent);
  layers.GradientPercent = Percent(props.GradientPercent);
  if (layers.GradientPercent != 0) layers.Gradient = &props.GradientArray;
  if (layers.ImagePercent > 0) layers.Texture = SkinImage(skin, texture >= 0 ? texture : props.TextureIndex);
  return layers;
}

void PaintLayers(paint::TBitmap32& bmp, const TRect& r, const paint::TCacheInfo& cacheInfo, const TStateLayers& layers,
                 TLayerRules rules) {
  const std::int32_t ip = layers.ImagePercent, gp = layers.GradientPercent;
  if (rules == TLayerRules::Section && TakesCombinedPass(layers)) {
    PaintGradientTexture(bmp, r, *layers.Gradient, 255, ip * 255 / 100, layers.Texture.M().R, *layers.Texture.Source);
    return;
  }
  bool textured = false;
  if (ip > 0) {
    if (layers.Texture) {
      const auto rest = PaintTexture(bmp, r, cacheInfo, layers.Texture.M().DrawMode, layers.Texture);
      if (rest) FillColour(bmp, *rest, layers.Color);
      textured = true;
    } else {
      FillColour(bmp, r, layers.Color);
    }
  }
  if (gp > 0) {
    if (textured) {
      paint::TBitmap32 gradient(r.Width(), r.Height());
      GradientOrColour(gradient, gradient.Bounds(), layers);
      paint::BlendBitmaps(bmp, gradient, std::min(255, ip * 255 / 100), {r.Left, r.Top}, gradient.Bounds());
    } else {
      GradientOrColour(bmp, r, layers);
    }
  }
  const std::int32_t percents = layers.Percents();
  if (percents >= 1 && percents <= 99) {
    // The blend takes Right and Bottom inclusive.
    paint::BlendColorRect(bmp, {r.Left, r.Top, r.Right - 1, r.Bottom - 1}, percents, paint::ResolveColor(layers.Color));
  } else if (percents == 0 || (rules == TLayerRules::Simple && percents > 100)) {
    // A plain state, transparent or not, shows its own colour here: with the
    // parent's look unknown there is nothing sound to mix it with.
    FillColour(bmp, r, layers.Color);
  }
}

int TransparencyWeight(std::int32_t transparency) {
  return static_cast<int>(paint::px::RoundHalfEven(Percent(transparency) * 255 / 100.0));
}

void CopyParent(paint::TBitmap32& bmp, const TRect& r, const paint::TCacheInfo& c, paint::TPoint offset) {
  if (c.Bmp == nullptr || c.Bmp == &bmp) return;
  paint::CopyBlock(bmp, {r.Left, r.Top}, *c.Bmp,
                   paint::MakeRect(c.X + offset.X, c.Y + offset.Y, r.Width(), r.Height()));
}

void PaintStateFill(const TLoadedSkin& skin, std::int32_t skinIndex, const paint::TCacheInfo& c, std::int32_t state,
                    TColor customColor, std::int32_t hotTexture, std::int32_t texture, paint::TBitmap32& bmp,
                    paint::TPoint offset, const TRect& r) {
  const TSkinGeneralData& section = skin.gd[static_cast<std::size_t>(skinIndex)];
  const TStateLayers layers = StateLayers(skin, section, state, customColor, texture);
  const std::int32_t t = layers.Transparency;
  const bool parent_known = c.Ready || c.FillColor != paint::kKeyColor;
  if (!parent_known || t == 0) {
    PaintLayers(bmp, r, c, layers);
  } else if (t == 100 && c.Bmp == nullptr) {
    FillColour(bmp, r, c.FillColor);
  } else if (t == 100 && !c.Ready) {
    PaintFromParentStrips(bmp, r, c, offset);
  } else if (t == 100) {
    CopyParent(bmp, r, c, offset);
  } else if (c.Ready || layers.Percents() > 0) {
    paint::TBitmap32 own(r.Width(), r.Height());
    PaintLayers(own, own.Bounds(), paint::Shifted(c, {r.Left, r.Top}), layers);
    BlendOverParent(bmp, r, own, c, offset, TransparencyWeight(t));
  } else {
    FillColour(bmp, r,
               paint::MixColors(paint::ResolveColor(c.FillColor), paint::ResolveColor(layers.Color), t / 100.0));
  }
  PaintPattern(skin, section, state, hotTexture, texture, bmp, r, c, offset);
}

void PaintSectionBackground(const TLoadedSkin& skin, std::int32_t skinIndex, const paint::TCacheInfo& cacheInfo,
                            std::int32_t state, TColor customColor, std::int32_t hotTexture, std::int32_t texture,
                            paint::TBitmap32& bmp, paint::TPoint offset, const TRect& r) {
  if (!skin.IsValidSkinIndex(skinIndex) || !LiesInside(r, bmp)) return;
  const std::int32_t n = LimitState(skin.gd[static_cast<std::size_t>(skinIndex)], state);
  PaintStateFill(skin, skinIndex, cacheInfo, n, customColor, hotTexture, texture, bmp, offset, r);
}

}  // namespace vorlan::skin
