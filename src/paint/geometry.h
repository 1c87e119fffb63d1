#pragma once

#include <algorithm>
#include <cstdint>

// Points, sizes and rectangles of the painting engine. Rectangles are Left,
// Top, Right, Bottom with Right and Bottom exclusive unless a routine says
// otherwise.
namespace vorlan::paint {

struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int32_t Width = 0;
  int32_t Height = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;

  constexpr int32_t Width() const { return Right - Left; }
  constexpr int32_t Height() const { return Bottom - Top; }
  constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

constexpr TRect MakeRect(int32_t x, int32_t y, int32_t width, int32_t height) { return {x, y, x + width, y + height}; }

constexpr TRect Intersect(const TRect& a, const TRect& b) {
  return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
}

}  // namespace vorlan::paint
