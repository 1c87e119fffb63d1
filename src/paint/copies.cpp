#include "paint/copies.h"

#include <algorithm>

#include "paint/copy_area.h"
#include "paint/kernels.h"
#include "paint/pixel_math.h"

namespace vorlan::paint {

void CopyKeyed(TBitmap32& dst, const TBitmap32& src, int32_t x, TColor key, int32_t y) {
  const TCopyArea a = ClipCopyArea(MakeRect(x, y, src.Width(), src.Height()), src.Bounds(), dst.Size(), src.Size());
  if (a.IsEmpty()) return;
  const uint32_t key_word = ColorToPixel(key);
  for (int32_t row = 0; row < a.Height; ++row) {
    uint32_t* d = dst.Row(a.DstY + row) + a.DstX;
    const uint32_t* s = src.Row(a.SrcY + row) + a.SrcX;
    for (int32_t i = 0; i < a.Width; ++i) {
      if (s[i] != key_word) d[i] = s[i] | 0xFF000000u;
    }
  }
}

void CopyKeyedRect(TBitmap32& dst, const TBitmap32& src, int32_t x, bool useParent, const TCacheInfo& cacheInfo,
                   TColor key, const TRect& srcRect, int32_t y) {
  const TCopyArea a = ClipInclusiveArea({x, y}, srcRect, dst.Size(), src.Size());
  if (a.IsEmpty()) return;
  const uint32_t key_word = ColorToPixel(key);
  const TBitmap32* parent = cacheInfo.Bmp;

  if (useParent && cacheInfo.Ready && parent != nullptr && parent != &dst) {
    for (int32_t row = 0; row < a.Height; ++row) {
      const int32_t dy = a.DstY + row;
      const int32_t py = dy + cacheInfo.Y;
      if (py < 0 || py >= parent->Height()) continue;
      uint32_t* d = dst.Row(dy);
      const uint32_t* s = src.Row(a.SrcY + row) + a.SrcX;
      const uint32_t* p = parent->Row(py);
      for (int32_t i = 0; i < a.Width; ++i) {
        const int32_t dx = a.DstX + i;
        const int32_t px_ = dx + cacheInfo.X;
        if (px_ >= parent->Width()) break;
        if (s[i] != key_word) {
          d[dx] = s[i];
        } else if (px_ >= 0) {
          d[dx] = p[px_];
        }
      }
    }
    return;
  }

  const bool parent_is_dst = useParent && cacheInfo.Ready && parent == &dst;
  const uint32_t fill = ColorToPixel(cacheInfo.FillColor) & 0x00FFFFFFu;
  for (int32_t row = 0; row < a.Height; ++row) {
    uint32_t* d = dst.Row(a.DstY + row) + a.DstX;
    const uint32_t* s = src.Row(a.SrcY + row) + a.SrcX;
    for (int32_t i = 0; i < a.Width; ++i) {
      const bool is_key = s[i] == key_word;
      if (parent_is_dst) {
        if (!is_key) d[i] = s[i] | 0xFF000000u;
      } else if (cacheInfo.Ready) {
        if (!is_key) d[i] = s[i];
      } else {
        d[i] = is_key ? fill : s[i];
      }
    }
  }
}

void BlendKeyedRect(TBitmap32& dst, int32_t x, int32_t y, TColor key, double k, const TRect& srcRect,
                    const TBitmap32& src) {
  const TCopyArea a = ClipInclusiveArea({x, y}, srcRect, dst.Size(), src.Size());
  if (a.IsEmpty()) return;
  const uint32_t key_word = ColorToPixel(key);
  auto mix = [k](int s, int d) { return px::TruncByte(s - (s - d) * k); };
  for (int32_t row = 0; row < a.Height; ++row) {
    uint32_t* d = dst.Row(a.DstY + row) + a.DstX;
    const uint32_t* s = src.Row(a.SrcY + row) + a.SrcX;
    for (int32_t i = 0; i < a.Width; ++i) {
      if (s[i] == key_word) continue;
      d[i] = px::Pack(mix(px::Blue(s[i]), px::Blue(d[i])), mix(px::Green(s[i]), px::Green(d[i])),
                      mix(px::Red(s[i]), px::Red(d[i])), px::Alpha(d[i]));
    }
  }
}

void BlendBitmaps(TBitmap32& dst, const TBitmap32& src, int weight, TPoint dstPoint, const TRect& srcRect) {
  const TCopyArea a = ClipInclusiveArea(dstPoint, srcRect, dst.Size(), src.Size());
  if (a.IsEmpty()) return;
  const int w = std::clamp(weight, 0, 255);
  for (int32_t row = 0; row < a.Height; ++row) {
    kernels::BlendRow(dst.Row(a.DstY + row) + a.DstX, src.Row(a.SrcY + row) + a.SrcX, a.Width, w);
  }
}

namespace {

TPoint CornerOffset(const TMaskCorner& m, int cornerKind) {
  switch (cornerKind) {
    case kCornerTopRight:
      return {m.FrameWidth - m.WR, 0};
    case kCornerBottomLeft:
      return {0, m.FrameHeight - m.WB};
    case kCornerBottomRight:
      return {m.FrameWidth - m.WR, m.FrameHeight - m.WB};
    default:
      return {0, 0};
  }
}

}  // namespace

void FillKeyFromBitmap(TBitmap32& dst, const TBitmap32& src, const TRect& dstRect, TPoint srcPoint,
                       const TMaskCorner* mask, int cornerKind) {
  if (srcPoint.X < 0 || srcPoint.Y < 0) return;
  const bool masked = mask != nullptr && mask->Bmp != nullptr;
  const TPoint corner = masked ? CornerOffset(*mask, cornerKind) : TPoint{};
  const TPoint test_at = masked ? TPoint{mask->R.Left + corner.X, mask->R.Top + corner.Y} : TPoint{};
  // Offsets (i, row) from the rectangle's corner that lie in the source, the
  // destination and, when masked, the mask bitmap.
  TRect area{0, 0, std::min(dstRect.Width(), src.Width() - srcPoint.X),
             std::min(dstRect.Height(), src.Height() - srcPoint.Y)};
  area = Intersect(area, {-dstRect.Left, -dstRect.Top, dst.Width() - dstRect.Left, dst.Height() - dstRect.Top});
  if (masked) {
    const TBitmap32& m = *mask->Bmp;
    area = Intersect(area, {-test_at.X, -test_at.Y, m.Width() - test_at.X, m.Height() - test_at.Y});
  }
  for (int32_t row = area.Top; row < area.Bottom; ++row) {
    uint32_t* d = dst.Row(dstRect.Top + row);
    const uint32_t* s = src.Row(srcPoint.Y + row);
    // The key is looked for in the mask when there is one, else in the destination.
    const uint32_t* t = masked ? mask->Bmp->Row(test_at.Y + row) : d;
    const int32_t t_left = masked ? test_at.X : dstRect.Left;
    for (int32_t i = area.Left; i < area.Right; ++i) {
      if ((t[t_left + i] & 0x00FFFFFFu) == kKeyPixel) d[dstRect.Left + i] = s[srcPoint.X + i];
    }
  }
}

}  // namespace vorlan::paint
