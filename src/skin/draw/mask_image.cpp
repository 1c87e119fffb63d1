#include "skin/draw/mask_image.h"

#include <algorithm>

#include "paint/copies.h"
#include "paint/pixel_math.h"

namespace vorlan::skin {
namespace {

namespace px = paint::px;
using paint::TRect;

// Through the mask rows: every pixel that is not the key colour and whose
// mask is not white weighs the destination by the mask's channels (a fainter
// weight outside the normal mode) and raises its alpha.
void PaintThroughMask(paint::TBitmap32& bmp, const TRect& dst, paint::TPoint src, std::int32_t maskOffset,
                      const paint::TBitmap32& source, int mode) {
  for (std::int32_t row = 0; row < dst.Height(); ++row) {
    std::uint32_t* d = bmp.Row(dst.Top + row) + dst.Left;
    const std::uint32_t* s = source.Row(src.Y + row) + src.X;
    const std::uint32_t* m = source.Row(src.Y + row + maskOffset) + src.X;
    for (std::int32_t i = 0; i < dst.Width(); ++i) {
      const int mr = px::Red(m[i]);
      if (s[i] == paint::kKeyPixel || mr == 255) continue;
      const auto weight = [&](int shift) {
        const int mc = px::Channel(m[i], shift);
        return mode == kMaskImageNormal ? mc : std::min(mc + 100, 255);
      };
      const int a = px::Alpha(d[i]);
      d[i] = px::Pack(px::Weigh256(px::Blue(d[i]), px::Blue(s[i]), weight(px::kBlue)),
                      px::Weigh256(px::Green(d[i]), px::Green(s[i]), weight(px::kGreen)),
                      px::Weigh256(px::Red(d[i]), px::Red(s[i]), weight(px::kRed)), a + ((a - 255) * (mr - 255) >> 8));
    }
  }
}

}  // namespace

void PaintMaskImage(paint::TBitmap32& bmp, paint::TPoint at, std::int32_t state, const paint::TCacheInfo& cacheInfo,
                    const TImageEntry& image, int mode, const TRect& clip) {
  if (!image || image.M().ImageCount <= 0) return;
  const TRect frame = image.FrameRect(state);
  const TRect dst = paint::Intersect(paint::Intersect(paint::MakeRect(at.X, at.Y, frame.Width(), frame.Height()), clip),
                                     bmp.Bounds());
  if (dst.IsEmpty()) return;
  const paint::TPoint src{frame.Left + dst.Left - at.X, frame.Top + dst.Top - at.Y};
  const TRect inclusive{src.X, src.Y, src.X + dst.Width() - 1, src.Y + dst.Height() - 1};
  const paint::TBitmap32& source = *image.Source;
  const std::int16_t mask_type = image.M().MaskType;
  if (image.HasOwnBitmap() || mask_type > 0) {
    if (mask_type == 0) {
      // A ready cacheInfo without a parent: key pixels are skipped, the others copied as they are.
      paint::CopyKeyedRect(bmp, source, dst.Left, false, paint::MakeCacheInfo(nullptr, 0, 0), paint::kKeyColor,
                           inclusive, dst.Top);
    } else if (mask_type > 0) {
      const std::int32_t offset = image.MaskOffset();
      if (src.Y + dst.Height() + offset > source.Height()) return;
      PaintThroughMask(bmp, dst, src, offset, source, mode);
    }
    return;
  }
  if (mode == kMaskImageNormal) {
    paint::CopyKeyedRect(bmp, source, dst.Left, true, cacheInfo, paint::kKeyColor, inclusive, dst.Top);
  } else {
    paint::BlendKeyedRect(bmp, dst.Left, dst.Top, paint::kKeyColor, 0.5, inclusive, source);
  }
}

void PaintMaskImage(paint::TBitmap32& bmp, paint::TPoint at, std::int32_t state, const paint::TCacheInfo& cacheInfo,
                    const TImageEntry& image, int mode) {
  PaintMaskImage(bmp, at, state, cacheInfo, image, mode, bmp.Bounds());
}

}  // namespace vorlan::skin
