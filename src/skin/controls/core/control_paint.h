#pragma once

#include <windows.h>

#include <cstdint>

#include "paint/bitmap32.h"
#include "paint/cache_info.h"
#include "paint/geometry.h"
#include "skin/controls/core/common_data.h"

// Painting a control's section into its cache picture, with the control's
// own colour adjustments, and the few painters that work on a device context.
namespace vorlan::skin {

// Corner bits of RepaintCorners.
inline constexpr int kCornerTopLeftBit = 1;
inline constexpr int kCornerBottomLeftBit = 2;
inline constexpr int kCornerTopRightBit = 4;
inline constexpr int kCornerBottomRightBit = 8;
inline constexpr int kAllCorners = 15;

// The data's section in `state` over r of bmp: background layers (the
// control's colour instead when it keeps its own), corner images, border
// image, then the control's tone, hue and saturation. offset is where r lies
// in the parent picture that cacheInfo describes.
void PaintControlSkin(TSkinCommonData& data, const paint::TCacheInfo& cacheInfo, std::int32_t state,
                      const paint::TRect& r, paint::TPoint offset, paint::TBitmap32& bmp, bool updateCorners,
                      std::int32_t hotTexture, std::int32_t texture);

// As PaintControlSkin over the background the control's parent gives now;
// false (nothing painted) when the parent forbids painting.
bool PaintControlSkinFromParent(TSkinCommonData& data, ui::TControl& control, std::int32_t state, const paint::TRect& r,
                                paint::TPoint offset, paint::TBitmap32& bmp, bool updateCorners);

// Tone (unless none), hue and saturation (each unless 0) over the whole
// picture, key pixels spared.
void AdjustControlColors(const TSkinCommonData& data, paint::TBitmap32& bmp, std::int32_t saturation);

// Redraws the selected corners of the border image on the data's cache so
// that their transparent pixels show the parent's current picture.
void RepaintCorners(TSkinCommonData& data, std::int32_t state, int corners);

// The section painted into a temporary picture of r's size and copied to
// the device context at r's top-left.
void PaintSectionToDC(std::int32_t skinIndex, const paint::TCacheInfo& cacheInfo, const TSkinManager* manager, HDC dc,
                      paint::TPoint offset, const paint::TRect& r, std::int32_t state);

}  // namespace vorlan::skin
