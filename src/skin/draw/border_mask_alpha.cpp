#include "skin/draw/border_mask_alpha.h"

#include <algorithm>

#include "paint/block_copy.h"
#include "paint/copies.h"
#include "paint/masks.h"
#include "paint/pixel_math.h"
#include "paint/resample.h"
#include "paint/stretch.h"
#include "skin/draw/border_geometry.h"
#include "skin/draw/border_mask.h"
#include "skin/draw/paint_checks.h"

namespace vorlan::skin {
namespace {

namespace px = paint::px;
using paint::TRect;

// (d × m + s × (255 − m)) >> 8 on B, G and R.
std::uint32_t MergeRgb(std::uint32_t d, std::uint32_t s, int m, int alpha) {
  const auto ch = [&](int shift) { return (px::Channel(d, shift) * m + px::Channel(s, shift) * (255 - m)) >> 8; };
  return px::Pack(ch(px::kBlue), ch(px::kGreen), ch(px::kRed), alpha);
}

// A 1:1 masked pixel: the mask's red byte m weighs the destination; an empty
// destination takes the mask's opacity, a partly covered one at least it.
std::uint32_t MergeCopied(std::uint32_t d, std::uint32_t s, int m) {
  const int a = px::Alpha(d);
  const int alpha = a == 0 ? 255 - m : (a == 255 ? 255 : std::max(a, 255 - m));
  return MergeRgb(d, s, m, alpha);
}

// A stretched masked pixel: weighed by min(m, A); black copies, white leaves.
std::uint32_t MergeStretched(std::uint32_t d, std::uint32_t s, int m) {
  if (m == 0) return px::WithAlpha(s, 255);
  if (m == 255) return d;
  const int a = px::Alpha(d);
  return MergeRgb(d, s, std::min(m, a), std::max(a, 255 - m));
}

class TAlphaPieces final : public TBorderPieces {
 public:
  TAlphaPieces(paint::TBitmap32& bmp, const paint::TCacheInfo& cacheInfo, const TImageEntry& image)
      : bmp_(bmp), cache_(cacheInfo), image_(image), masked_(image.M().MaskType != 0) {}

  void Copy(TBorderPart part, const TRect& dst, paint::TPoint src) override {
    const TRect from = paint::MakeRect(src.X, src.Y, dst.Width(), dst.Height());
    if (!masked_) {
      CopyBorderPiece(bmp_, image_, part, dst, from, true, cache_);
      return;
    }
    const paint::TBitmap32& source = *image_.Source;
    const std::int32_t offset = image_.MaskOffset();
    if (from.Bottom + offset > source.Height() || from.Right > source.Width()) return;
    const paint::TBitmap32* parent = cache_.Ready ? cache_.Bmp : nullptr;
    for (std::int32_t row = 0; row < dst.Height(); ++row) {
      const std::int32_t y = dst.Top + row;
      std::uint32_t* d = bmp_.Row(y);
      const std::uint32_t* s = source.Row(from.Top + row) + from.Left;
      const std::uint32_t* m = source.Row(from.Top + row + offset) + from.Left;
      for (std::int32_t i = 0; i < dst.Width(); ++i) {
        const std::int32_t x = dst.Left + i;
        if (s[i] != paint::kKeyPixel) {
          d[x] = MergeCopied(d[x], s[i], px::Red(m[i]));
        } else if (parent == nullptr) {
          d[x] = px::WithAlpha(d[x], 0);
        } else if (parent->Contains(x + cache_.X, y + cache_.Y)) {
          d[x] = parent->Row(y + cache_.Y)[x + cache_.X];
        }
      }
    }
  }

  void Stretch(TBorderPart part, const TRect& dst, const TRect& src) override {
    if (!masked_) {
      paint::StretchNearest(bmp_, dst, *image_.Source, src);
      return;
    }
    const std::int32_t w = dst.Width(), h = dst.Height();
    const paint::TBitmap32& source = *image_.Source;
    const TRect mask_src{src.Left, src.Top + image_.MaskOffset(), src.Right, src.Bottom + image_.MaskOffset()};
    if (mask_src.Bottom > source.Height()) return;
    const bool centre = part == TBorderPart::Centre;
    if (src.Width() == 1 && src.Height() == 1 && !centre) {
      const std::uint32_t s = source.Row(src.Top)[src.Left];
      const int m = px::Red(source.Row(mask_src.Top)[mask_src.Left]);
      for (std::int32_t y = dst.Top; y < dst.Bottom; ++y) {
        std::uint32_t* d = bmp_.Row(y);
        for (std::int32_t x = dst.Left; x < dst.Right; ++x) d[x] = MergeStretched(d[x], s, m);
      }
      return;
    }
    if (w == 1 || h == 1) return;  // as StretchWithMask: resampling needs two pixels each way
    const bool smooth = paint::StretchesSmoothly(w, h, src.Width(), src.Height(), centre);
    const paint::TBitmap32 image = paint::ScalePiece(source, src, w, h, smooth, paint::kFilterMitchell);
    const paint::TBitmap32 mask = paint::ScalePiece(source, mask_src, w, h, smooth, paint::kFilterHermite);
    for (std::int32_t row = 0; row < h; ++row) {
      std::uint32_t* d = bmp_.Row(dst.Top + row) + dst.Left;
      const std::uint32_t* s = image.Row(row);
      const std::uint32_t* m = mask.Row(row);
      for (std::int32_t i = 0; i < w; ++i) d[i] = MergeStretched(d[i], s[i], px::Red(m[i]));
    }
  }

 private:
  paint::TBitmap32& bmp_;
  const paint::TCacheInfo& cache_;
  const TImageEntry& image_;
  bool masked_;
};

}  // namespace

void PaintBorderMaskAlpha(paint::TBitmap32& bmp, const TRect& rect, const paint::TCacheInfo& cacheInfo,
                          const TImageEntry& image, std::int32_t state) {
  if (!image || !LiesInside(rect, bmp)) return;
  TAlphaPieces pieces(bmp, cacheInfo, image);
  LayBorderPieces(image, rect, state, pieces);
}

}  // namespace vorlan::skin
