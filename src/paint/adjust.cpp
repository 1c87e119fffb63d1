#include "paint/adjust.h"

#include <algorithm>
#include <cmath>

#include "paint/fills.h"
#include "paint/pixel_math.h"

namespace vorlan::paint {

uint32_t AdjustBrightness(uint32_t p, int d) {
  if (d == 0) return p;
  return px::Pack(px::ClampByte(px::Blue(p) + d), px::ClampByte(px::Green(p) + d), px::ClampByte(px::Red(p) + d),
                  px::Alpha(p));
}

uint32_t AdjustSaturation(uint32_t p, int a) {
  const int g = (px::Red(p) + px::Green(p) + px::Blue(p)) / 3;
  auto move = [a, g](int ch) { return px::ClampByte(ch - a * (g - ch) / 255); };
  return px::Pack(move(px::Blue(p)), move(px::Green(p)), move(px::Red(p)), px::Alpha(p));
}

uint32_t AdjustHue(uint32_t p, int deg) {
  const int r = px::Red(p), g = px::Green(p), b = px::Blue(p);
  const int v = std::max({r, g, b});
  const int delta = v - std::min({r, g, b});
  if (delta == 0) return p;
  double hue;
  if (r == v) {
    hue = 60.0 * (g - b) / delta;
  } else if (g == v) {
    hue = 120.0 + 60.0 * (b - r) / delta;
  } else {
    hue = 240.0 + 60.0 * (r - g) / delta;
  }
  if (hue < 0) hue += 360;
  int h = static_cast<int>(hue + deg) % 360;
  if (h < 0) h += 360;
  const double s = static_cast<double>(delta) / v;
  const int sector = h / 60;
  const double f = h / 60.0 - sector;
  const auto pv = static_cast<int>(v * (1 - s));
  const auto qv = static_cast<int>(v * (1 - s * f));
  const auto tv = static_cast<int>(v * (1 - s * (1 - f)));
  int nr, ng, nb;
  switch (sector) {
    case 0:
      nr = v, ng = tv, nb = pv;
      break;
    case 1:
      nr = qv, ng = v, nb = pv;
      break;
    case 2:
      nr = pv, ng = v, nb = tv;
      break;
    case 3:
      nr = pv, ng = qv, nb = v;
      break;
    case 4:
      nr = tv, ng = pv, nb = v;
      break;
    default:
      nr = v, ng = pv, nb = qv;
      break;
  }
  return px::Pack(px::ClampByte(nb), px::ClampByte(ng), px::ClampByte(nr), px::Alpha(p));
}

uint32_t ToneColor(uint32_t p, TColor tone) {
  const int v = std::max({px::Red(p), px::Green(p), px::Blue(p)});
  const uint32_t t = ColorToPixel(tone);
  return px::Pack(px::Blue(t) * v >> 8, px::Green(t) * v >> 8, px::Red(t) * v >> 8, px::Alpha(p));
}

uint32_t GreyColor(uint32_t p) {
  const int g = (px::Red(p) + px::Green(p) + px::Blue(p)) / 3;
  return px::Pack(g, g, g, px::Alpha(p));
}

uint32_t ApplyAdjustment(uint32_t p, const TAdjustment& a) {
  switch (a.Kind) {
    case TPixelAdjustment::Brightness:
      return AdjustBrightness(p, a.Value);
    case TPixelAdjustment::Saturation:
      return AdjustSaturation(p, a.Value);
    case TPixelAdjustment::Hue:
      return AdjustHue(p, a.Value);
    case TPixelAdjustment::Tone:
      return ToneColor(p, a.Value);
    case TPixelAdjustment::Grey:
      return GreyColor(p);
    case TPixelAdjustment::Opaque:
      break;
  }
  return OpaqueColor(p);
}

namespace {

template <typename Change>
void ForEachPixel(TBitmap32& bmp, Change change) {
  for (int32_t y = 0; y < bmp.Height(); ++y) {
    uint32_t* row = bmp.Row(y);
    for (int32_t x = 0; x < bmp.Width(); ++x) row[x] = change(row[x]);
  }
}

}  // namespace

void AdjustBitmap(TBitmap32& bmp, const TAdjustment& adjustment, TColor except) {
  const bool spare = except != kNoColor;
  const uint32_t spared = ColorToPixel(except);
  ForEachPixel(bmp, [&](uint32_t p) { return spare && p == spared ? p : ApplyAdjustment(p, adjustment); });
}

void GreyBitmap(TBitmap32& bmp, bool spareKey) {
  ForEachPixel(bmp, [spareKey](uint32_t p) { return spareKey && p == kKeyPixel ? p : GreyColor(p); });
}

void TintBitmap(TBitmap32& bmp, TColor colour, double k) {
  const uint32_t c = ColorToPixel(colour);
  auto tint = [k](int ch, int cc) { return px::TruncByte(k * (ch - cc) + cc); };
  ForEachPixel(bmp, [&](uint32_t p) {
    if (p == kKeyPixel) return p;
    return px::Pack(tint(px::Blue(p), px::Blue(c)), tint(px::Green(p), px::Green(c)), tint(px::Red(p), px::Red(c)),
                    px::Alpha(p));
  });
}

void PremultiplyRect(TBitmap32& bmp, const TRect& rect) {
  const TRect r = ClipToBitmap(rect, bmp);
  for (int32_t y = r.Top; y < r.Bottom; ++y) {
    uint32_t* row = bmp.Row(y);
    for (int32_t x = r.Left; x < r.Right; ++x) {
      const uint32_t p = row[x];
      const int a = px::Alpha(p);
      row[x] = p == kEmptyPixel ? 0 : px::Pack(px::Blue(p) * a >> 8, px::Green(p) * a >> 8, px::Red(p) * a >> 8, a);
    }
  }
}

void ClearEmptyPixels(TBitmap32& bmp) {
  ForEachPixel(bmp, [](uint32_t p) { return p == kEmptyPixel ? 0u : p; });
}

}  // namespace vorlan::paint
