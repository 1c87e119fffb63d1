#include "images.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "palette.h"

namespace skingen {

namespace pal = palette;

Image24 DrawButtonHuge() {
  Image24 img(192, 128);
  const Rgb tops[3] = {pal::kButtonTop, pal::kAccent, pal::kAccentDark};
  const Rgb bottoms[3] = {pal::kButton, pal::kAccentDark, pal::kAccentDeep};
  const Rgb edges[3] = {pal::kBorderDark, pal::kAccentDeep, pal::kAccentDeep};
  for (int f = 0; f < 3; ++f) {
    Canvas c(64, 64);
    c.Shadow(RoundRect(3, 4, 61, 62, 12), 3, {0, 0, 0}, 0.18);
    c.Fill(RoundRect(2.5, 2.5, 61.5, 60.5, 12), Solid(edges[f]));
    c.Fill(RoundRect(3.5, 3.5, 60.5, 59.5, 11), VerticalGradient(4, tops[f], 60, bottoms[f]));
    // A soft sheen on the upper half.
    c.Fill(RoundRect(5, 5, 59, 30, 9), Solid(pal::kWhite, f == 0 ? 0.35 : 0.15));
    img.PutMasked(c, f * 64, 0, 64);
  }
  return img;
}

Image24 DrawNet() {
  Image24 img(188, 830, pal::kPanel);
  Canvas c(188, 830);
  const double step = 23.5;
  for (double d = -830; d < 188 + 830; d += step) {
    c.Fill(Segment(d, 0, d + 830, 830, 0.45), Solid(pal::kBorder, 0.45));
    c.Fill(Segment(d, 830, d + 830, 0, 0.45), Solid(pal::kBorder, 0.45));
  }
  img.PutKeyed(c, 0, 0, pal::kPanel);
  return img;
}

Canvas DrawExtBorder() {
  const int fw = 727, fh = 283, inset = 22;
  Canvas c(fw * 2, fh);
  for (int f = 0; f < 2; ++f) {
    Canvas frame(fw, fh);
    const double opacity = f == 0 ? 0.22 : 0.38;  // inactive, then active
    const Shape window = RoundRect(inset + 2, inset + 4, fw - inset - 2, fh - inset + 2, 6);
    frame.Shadow(window, inset, {0, 0, 0}, opacity);
    // The window itself covers the middle; keep it clear.
    const Shape inside = RoundRect(inset, inset, fw - inset, fh - inset, 0);
    for (int y = 0; y < fh; ++y) {
      for (int x = 0; x < fw; ++x) {
        Pixel p = frame.At(x, y);
        if (inside(x + 0.5, y + 0.5) < 0) p = {};
        if (p.a > 0) {
          // A little ordered noise keeps the wide fade free of bands.
          const std::uint32_t h =
              (static_cast<std::uint32_t>(x) * 73856093u) ^ (static_cast<std::uint32_t>(y) * 19349663u);
          const float a = std::clamp(p.a + ((h % 1024) / 1023.f - 0.5f) * 2.5f / 255.f, 0.f, 1.f);
          p = {0, 0, 0, a};
        }
        c.At(f * fw + x, y) = p;
      }
    }
  }
  return c;
}

Canvas DrawGlowEdit() {
  Canvas c(22, 22);
  const Shape control = RoundRect(7, 7, 15, 15, 1);
  for (int y = 0; y < 22; ++y) {
    for (int x = 0; x < 22; ++x) {
      const double d = control(x + 0.5, y + 0.5);
      if (d <= 0) continue;
      const double t = std::max(0.0, 1.0 - d / 7.0);
      const float a = static_cast<float>(0.55 * t * t);
      c.At(x, y) = {pal::kAccent.r / 255.f * a, pal::kAccent.g / 255.f * a, pal::kAccent.b / 255.f * a, a};
    }
  }
  return c;
}

}  // namespace skingen
