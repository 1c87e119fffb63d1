#pragma once

#include <windows.h>

#include "paint/bitmap32.h"
#include "paint/colors.h"
#include "paint/geometry.h"

// The one bridge between the painting engine's values and GDI's: geometry,
// colours, and showing a 32-bit bitmap on a device context.
namespace vorlan::paint {

inline RECT ToRECT(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }
inline TRect FromRECT(const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; }
inline POINT ToPOINT(TPoint p) { return POINT{p.X, p.Y}; }
inline TPoint FromPOINT(POINT p) { return TPoint{p.x, p.y}; }

// A colour as GDI takes it, system colours resolved.
inline COLORREF ToColorRef(TColor color) { return static_cast<COLORREF>(ResolveColor(color)) & 0x00FFFFFFu; }

// Copies `part` of the bitmap (clipped to it) onto the device context with
// its top-left at `at`. False when nothing could be shown (an empty bitmap,
// an empty part, or a bitmap without a GDI handle).
bool ShowBitmap(HDC dc, TPoint at, const TBitmap32& bitmap, const TRect& part);
// The whole bitmap.
bool ShowBitmap(HDC dc, TPoint at, const TBitmap32& bitmap);

}  // namespace vorlan::paint
