#include "paint/masks.h"

#include <algorithm>

#include "paint/copy_area.h"
#include "paint/fills.h"
#include "paint/pixel_math.h"
#include "paint/resample.h"
#include "paint/stretch.h"

namespace vorlan::paint {

namespace {

// B, G, R: d := ((d − s) × m + s × 256) >> 8 with m the same channel of the mask.
uint32_t MaskBlend(uint32_t d, uint32_t s, uint32_t m, int alpha) {
  return px::Pack(px::Weigh256(px::Blue(d), px::Blue(s), px::Blue(m)),
                  px::Weigh256(px::Green(d), px::Green(s), px::Green(m)),
                  px::Weigh256(px::Red(d), px::Red(s), px::Red(m)), alpha);
}

}  // namespace

void CopyWithMask(const TRect& dstRect, const TRect& srcRect, TBitmap32& dst, const TRect& maskR, bool useParent,
                  const TCacheInfo& cacheInfo, const TBitmap32& src) {
  const TCopyArea a = ClipCopyArea(dstRect, srcRect, dst.Size(), src.Size(), 1);
  if (a.IsEmpty()) return;
  const int32_t mask_shift = maskR.Height() / 2;
  const TBitmap32* parent = cacheInfo.Bmp;
  for (int32_t row = 0; row < a.Height; ++row) {
    const int32_t dy = a.DstY + row;
    const int32_t sy = a.SrcY + row;
    const int32_t my = sy + mask_shift;
    if (my < 0 || my >= src.Height()) continue;
    uint32_t* d = dst.Row(dy) + a.DstX;
    const uint32_t* s = src.Row(sy) + a.SrcX;
    const uint32_t* m = src.Row(my) + a.SrcX;
    for (int32_t i = 0; i < a.Width; ++i) {
      const bool is_key = s[i] == kKeyPixel;
      if (cacheInfo.Ready) {
        if (useParent && is_key) {
          const int32_t px_ = cacheInfo.X + a.DstX + i;
          const int32_t py = cacheInfo.Y + dy;
          if (parent != nullptr && parent->Contains(px_, py)) d[i] = parent->Row(py)[px_];
        } else {
          d[i] = MaskBlend(d[i], s[i], m[i], 255);
        }
      } else if (!is_key) {
        d[i] = MaskBlend(d[i], s[i], m[i], px::Alpha(d[i]));
      } else if (useParent) {
        d[i] = ColorToPixel(cacheInfo.FillColor);
      }
    }
  }
}

namespace {

// A piece copied into a bitmap of at least 2 × 2, a one-pixel-wide piece
// repeating its column and a one-pixel-high piece its row.
// Pixels of the piece outside the source are 0. An empty piece gives 0s.
TBitmap32 AtLeastTwoByTwo(const TBitmap32& src, const TRect& piece) {
  TBitmap32 out(std::max(piece.Width(), 2), std::max(piece.Height(), 2));
  for (int32_t y = 0; y < out.Height(); ++y) std::fill_n(out.Row(y), out.Width(), 0u);
  if (piece.IsEmpty()) return out;
  const TRect inside = Intersect(piece, src.Bounds());
  if (!inside.IsEmpty()) {
    for (int32_t sy = inside.Top; sy < inside.Bottom; ++sy) {
      std::copy_n(src.Row(sy) + inside.Left, inside.Width(), out.Row(sy - piece.Top) + (inside.Left - piece.Left));
    }
  }
  if (piece.Width() == 1) {
    for (int32_t y = 0; y < out.Height(); ++y) out.Row(y)[1] = out.Row(y)[0];
  }
  if (piece.Height() == 1) std::copy_n(out.Row(0), out.Width(), out.Row(1));
  return out;
}

// The piece brought to w × h, smoothly (Mitchell) or by nearest pixels.
TBitmap32 ScalePiece(const TBitmap32& src, const TRect& piece, int32_t w, int32_t h, bool smooth) {
  TBitmap32 out(w, h);
  if (smooth) {
    ResampleBitmap(AtLeastTwoByTwo(src, piece), out, w, kFilterMitchell, h);
  } else {
    StretchNearest(out, out.Bounds(), src, piece);
  }
  return out;
}

}  // namespace

void StretchWithMask(int32_t x, int32_t y, int32_t w, bool centre, int32_t maskOffset, const TBitmap32& src,
                     TBitmap32& dst, int32_t srcH, int32_t srcW, int32_t srcY, int32_t srcX, int32_t h) {
  if (x < 0 || y < 0 || w < 0 || h <= 0 || w == 1 || h == 1 || w == 0) return;
  if (srcW <= 0 || srcH <= 0) return;
  const TRect dst_rect = MakeRect(x, y, w, h);
  const TRect piece = MakeRect(srcX, srcY, srcW, srcH);
  if (maskOffset == 0) {
    StretchNearest(dst, dst_rect, src, piece);
    return;
  }
  const TRect mask_piece = MakeRect(srcX, srcY + maskOffset, srcW, srcH);
  if (srcW == 1 && srcH == 1 && !centre) {
    if (!src.Contains(srcX, srcY) || !src.Contains(srcX, srcY + maskOffset)) return;
    const uint32_t colour = src.Row(srcY)[srcX];
    const int m = px::Red(src.Row(srcY + maskOffset)[srcX]);
    if (m == 255) return;
    const TRect clipped = ClipToBitmap(dst_rect, dst);
    for (int32_t row = clipped.Top; row < clipped.Bottom; ++row) {
      uint32_t* d = dst.Row(row);
      for (int32_t col = clipped.Left; col < clipped.Right; ++col) {
        d[col] = m == 0 ? px::WithAlpha(colour, 255) : px::Weigh256Rgb(d[col], colour, m, d[col]);
      }
    }
    return;
  }
  const bool smooth = ((w < srcW && h == srcH) || (w == srcW && h < srcH) || centre) && w > 1 && h > 1;
  const TBitmap32 image = ScalePiece(src, piece, w, h, smooth);
  const TBitmap32 mask = ScalePiece(src, mask_piece, w, h, smooth);
  for (int32_t row = 0; row < h; ++row) {
    if (y + row >= dst.Height()) break;
    uint32_t* d = dst.Row(y + row);
    const uint32_t* s = image.Row(row);
    const uint32_t* m = mask.Row(row);
    for (int32_t col = 0; col < w && x + col < dst.Width(); ++col) {
      d[x + col] = MaskBlend(d[x + col], s[col], m[col], 255);
    }
  }
}

}  // namespace vorlan::paint
