#pragma once

#include <windows.h>

#include "paint/colors.h"
#include "paint/geometry.h"

// Fills on a device context, for targets that are windows or bitmaps other
// than 32-bit ones.
namespace vorlan::paint {

// A solid brush of the resolved colour fills rect; the context's state is
// restored afterwards.
void FillSolid(HDC dc, const TRect& rect, TColor colour);

// Four strips with one brush: top (full width, height wt), left (from Top + wt
// to Bottom, width wl), bottom (from Left + wl to Right, height wb), right
// (from Top + wt to Bottom − wb, width wr).
void FillFrame(HDC dc, const TRect& rect, int wl, TColor colour, int wb, int wr, int wt);

// count nested bevels: light on the left and top, dark on the right and bottom.
void DrawBevelFrame(HDC dc, const TRect& rect, TColor lightColour, int count, TColor darkColour);

// Copies the four edge strips of thickness widths (left, top, right, bottom)
// of srcRect onto dst at dstOrigin, with SRCCOPY.
void CopyFrameStrips(HDC dst, TPoint dstOrigin, HDC src, const TRect& srcRect, const TRect& widths);

}  // namespace vorlan::paint
