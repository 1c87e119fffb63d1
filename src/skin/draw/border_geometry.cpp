#include "skin/draw/border_geometry.h"

#include <algorithm>

#include "skin/draw/tile_runs.h"

namespace vorlan::skin {
namespace {

using paint::TPoint;
using paint::TRect;

// Shrinks a pair of widths to `size`: each loses half the excess, the second
// the odd pixel too.
void FitPair(std::int32_t& first, std::int32_t& second, std::int32_t size) {
  first = std::max(first, 0);
  second = std::max(second, 0);
  if (size < first + second) {
    const std::int32_t excess = first + second - size, half = excess / 2;
    first = std::max(0, first - half);
    second = std::max(0, second - half - excess % 2);
  }
  first = std::min(first, size);
  second = std::min(second, size - first);
}

// A side or the centre: tiled row by row from its top-left corner with
// pieces of pw × ph from src, or stretched in one copy.
void Fill(TBorderPieces& pieces, TBorderPart part, const TRect& dst, TPoint src, std::int32_t pw, std::int32_t ph,
          bool stretch) {
  if (dst.IsEmpty() || pw <= 0 || ph <= 0) return;
  if (stretch) {
    pieces.Stretch(part, dst, paint::MakeRect(src.X, src.Y, pw, ph));
    return;
  }
  TileRuns(dst.Top, dst.Bottom, ph, false, [&](std::int32_t y, std::int32_t h) {
    TileRuns(dst.Left, dst.Right, pw, false,
             [&](std::int32_t x, std::int32_t w) { pieces.Copy(part, paint::MakeRect(x, y, w, h), src); });
  });
}

void Corner(TBorderPieces& pieces, const TRect& dst, TPoint src) {
  if (!dst.IsEmpty()) pieces.Copy(TBorderPart::Corner, dst, src);
}

}  // namespace

TBorderWidths FitBorderWidths(const TSkinMaskData& mask, std::int32_t width, std::int32_t height) {
  TBorderWidths w{mask.WL, mask.WT, mask.WR, mask.WB};
  FitPair(w.Left, w.Right, width);
  FitPair(w.Top, w.Bottom, height);
  return w;
}

bool LayBorderPieces(const TImageEntry& image, const TRect& r, std::int32_t state, TBorderPieces& pieces) {
  const TSkinMaskData& m = image.M();
  if (r.Width() < 2 || r.Height() < 2) return false;
  if (state == 0 && (m.DrawMode & kBorderNotInState0) != 0) return false;
  const TBorderWidths w = FitBorderWidths(m, r.Width(), r.Height());
  const TRect frame = image.FrameRect(state);
  const std::int32_t fw = frame.Width(), fh = frame.Height();
  const std::int32_t mw = fw - w.Left - w.Right, mh = fh - w.Top - w.Bottom;
  if (mw < 0 || mh < 0) return false;
  const bool stretch = (m.DrawMode & kBorderStretch) != 0;
  const std::int32_t x0 = frame.Left, y0 = frame.Top;
  const std::int32_t xr = x0 + fw - w.Right, yb = y0 + fh - w.Bottom;  // source right and bottom strips
  const std::int32_t in_l = r.Left + w.Left, in_t = r.Top + w.Top;
  const std::int32_t in_r = r.Right - w.Right, in_b = r.Bottom - w.Bottom;

  Corner(pieces, {r.Left, r.Top, in_l, in_t}, {x0, y0});
  Fill(pieces, TBorderPart::Side, {r.Left, in_t, in_l, in_b}, {x0, y0 + w.Top}, w.Left, mh, stretch);
  Fill(pieces, TBorderPart::Side, {in_l, r.Top, in_r, in_t}, {x0 + w.Left, y0}, mw, w.Top, stretch);
  Corner(pieces, {r.Left, in_b, in_l, r.Bottom}, {x0, yb});
  Fill(pieces, TBorderPart::Side, {in_l, in_b, in_r, r.Bottom}, {x0 + w.Left, yb}, mw, w.Bottom, stretch);
  Corner(pieces, {in_r, in_b, r.Right, r.Bottom}, {xr, yb});
  Corner(pieces, {in_r, r.Top, r.Right, in_t}, {xr, y0});
  Fill(pieces, TBorderPart::Side, {in_r, in_t, r.Right, in_b}, {xr, y0 + w.Top}, w.Right, mh, stretch);
  if ((m.DrawMode & kBorderFillCentre) != 0) {
    Fill(pieces, TBorderPart::Centre, {in_l, in_t, in_r, in_b}, {x0 + w.Left, y0 + w.Top}, mw, mh, stretch);
  }
  return true;
}

}  // namespace vorlan::skin
