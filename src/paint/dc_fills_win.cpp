#include "paint/dc_fills_win.h"

#include "paint/bitmap_gdi_win.h"
#include "platform/handle_win.h"

namespace vorlan::paint {

using platform::SavedDcState;
using platform::UniqueBrush;
using platform::UniquePen;

void FillSolid(HDC dc, const TRect& rect, TColor colour) {
  UniqueBrush brush(CreateSolidBrush(ToColorRef(colour)));
  SavedDcState state(dc);
  SelectObject(dc, brush.get());
  const RECT r = ToRECT(rect);
  FillRect(dc, &r, brush.get());
}

void FillFrame(HDC dc, const TRect& rect, int wl, TColor colour, int wb, int wr, int wt) {
  UniqueBrush brush(CreateSolidBrush(ToColorRef(colour)));
  const TRect strips[] = {
      {rect.Left, rect.Top, rect.Right, rect.Top + wt},
      {rect.Left, rect.Top + wt, rect.Left + wl, rect.Bottom},
      {rect.Left + wl, rect.Bottom - wb, rect.Right, rect.Bottom},
      {rect.Right - wr, rect.Top + wt, rect.Right, rect.Bottom - wb},
  };
  for (const TRect& strip : strips) {
    const RECT r = ToRECT(strip);
    FillRect(dc, &r, brush.get());
  }
}

void DrawBevelFrame(HDC dc, const TRect& rect, TColor lightColour, int count, TColor darkColour) {
  UniquePen light(CreatePen(PS_SOLID, 1, ToColorRef(lightColour)));
  UniquePen dark(CreatePen(PS_SOLID, 1, ToColorRef(darkColour)));
  SavedDcState state(dc);
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  TRect r{rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1};
  for (int i = 0; i < count; ++i) {
    SelectObject(dc, light.get());
    const POINT light_points[] = {{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}};
    Polyline(dc, light_points, 3);
    SelectObject(dc, dark.get());
    const POINT dark_points[] = {{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left - 1, r.Bottom}};
    Polyline(dc, dark_points, 3);
    r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
  }
}

void CopyFrameStrips(HDC dst, TPoint dstOrigin, HDC src, const TRect& srcRect, const TRect& widths) {
  const int w = srcRect.Width();
  const int h = srcRect.Height();
  struct Strip {
    int x, y, cx, cy;
  };
  const Strip strips[] = {
      {0, 0, w, widths.Top},
      {0, widths.Top, widths.Left, h - widths.Top - widths.Bottom},
      {w - widths.Right, widths.Top, widths.Right, h - widths.Top - widths.Bottom},
      {0, h - widths.Bottom, w, widths.Bottom},
  };
  for (const Strip& s : strips) {
    if (s.cx <= 0 || s.cy <= 0) continue;
    BitBlt(dst, dstOrigin.X + s.x, dstOrigin.Y + s.y, s.cx, s.cy, src, srcRect.Left + s.x, srcRect.Top + s.y, SRCCOPY);
  }
}

}  // namespace vorlan::paint
