#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

// Exact integer helpers shared by every pixel kernel. Pixel words are
// 0xAARRGGBB (bytes B, G, R, A in memory); channel shifts are 0 (B), 8 (G),
// 16 (R) and 24 (A).
namespace vorlan::paint::px {

inline constexpr int kBlue = 0;
inline constexpr int kGreen = 8;
inline constexpr int kRed = 16;
inline constexpr int kAlpha = 24;

constexpr int Channel(uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }
constexpr int Blue(uint32_t p) { return Channel(p, kBlue); }
constexpr int Green(uint32_t p) { return Channel(p, kGreen); }
constexpr int Red(uint32_t p) { return Channel(p, kRed); }
constexpr int Alpha(uint32_t p) { return Channel(p, kAlpha); }

constexpr uint32_t Pack(int b, int g, int r, int a) {
  return static_cast<uint32_t>(b) | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(r) << 16 |
         static_cast<uint32_t>(a) << 24;
}
constexpr uint32_t WithAlpha(uint32_t pixel, int alpha) {
  return (pixel & 0x00FFFFFF) | static_cast<uint32_t>(alpha) << 24;
}

constexpr int ClampByte(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }
constexpr int ClampByte(int64_t v) { return v < 0 ? 0 : (v > 255 ? 255 : static_cast<int>(v)); }

// ((a − b) × w + b × 256) >> 8: a weighted by w/256, b by (256 − w)/256.
// For bytes a, b and w in 0..255 the value is never negative and fits a byte.
constexpr int Weigh256(int a, int b, int w) { return ((a - b) * w + b * 256) >> 8; }

// The same blend applied to B, G and R of two pixels; A comes from `keep`.
constexpr uint32_t Weigh256Rgb(uint32_t a, uint32_t b, int w, uint32_t keep) {
  return Pack(Weigh256(Blue(a), Blue(b), w), Weigh256(Green(a), Green(b), w), Weigh256(Red(a), Red(b), w), Alpha(keep));
}

// Rounding to the nearest integer, halves to the even neighbour, whatever
// the floating-point environment says.
inline int64_t RoundHalfEven(double v) {
  const double floor = std::floor(v);
  const double diff = v - floor;
  auto result = static_cast<int64_t>(floor);
  if (diff > 0.5 || (diff == 0.5 && (result & 1) != 0)) ++result;
  return result;
}

// Truncation toward zero of a real channel value, kept in 0..255.
inline int TruncByte(double v) {
  if (!(v > 0)) return 0;
  return v >= 255 ? 255 : static_cast<int>(v);
}

}  // namespace vorlan::paint::px
