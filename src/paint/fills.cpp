#include "paint/fills.h"

#include <algorithm>

#include "paint/kernels.h"
#include "paint/pixel_math.h"

namespace vorlan::paint {

TRect ClipToBitmap(const TRect& rect, const TBitmap32& bmp) { return Intersect(rect, bmp.Bounds()); }

void FillRect32(TBitmap32& bmp, const TRect& rect, TColor colour, uint8_t alpha) {
  const TRect r = ClipToBitmap(rect, bmp);
  if (r.IsEmpty()) return;
  const uint32_t value = px::WithAlpha(ColorToPixel(colour), alpha);
  if (r.Left == 0 && r.Right == bmp.Width()) {
    // Whole rows lie next to each other in memory whatever the row order.
    uint32_t* first = std::min(bmp.Row(r.Top), bmp.Row(r.Bottom - 1));
    kernels::FillRow(first, r.Width() * r.Height(), value);
    return;
  }
  for (int32_t y = r.Top; y < r.Bottom; ++y) kernels::FillRow(bmp.Row(y) + r.Left, r.Width(), value);
}

void BlendColorRect(TBitmap32& bmp, const TRect& rect, int percent, TColor colour) {
  if (bmp.Empty()) return;
  const int32_t left = std::max(rect.Left, 0);
  const int32_t top = std::max(rect.Top, 0);
  const int32_t right = std::min(rect.Right, bmp.Width() - 1);
  const int32_t bottom = std::min(rect.Bottom, bmp.Height() - 1);
  if (right < left || bottom < top) return;
  const uint32_t c = ColorToPixel(ResolveColor(colour));
  const double p = percent / 100.0;
  // One table per channel: the result depends only on the old channel value.
  uint8_t table[3][256];
  for (int i = 0; i < 3; ++i) {
    const int cc = px::Channel(c, i * 8);
    for (int ch = 0; ch < 256; ++ch)
      table[i][ch] = static_cast<uint8_t>(px::ClampByte(px::RoundHalfEven(ch * p + cc * (1 - p))));
  }
  for (int32_t y = top; y <= bottom; ++y) {
    uint32_t* row = bmp.Row(y);
    for (int32_t x = left; x <= right; ++x) {
      const uint32_t d = row[x];
      row[x] = px::Pack(table[0][px::Blue(d)], table[1][px::Green(d)], table[2][px::Red(d)], px::Alpha(d));
    }
  }
}

void FadeRectToColor(TBitmap32& bmp, const TRect& rect, TColor colour, uint8_t alpha, int percent) {
  const TRect r = ClipToBitmap(rect, bmp);
  if (r.IsEmpty()) return;
  const uint32_t c = ColorToPixel(colour);
  auto fade = [percent](int ch, int cc) { return px::ClampByte(ch - percent * (ch - cc) / 100); };
  for (int32_t y = r.Top; y < r.Bottom; ++y) {
    uint32_t* row = bmp.Row(y);
    for (int32_t x = r.Left; x < r.Right; ++x) {
      const uint32_t d = row[x];
      row[x] = px::Pack(fade(px::Blue(d), px::Blue(c)), fade(px::Green(d), px::Green(c)), fade(px::Red(d), px::Red(c)),
                        alpha);
    }
  }
}

void SetAlphaRect(TBitmap32& bmp, const TRect& rect, uint8_t alpha, TColor key) {
  const TRect r = ClipToBitmap(rect, bmp);
  if (r.IsEmpty()) return;
  const bool keyed = key != kNoColor;
  const auto key_word = static_cast<uint32_t>(key);
  for (int32_t y = r.Top; y < r.Bottom; ++y) {
    uint32_t* row = bmp.Row(y);
    for (int32_t x = r.Left; x < r.Right; ++x) {
      if (!keyed || row[x] != key_word) row[x] = px::WithAlpha(row[x], alpha);
    }
  }
}

void FillFrame32(TBitmap32& bmp, const TRect& r, int wl, TColor colour, int wb, int wr, int wt) {
  FillRect32(bmp, {r.Left, r.Top, r.Right, r.Top + wt}, colour, 255);
  FillRect32(bmp, {r.Left, r.Top + wt, r.Left + wl, r.Bottom}, colour, 255);
  FillRect32(bmp, {r.Left + wl, r.Bottom - wb, r.Right, r.Bottom}, colour, 255);
  FillRect32(bmp, {r.Right - wr, r.Top + wt, r.Right, r.Bottom - wb}, colour, 255);
}

}  // namespace vorlan::paint
