#include "skin/draw/texture.h"

#include <algorithm>

#include "paint/block_copy.h"
#include "paint/colors.h"
#include "paint/fills.h"
#include "paint/masks.h"
#include "paint/stretch.h"
#include "skin/draw/tile_runs.h"

namespace vorlan::skin {
namespace {

using paint::TRect;

class TTexturePainter {
 public:
  TTexturePainter(paint::TBitmap32& bmp, const paint::TCacheInfo& cacheInfo, const TImageEntry& texture)
      : bmp_(bmp), cache_(cacheInfo), image_(texture), masked_(texture.M().MaskType > 0) {
    const TRect& r = texture.M().R;
    tw_ = r.Width();
    th_ = masked_ ? texture.FrameHeight() : r.Height();
  }

  std::optional<TRect> Paint(const TRect& r, std::int32_t mode) {
    if (tw_ <= 0 || th_ <= 0) return r;
    if (masked_ && mode != tmTile && mode != tmWholeTiles) return r;
    switch (mode) {
      case tmStretch:
        Stretch(r, tw_, th_);
        return std::nullopt;
      case tmTopBand:
      case tmTopBandStretched: {
        const TRect band{r.Left, r.Top, r.Right, std::min(r.Top + th_, r.Bottom)};
        mode == tmTopBand ? TileAcross(band) : Stretch(band, tw_, band.Height());
        return Remainder({r.Left, band.Bottom, r.Right, r.Bottom});
      }
      case tmLeftColumn:
      case tmLeftColumnStretched: {
        const TRect column{r.Left, r.Top, std::min(r.Left + tw_, r.Right), r.Bottom};
        mode == tmLeftColumn ? TileDown(column) : Stretch(column, column.Width(), th_);
        return Remainder({column.Right, r.Top, r.Right, r.Bottom});
      }
      case tmBottomBand: {
        const TRect band{r.Left, std::max(r.Bottom - th_, r.Top), r.Right, r.Bottom};
        TileAcross(band);
        return Remainder({r.Left, r.Top, r.Right, band.Top});
      }
      case tmRightColumn: {
        const TRect column{std::max(r.Right - tw_, r.Left), r.Top, r.Right, r.Bottom};
        TileDown(column);
        return Remainder({r.Left, r.Top, column.Left, r.Bottom});
      }
      case tmWholeTiles:
        Tile(r, true);
        return std::nullopt;
      case tmRowsStretched:
        TileRuns(r.Top, r.Bottom, th_, false, [&](std::int32_t y, std::int32_t h) {
          Stretch({r.Left, y, r.Right, y + h}, tw_, h);
        });
        return std::nullopt;
      case tmColumnsStretched:
        TileRuns(r.Left, r.Right, tw_, false, [&](std::int32_t x, std::int32_t w) {
          Stretch({x, r.Top, x + w, r.Bottom}, w, th_);
        });
        return std::nullopt;
      case tmTile:
      default:  // kFallbackTextureMode
        Tile(r, false);
        return std::nullopt;
    }
  }

 private:
  static std::optional<TRect> Remainder(const TRect& r) {
    if (r.IsEmpty()) return std::nullopt;
    return r;
  }

  // One piece 1:1: the texture's top-left w × h at (x, y).
  void Piece(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
    const TRect& src = image_.M().R;
    const TRect from = paint::MakeRect(src.Left, src.Top, w, h);
    if (masked_) {
      paint::CopyWithMask(paint::MakeRect(x, y, w, h), from, bmp_, src, true, cache_, *image_.Source);
    } else {
      paint::CopyBlock(bmp_, {x, y}, *image_.Source, from);
    }
  }

  // The texture's top-left w × h stretched over dst.
  void Stretch(const TRect& dst, std::int32_t w, std::int32_t h) {
    if (dst.IsEmpty()) return;
    const TRect& src = image_.M().R;
    paint::StretchNearest(bmp_, dst, *image_.Source, paint::MakeRect(src.Left, src.Top, w, h));
  }

  void Tile(const TRect& r, bool wholeOnly) {
    TileRuns(r.Top, r.Bottom, th_, wholeOnly, [&](std::int32_t y, std::int32_t h) {
      TileRuns(r.Left, r.Right, tw_, wholeOnly, [&](std::int32_t x, std::int32_t w) { Piece(x, y, w, h); });
    });
    if (wholeOnly && masked_) ParentStrips(r);
  }
  void TileAcross(const TRect& band) {
    TileRuns(band.Left, band.Right, tw_, false,
             [&](std::int32_t x, std::int32_t w) { Piece(x, band.Top, w, band.Height()); });
  }
  void TileDown(const TRect& column) {
    TileRuns(column.Top, column.Bottom, th_, false,
             [&](std::int32_t y, std::int32_t h) { Piece(column.Left, y, column.Width(), h); });
  }

  // Whole tiles leave strips at the right and bottom: the parent shows there.
  void ParentStrips(const TRect& r) {
    const std::int32_t covered_w = r.Width() / tw_ * tw_, covered_h = r.Height() / th_ * th_;
    ParentArea({r.Left + covered_w, r.Top, r.Right, r.Bottom});
    ParentArea({r.Left, r.Top + covered_h, r.Left + covered_w, r.Bottom});
  }
  void ParentArea(const TRect& area) {
    if (area.IsEmpty()) return;
    if (cache_.Ready && cache_.Bmp != nullptr) {
      if (cache_.Bmp != &bmp_) {
        paint::CopyBlock(bmp_, {area.Left, area.Top}, *cache_.Bmp,
                         paint::MakeRect(area.Left + cache_.X, area.Top + cache_.Y, area.Width(), area.Height()));
      }
    } else if (cache_.FillColor != paint::kKeyColor) {
      paint::FillRect32(bmp_, area, paint::ResolveColor(cache_.FillColor), 255);
    }
  }

  paint::TBitmap32& bmp_;
  const paint::TCacheInfo& cache_;
  const TImageEntry& image_;
  bool masked_;
  std::int32_t tw_ = 0;
  std::int32_t th_ = 0;
};

}  // namespace

std::optional<paint::TRect> PaintTexture(paint::TBitmap32& bmp, const paint::TRect& rect,
                                         const paint::TCacheInfo& cacheInfo, std::int32_t mode,
                                         const TImageEntry& texture) {
  if (!texture || rect.IsEmpty()) return rect.IsEmpty() ? std::nullopt : std::optional<paint::TRect>(rect);
  if (rect.Left < 0 || rect.Top < 0 || rect.Right > bmp.Width() || rect.Bottom > bmp.Height()) return rect;
  TTexturePainter painter(bmp, cacheInfo, texture);
  return painter.Paint(rect, mode);
}

}  // namespace vorlan::skin
