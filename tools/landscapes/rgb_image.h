#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace landscapes {

struct Rgb {
  double r = 0, g = 0, b = 0;  // 0..255
};

inline Rgb Mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

inline Rgb Scale(Rgb c, double f) { return {c.r * f, c.g * f, c.b * f}; }

// Rows of R, G, B bytes, top row first: what libjpeg takes.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;

  RgbImage(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h) {}
  Rgb& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
  const Rgb& at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  std::vector<std::uint8_t> Bytes() const;
};

}  // namespace landscapes
