#include "skin/draw/outer_effect.h"

#include <algorithm>

#include "paint/masks.h"
#include "paint/pixel_math.h"
#include "paint/resample.h"
#include "skin/draw/border_geometry.h"

namespace vorlan::skin {
namespace {

namespace px = paint::px;
using paint::TRect;

// (d × (255 − g) + s × g) >> 8 on B, G and R; d's alpha stays.
std::uint32_t MixByOpacity(std::uint32_t d, std::uint32_t s, int g) {
  const auto ch = [&](int shift) { return (px::Channel(d, shift) * (255 - g) + px::Channel(s, shift) * g) >> 8; };
  return px::Pack(ch(px::kBlue), ch(px::kGreen), ch(px::kRed), px::Alpha(d));
}

class TOpacityPieces final : public TBorderPieces {
 public:
  TOpacityPieces(paint::TBitmap32& bmp, const TImageEntry& image, std::int32_t opacity)
      : bmp_(bmp), image_(image), opacity_(std::clamp(opacity, 0, 255)) {}

  void Copy(TBorderPart /*part*/, const TRect& dst, paint::TPoint src) override {
    const paint::TBitmap32& source = *image_.Source;
    const std::int32_t offset = image_.MaskOffset();
    const bool masked = offset != 0;
    for (std::int32_t row = 0; row < dst.Height(); ++row) {
      const std::int32_t sy = src.Y + row;
      if (sy < 0 || sy + offset >= source.Height()) continue;
      const std::uint32_t* s = source.Row(sy);
      const std::uint32_t* m = source.Row(sy + offset);
      for (std::int32_t col = 0; col < dst.Width(); ++col) {
        const std::int32_t sx = src.X + col;
        if (sx < 0 || sx >= source.Width()) continue;
        Mix(dst.Left + col, dst.Top + row, s[sx], masked ? px::Red(m[sx]) : 0);
      }
    }
  }

  void Stretch(TBorderPart part, const TRect& dst, const TRect& src) override {
    const std::int32_t w = dst.Width(), h = dst.Height();
    const std::int32_t offset = image_.MaskOffset();
    const bool smooth = paint::StretchesSmoothly(w, h, src.Width(), src.Height(), part == TBorderPart::Centre);
    const paint::TBitmap32 image = paint::ScalePiece(*image_.Source, src, w, h, smooth, paint::kFilterMitchell);
    paint::TBitmap32 mask;
    if (offset != 0) {
      const TRect mask_src{src.Left, src.Top + offset, src.Right, src.Bottom + offset};
      mask = paint::ScalePiece(*image_.Source, mask_src, w, h, smooth, paint::kFilterMitchell);
    }
    for (std::int32_t row = 0; row < h; ++row) {
      for (std::int32_t col = 0; col < w; ++col) {
        const int m = offset != 0 ? px::Red(mask.Row(row)[col]) : 0;
        Mix(dst.Left + col, dst.Top + row, image.Row(row)[col], m);
      }
    }
  }

 private:
  void Mix(std::int32_t x, std::int32_t y, std::uint32_t s, int m) {
    if (s == paint::kKeyPixel || !bmp_.Contains(x, y)) return;
    std::uint32_t& d = bmp_.Row(y)[x];
    d = MixByOpacity(d, s, opacity_ * (255 - m) >> 8);
  }

  paint::TBitmap32& bmp_;
  const TImageEntry& image_;
  int opacity_;
};

}  // namespace

std::optional<TOuterEffectLook> SectionOuterEffect(const TLoadedSkin& skin, std::int32_t skinIndex) {
  if (skinIndex < 0 || static_cast<std::size_t>(skinIndex) >= skin.gd.size()) return std::nullopt;
  const TSkinGeneralData& section = skin.gd[static_cast<std::size_t>(skinIndex)];
  TOuterEffectLook look;
  if (section.OuterMask >= 0) {
    look.Image = SkinImage(skin, section.OuterMask);
    look.OffsetL = section.OuterOffset.Left;
    look.OffsetT = section.OuterOffset.Top;
    look.OffsetR = section.OuterOffset.Right;
    look.OffsetB = section.OuterOffset.Bottom;
    look.Opacity = section.OuterOpacity;
  } else {
    // OUTERMODE is read up to 2^31 − 1, but the skin keeps two effects only.
    if (section.OuterMode <= 0 || static_cast<std::size_t>(section.OuterMode) > skin.oe.size()) return std::nullopt;
    const TSkOutEffData& effect = skin.oe[static_cast<std::size_t>(section.OuterMode - 1)];
    if (effect.Source == 0) return std::nullopt;
    look.Image = SkinImage(skin, effect.Mask);
    look.OffsetL = effect.OffsetL;
    look.OffsetT = effect.OffsetT;
    look.OffsetR = effect.OffsetR;
    look.OffsetB = effect.OffsetB;
    look.Opacity = effect.Opacity;
  }
  if (!look.Image) return std::nullopt;
  return look;
}

TRect OuterEffectRect(const TRect& bounds, const TOuterEffectLook& look) {
  return {bounds.Left - look.OffsetL, bounds.Top - look.OffsetT, bounds.Right + look.OffsetR,
          bounds.Bottom + look.OffsetB};
}

void PaintOuterEffectFrame(paint::TBitmap32& bmp, const TRect& rect, const TImageEntry& image, std::int32_t opacity) {
  if (!image || bmp.Empty() || Intersect(rect, bmp.Bounds()).IsEmpty()) return;
  TOpacityPieces pieces(bmp, image, opacity);
  LayBorderPieces(image, rect, 0, pieces);
}

}  // namespace vorlan::skin
