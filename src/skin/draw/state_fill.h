#pragma once

#include <cstdint>

#include "paint/bitmap32.h"
#include "paint/cache_info.h"
#include "paint/colors.h"
#include "paint/geometry.h"
#include "skin/data/loaded_skin.h"
#include "skin/draw/image_entry.h"

// The background layers of a section state: colour, texture and gradient,
// and the transparency over the parent's picture.
namespace vorlan::skin {

// "No custom colour" in the background painters.
inline constexpr TColor kNoCustomColor = paint::kKeyColor;

// The state painted: min(state, States − 1), never below 0.
std::int32_t LimitState(const TSkinGeneralData& section, std::int32_t state);
// The Props entry of a state: min(state, States − 1, 2), never below 0.
std::int32_t PropsIndex(const TSkinGeneralData& section, std::int32_t state);

// What the layers of one state paint.
struct TStateLayers {
  TColor Color = 0;
  std::int32_t Transparency = 0;
  std::int32_t ImagePercent = 0;
  std::int32_t GradientPercent = 0;
  const TSkinGradArray* Gradient = nullptr;  // none when GradientPercent is 0
  TImageEntry Texture;                       // empty when there is none or it is invalid

  std::int32_t Percents() const { return ImagePercent + GradientPercent; }
};

// The layers of `state` of the section; a custom colour other than
// kNoCustomColor replaces the colour and makes the state opaque and plain.
// `texture` < 0 means none given (the state's own texture is taken).
TStateLayers StateLayers(const TLoadedSkin& skin, const TSkinGeneralData& section, std::int32_t state,
                         TColor customColor, std::int32_t texture);

enum class TLayerRules {
  Section,  // with the combined gradient-and-texture shortcut
  Simple,   // no shortcut; a plain or over-full state is filled with its colour
};

// The layers straight into r of bmp (r inside bmp). cacheInfo serves masked
// textures, whose key pixels show the parent.
void PaintLayers(paint::TBitmap32& bmp, const paint::TRect& r, const paint::TCacheInfo& cacheInfo,
                 const TStateLayers& layers, TLayerRules rules = TLayerRules::Section);

// The blend weight of a transparency T: T × 255 / 100, halves to even.
int TransparencyWeight(std::int32_t transparency);

// R of bmp receives the parent's picture from cacheInfo.Bmp at
// (X + offset.x, Y + offset.y); nothing when that bitmap is bmp itself.
void CopyParent(paint::TBitmap32& bmp, const paint::TRect& r, const paint::TCacheInfo& cacheInfo, paint::TPoint offset);

// The background layers of the section (skin index) in `state` over r, with
// the state's transparency over the parent's look that cacheInfo gives,
// then the pattern overlay. No checks: the caller validates.
void PaintStateFill(const TLoadedSkin& skin, std::int32_t skinIndex, const paint::TCacheInfo& cacheInfo,
                    std::int32_t state, TColor customColor, std::int32_t hotTexture, std::int32_t texture,
                    paint::TBitmap32& bmp, paint::TPoint offset, const paint::TRect& r);

// PaintStateFill for an outside caller: nothing for an invalid skin index or
// a rectangle that is empty or not inside bmp; the state is limited first.
void PaintSectionBackground(const TLoadedSkin& skin, std::int32_t skinIndex, const paint::TCacheInfo& cacheInfo,
                            std::int32_t state, TColor customColor, std::int32_t hotTexture, std::int32_t texture,
                            paint::TBitmap32& bmp, paint::TPoint offset, const paint::TRect& r);

}  // namespace vorlan::skin
