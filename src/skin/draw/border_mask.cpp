#include "skin/draw/border_mask.h"

#include "paint/block_copy.h"
#include "paint/copies.h"
#include "paint/masks.h"
#include "paint/stretch.h"
#include "skin/draw/border_geometry.h"
#include "skin/draw/paint_checks.h"

namespace vorlan::skin {
namespace {

using paint::TRect;

class TPlainPieces final : public TBorderPieces {
 public:
  TPlainPieces(paint::TBitmap32& bmp, const paint::TCacheInfo& corners, bool cornersUseParent, const TImageEntry& image)
      : bmp_(bmp), corners_(corners), corners_use_parent_(cornersUseParent), image_(image) {}

  void Copy(TBorderPart part, const TRect& dst, paint::TPoint src) override {
    const bool corner = part == TBorderPart::Corner;
    const paint::TCacheInfo empty = paint::EmptyCacheInfo();
    const paint::TCacheInfo& cache = corner && corners_use_parent_ ? corners_ : empty;
    const bool use_parent = corner && corners_use_parent_;
    CopyBorderPiece(bmp_, image_, part, dst, paint::MakeRect(src.X, src.Y, dst.Width(), dst.Height()), use_parent,
                    cache);
  }

  void Stretch(TBorderPart part, const TRect& dst, const TRect& src) override {
    if (image_.M().MaskType != 0) {
      paint::StretchWithMask(dst.Left, dst.Top, dst.Width(), part == TBorderPart::Centre, image_.MaskOffset(),
                             *image_.Source, bmp_, src.Height(), src.Width(), src.Top, src.Left, dst.Height());
    } else {
      paint::StretchNearest(bmp_, dst, *image_.Source, src);
    }
  }

 private:
  paint::TBitmap32& bmp_;
  const paint::TCacheInfo& corners_;
  bool corners_use_parent_;
  const TImageEntry& image_;
};

}  // namespace

void PaintBorderMask(paint::TBitmap32& bmp, const TRect& rect, const paint::TCacheInfo& cacheInfo,
                     const TImageEntry& image, std::int32_t state, bool updateCorners) {
  if (!image || !LiesInside(rect, bmp)) return;
  TPlainPieces pieces(bmp, cacheInfo, updateCorners && image.M().CornerType > 0, image);
  LayBorderPieces(image, rect, state, pieces);
}

void CopyBorderPiece(paint::TBitmap32& bmp, const TImageEntry& image, TBorderPart part, const TRect& dst,
                     const TRect& from, bool useParent, const paint::TCacheInfo& parent) {
  if (image.M().MaskType != 0) {
    paint::CopyWithMask(dst, from, bmp, image.M().R, useParent, parent, *image.Source);
  } else if (part == TBorderPart::Corner) {
    const TRect inclusive{from.Left, from.Top, from.Right - 1, from.Bottom - 1};
    paint::CopyKeyedRect(bmp, *image.Source, dst.Left, useParent, parent, paint::kKeyColor, inclusive, dst.Top);
  } else {
    paint::CopyBlock(bmp, {dst.Left, dst.Top}, *image.Source, from);
  }
}

}  // namespace vorlan::skin
