#include "skin/draw/text_merge.h"

#include <algorithm>

#include "paint/pixel_math.h"

namespace vorlan::skin {
namespace px = paint::px;
namespace {

constexpr int kChannels[] = {px::kBlue, px::kGreen, px::kRed};

// The colour as a pixel word whose B, G, R are the text colour's channels.
uint32_t ColorChannels(paint::TColor color) { return paint::ColorToPixel(paint::ResolveColor(color)); }

// White paper where no text was drawn, whatever alpha the renderer left.
bool IsPaper(uint32_t coverage) { return coverage == 0x00FFFFFF || coverage == 0xFFFFFFFF; }

uint32_t MergeKeepingAlpha(uint32_t pixel, uint32_t coverage, uint32_t color) {
  const int h = (px::Red(coverage) + px::Green(coverage) + px::Blue(coverage)) / 3;
  const int alpha = std::max(px::Alpha(pixel), 255 - h);
  uint32_t out = static_cast<uint32_t>(alpha) << px::kAlpha;
  for (int shift : kChannels) {
    const int ch = px::Channel(pixel, shift);
    const int cc = px::Channel(color, shift);
    out |= static_cast<uint32_t>((((ch - cc) * h + cc * 256) * alpha) >> 16) << shift;
  }
  return out;
}

uint32_t MergeOpaque(uint32_t pixel, uint32_t coverage, uint32_t color) {
  uint32_t out = 0xFFu << px::kAlpha;
  for (int shift : kChannels) {
    const int t = px::Channel(coverage, shift);
    out |= static_cast<uint32_t>(px::Weigh256(px::Channel(pixel, shift), px::Channel(color, shift), t)) << shift;
  }
  return out;
}

uint32_t MergeGlow(uint32_t pixel, int m, uint32_t color) {
  const int u = 255 - m;
  const int a = px::Alpha(pixel);
  uint32_t out = static_cast<uint32_t>(a + ((255 - a) * u >> 8)) << px::kAlpha;
  for (int shift : kChannels) {
    out |= static_cast<uint32_t>((u * px::Channel(color, shift) + m * px::Channel(pixel, shift)) >> 8) << shift;
  }
  return out;
}

}  // namespace

void MergeTextCoverage(paint::TBitmap32& dst, const paint::TBitmap32& coverage, const paint::TRect& target,
                       bool keepAlpha, paint::TColor color) {
  // The coverage picture lies at target's corner; only where it, target and
  // dst overlap is anything merged.
  const paint::TRect placed = paint::MakeRect(target.Left, target.Top, std::min(coverage.Width(), target.Width()),
                                              std::min(coverage.Height(), target.Height()));
  const paint::TRect area = paint::Intersect(placed, dst.Bounds());
  if (area.IsEmpty()) return;
  const uint32_t cc = ColorChannels(color);
  for (int32_t y = area.Top; y < area.Bottom; ++y) {
    uint32_t* row = dst.Row(y);
    const uint32_t* cover = coverage.Row(y - target.Top);
    for (int32_t x = area.Left; x < area.Right; ++x) {
      const uint32_t t = cover[x - target.Left];
      if (IsPaper(t)) continue;
      row[x] = keepAlpha ? MergeKeepingAlpha(row[x], t, cc) : MergeOpaque(row[x], t, cc);
    }
  }
}

void MergeGlowMask(paint::TBitmap32& dst, TMask8View mask, paint::TPoint origin, paint::TColor color,
                   const paint::TRect& clip) {
  if (mask.Empty()) return;
  const paint::TRect placed = paint::MakeRect(origin.X, origin.Y, mask.Width, mask.Height);
  const paint::TRect area = paint::Intersect(paint::Intersect(placed, clip), dst.Bounds());
  if (area.IsEmpty()) return;
  const uint32_t cc = ColorChannels(color);
  for (int32_t y = area.Top; y < area.Bottom; ++y) {
    uint32_t* row = dst.Row(y);
    const uint8_t* samples = mask.Row(y - origin.Y);
    for (int32_t x = area.Left; x < area.Right; ++x) {
      const int m = samples[x - origin.X];
      if (m != 255) row[x] = MergeGlow(row[x], m, cc);
    }
  }
}

void MergeGlowMask(paint::TBitmap32& dst, TMask8View mask, paint::TPoint origin, paint::TColor color) {
  MergeGlowMask(dst, mask, origin, color, dst.Bounds());
}

}  // namespace vorlan::skin
