#include "paint/bitmap_gdi_win.h"

#include "platform/handle_win.h"

namespace vorlan::paint {

bool ShowBitmap(HDC dc, TPoint at, const TBitmap32& bitmap, const TRect& part) {
  const auto handle = static_cast<HBITMAP>(bitmap.NativeHandle());
  const TRect shown = Intersect(part, bitmap.Bounds());
  if (!handle || shown.IsEmpty()) return false;
  const TBitmapDC memory(bitmap, dc);
  if (!memory.get()) return false;
  // A part cut by the bitmap's edge keeps its place relative to `at`.
  const int x = at.X + (shown.Left - part.Left), y = at.Y + (shown.Top - part.Top);
  return BitBlt(dc, x, y, shown.Width(), shown.Height(), memory.get(), shown.Left, shown.Top, SRCCOPY) != FALSE;
}

bool ShowBitmap(HDC dc, TPoint at, const TBitmap32& bitmap) { return ShowBitmap(dc, at, bitmap, bitmap.Bounds()); }

}  // namespace vorlan::paint
