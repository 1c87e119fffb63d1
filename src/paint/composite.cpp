#include "paint/composite.h"

#include <algorithm>
#include <array>

#include "paint/copy_area.h"
#include "paint/kernels.h"
#include "paint/pixel_math.h"

namespace vorlan::paint {

namespace {

// The parent's pixel under destination (x, y), or null outside its bitmap.
const uint32_t* ParentPixel(const TCacheInfo& ci, int32_t x, int32_t y) {
  if (ci.Bmp == nullptr) return nullptr;
  const int32_t px_ = ci.X + x;
  const int32_t py = ci.Y + y;
  if (!ci.Bmp->Contains(px_, py)) return nullptr;
  return ci.Bmp->Row(py) + px_;
}

}  // namespace

void CompositeAlpha(const TRect& dstRect, const TRect& srcRect, TBitmap32& dst, bool useParent,
                    const TCacheInfo& cacheInfo, const TBitmap32& src) {
  const TCopyArea a = ClipCopyArea(dstRect, srcRect, dst.Size(), src.Size());
  if (a.IsEmpty()) return;
  for (int32_t row = 0; row < a.Height; ++row) {
    const int32_t dy = a.DstY + row;
    uint32_t* d = dst.Row(dy) + a.DstX;
    const uint32_t* s = src.Row(a.SrcY + row) + a.SrcX;
    if (!cacheInfo.Ready) {
      kernels::CompositeRow(d, s, a.Width);
      continue;
    }
    for (int32_t i = 0; i < a.Width; ++i) {
      if (s[i] != kKeyPixel) {
        d[i] = kernels::CompositePixel(d[i], s[i]);
      } else if (useParent) {
        if (const uint32_t* p = ParentPixel(cacheInfo, a.DstX + i, dy)) d[i] = *p | 0xFF000000u;
      }
    }
  }
}

namespace {

// How CopyImage32 turns a source pixel into the colour it blends in.
class SourceColour {
 public:
  explicit SourceColour(TColor blend) : colourise_(blend != kNoColor) {
    if (!colourise_) return;
    const auto c = static_cast<uint32_t>(blend);
    const int u = std::max({px::Channel(c, 0), px::Channel(c, 8), px::Channel(c, 16)});
    // Pixel order: B is the colour's third byte, R its low byte.
    factors_ = {(px::Channel(c, 16) + 255 - u) / 255.0, (px::Channel(c, 8) + 255 - u) / 255.0,
                (px::Channel(c, 0) + 255 - u) / 255.0};
  }

  uint32_t operator()(uint32_t s) const {
    if (!colourise_) return s;
    const int g = (px::Red(s) + px::Green(s) + px::Blue(s)) / 3;
    auto tint = [g](double f) { return std::min(255, static_cast<int>(g * f)); };
    return px::Pack(tint(factors_[0]), tint(factors_[1]), tint(factors_[2]), px::Alpha(s));
  }

 private:
  bool colourise_;
  std::array<double, 3> factors_{};
};

}  // namespace

void CopyImage32(const TRect& dstRect, const TRect& srcRect, TBitmap32& dst, bool reflect, int transparency,
                 TColor blendColour, bool useParent, const TCacheInfo& cacheInfo, const TBitmap32& src) {
  transparency = std::clamp(transparency, 0, 100);
  const TCopyArea a = ClipCopyArea(dstRect, srcRect, dst.Size(), src.Size());
  if (a.IsEmpty()) return;
  const int p = 100 - transparency;
  const SourceColour colour(blendColour);
  auto effective_alpha = [&](int sa) { return transparency != 0 ? p * sa / 100 : sa; };

  for (int32_t row = 0; row < a.Height; ++row) {
    const int32_t dy = a.DstY + row;
    uint32_t* d = dst.Row(dy) + a.DstX;
    const uint32_t* s = src.Row(a.SrcY + row) + a.SrcX;
    for (int32_t i = 0; i < a.Width; ++i) {
      if (cacheInfo.Ready && s[i] == kKeyPixel) {
        if (useParent) {
          if (const uint32_t* parent = ParentPixel(cacheInfo, a.DstX + i, dy)) {
            d[i] = px::WithAlpha(*parent, px::Alpha(d[i]));
          }
        }
        continue;
      }
      const int sa = px::Alpha(s[i]);
      const int alpha = transparency == 0 ? std::max(px::Alpha(d[i]), sa) : px::Alpha(d[i]);
      d[i] = px::WithAlpha(px::Weigh256Rgb(colour(s[i]), d[i], effective_alpha(sa), 0), alpha);
    }
  }

  if (!reflect) return;
  const int32_t below = a.DstY + a.Height;
  const int32_t n = std::min(a.Height, dst.Height() - below);
  if (n <= 0) return;
  const int level_step = 255 / a.Height;
  int level = 255;
  for (int32_t i = 1; i <= n; ++i, level -= level_step) {
    const int32_t src_row = a.SrcY + a.Height - i - 1;
    if (src_row < a.SrcY) break;
    uint32_t* d = dst.Row(below + i - 1) + a.DstX;
    const uint32_t* s = src.Row(src_row) + a.SrcX;
    for (int32_t x = 0; x < a.Width; ++x) {
      if (s[x] == kKeyPixel) continue;
      int alpha = px::Alpha(s[x]) * (n - i) / n * level / 512;
      if (transparency != 0) alpha = alpha * p / 100;
      d[x] = px::Weigh256Rgb(colour(s[x]), d[x], alpha, d[x]);
    }
  }
}

}  // namespace vorlan::paint
