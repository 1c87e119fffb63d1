#pragma once

#include <cstdint>

#include "paint/bitmap32.h"
#include "paint/colors.h"
#include "paint/geometry.h"

// Fills of rectangles on 32-bit bitmaps.
namespace vorlan::paint {

// Every pixel of rect (clipped to the bitmap) becomes B, G, R of colour and A = alpha.
void FillRect32(TBitmap32& bmp, const TRect& rect, TColor colour, uint8_t alpha);

// Colour resolved; Right and Bottom are inclusive here. Each of B, G, R
// becomes nearest(ch × p + c × (1 − p)), p = percent / 100, halves to even.
void BlendColorRect(TBitmap32& bmp, const TRect& rect, int percent, TColor colour);

// Clipped like FillRect32; each of B, G, R becomes ch − percent × (ch − c) / 100
// (truncating); A = alpha.
void FadeRectToColor(TBitmap32& bmp, const TRect& rect, TColor colour, uint8_t alpha, int percent);

// Sets A over rect, or only on pixels whose word differs from key when key is
// not kNoColor.
void SetAlphaRect(TBitmap32& bmp, const TRect& rect, uint8_t alpha, TColor key);

// The four strips of a frame painted with FillRect32 (alpha 255): top, left,
// bottom, right.
void FillFrame32(TBitmap32& bmp, const TRect& rect, int wl, TColor colour, int wb, int wr, int wt);

// The part of rect inside the bitmap (exclusive Right and Bottom).
TRect ClipToBitmap(const TRect& rect, const TBitmap32& bmp);

}  // namespace vorlan::paint
