#pragma once

#include <windows.h>

#include "paint/bitmap32.h"
#include "paint/colors.h"
#include "paint/geometry.h"
#include "platform/handle_win.h"

// The one bridge between the painting engine's values and GDI's: geometry,
// colours, and showing a 32-bit bitmap on a device context.
namespace vorlan::paint {

inline RECT ToRECT(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }
inline TRect FromRECT(const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; }
inline POINT ToPOINT(TPoint p) { return POINT{p.X, p.Y}; }
inline TPoint FromPOINT(POINT p) { return TPoint{p.x, p.y}; }

// A colour as GDI takes it, system colours resolved.
inline COLORREF ToColorRef(TColor color) { return static_cast<COLORREF>(ResolveColor(color)) & 0x00FFFFFFu; }

// A memory device context with a 32-bit bitmap's DIB section selected, for
// GDI drawing onto the bitmap. GDI may batch its drawing: Flush before the
// pixels are read or written directly.
class TBitmapDC {
 public:
  explicit TBitmapDC(const TBitmap32& bitmap, HDC compatible = nullptr)
      : dc_(CreateCompatibleDC(compatible)),
        select_(dc_.get(), static_cast<HBITMAP>(bitmap.NativeHandle())),
        usable_(dc_ && bitmap.NativeHandle() != nullptr && !bitmap.Empty() && select_.Selected()) {}
  TBitmapDC(const TBitmapDC&) = delete;
  TBitmapDC& operator=(const TBitmapDC&) = delete;

  // Null when no context could be made, the bitmap holds no pixels or is
  // selected into another context already (drawing would land nowhere).
  HDC get() const { return usable_ ? dc_.get() : nullptr; }
  static void Flush() { GdiFlush(); }

 private:
  platform::UniqueMemoryDc dc_;
  platform::SelectGuard select_;  // deselects the bitmap before dc_ is deleted
  bool usable_;
};

// Copies `part` of the bitmap (clipped to it) onto the device context with
// its top-left at `at`. False when nothing could be shown (an empty bitmap,
// an empty part, or a bitmap without a GDI handle).
bool ShowBitmap(HDC dc, TPoint at, const TBitmap32& bitmap, const TRect& part);
// The whole bitmap.
bool ShowBitmap(HDC dc, TPoint at, const TBitmap32& bitmap);

}  // namespace vorlan::paint
