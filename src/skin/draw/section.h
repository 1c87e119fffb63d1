#pragma once

#include <cstdint>

#include "paint/bitmap32.h"
#include "paint/cache_info.h"
#include "paint/colors.h"
#include "paint/geometry.h"
#include "skin/data/loaded_skin.h"

// Painting a skin section in a state into a rectangle of a 32-bit bitmap.
// Every painter takes the loaded skin's tables and bitmaps; an invalid skin
// index, a missing bitmap or a rectangle that is empty or not wholly inside
// the bitmap paints nothing.
namespace vorlan::skin {

class TSkinManager;

// The skin a painter reads: the manager's, or the default manager's when
// none is given; none without either.
const TLoadedSkin* PaintingSkin(const TSkinManager* manager);

// Background layers, corner images, then the border image. offset is where
// r lies in the parent's coordinates; cacheInfo describes the parent's look.
// texture and hotTexture < 0: the section's own.
void PaintSection(const TLoadedSkin& skin, std::int32_t skinIndex, const paint::TCacheInfo& cacheInfo,
                  std::int32_t state, const paint::TRect& r, paint::TPoint offset, paint::TBitmap32& bmp,
                  std::int32_t texture = -1, std::int32_t hotTexture = -1);

// The corner images of the section (ImgTL, ImgTR, ImgBL, ImgBR) at the
// corners of r, cut to r.
void PaintCornerImages(const TLoadedSkin& skin, const TSkinGeneralData& section, std::int32_t state,
                       const paint::TRect& r, paint::TBitmap32& bmp);

// The parent's look of PaintSectionOnto: a picture whose part at `at` lies
// under bmp, or none; and a plain colour.
struct TOntoParent {
  const paint::TBitmap32* Picture = nullptr;
  paint::TPoint At;
  TColor FillColor = paint::kKeyColor;
};

// PaintSection over the whole of bmp with index skinIndex, or fallbackIndex
// when skinIndex < 0; returns the index used (negative: nothing painted).
// With a picture, bmp first becomes a copy of it from `At` on and is its own
// ready parent; without one the parent is the plain fill colour.
std::int32_t PaintSectionOnto(paint::TBitmap32& bmp, const TLoadedSkin& skin, std::int32_t skinIndex,
                              std::int32_t fallbackIndex, const TOntoParent& parent, std::int32_t state);

// The lighter painter of scroll-bar parts: background layers (no shortcut, no
// pattern) and the border `borderIndex`, no corner images.
void PaintSectionSimple(const TLoadedSkin& skin, std::int32_t skinIndex, std::int32_t borderIndex, std::int32_t texture,
                        paint::TBitmap32& bmp, paint::TPoint offset, const paint::TRect& r, std::int32_t state,
                        const paint::TCacheInfo& cacheInfo);

}  // namespace vorlan::skin
