#pragma once

#include <cstdint>

#include "paint/geometry.h"

// Where the parts of a skinned scroll bar lie, and which position a dragged
// thumb stands for. Ranges follow the platform's scroll information: the
// last position a page still fits is Max - max(Page, 1) + 1.
namespace vorlan::skin {

struct TScrollRange {
  std::int32_t Min = 0;
  std::int32_t Max = 0;
  std::uint32_t Page = 0;
};

// The last position; Min when the range is empty or inverted.
std::int32_t LastScrollPosition(const TScrollRange& range);

enum class TScrollPart { None, Arrow1, Page1, Thumb, Page2, Arrow2 };

struct TScrollBarLayout {
  bool Vertical = true;
  paint::TRect Arrow1;  // left or top
  paint::TRect Track;   // between the arrows
  paint::TRect Thumb;   // empty when there is no thumb
  paint::TRect Arrow2;  // right or bottom
};

// The thinnest thumb drawn.
inline constexpr std::int32_t kMinThumbLength = 8;

// The parts of a bar over `bar` with arrows of `buttonSize` (halved to fit a
// short bar) and the thumb at `position` (clamped into the range). No thumb
// when the range has no travel, the page covers it, or the track is too
// short for one.
TScrollBarLayout LayoutScrollBar(const paint::TRect& bar, bool vertical, std::int32_t buttonSize,
                                 const TScrollRange& range, std::int32_t position);

TScrollPart ScrollPartAt(const TScrollBarLayout& layout, paint::TPoint point);

// The position a thumb whose leading edge lies `offset` pixels into the
// track stands for (rounded, clamped into the range).
std::int32_t ScrollPositionAt(const TScrollBarLayout& layout, const TScrollRange& range, std::int32_t offset);

}  // namespace vorlan::skin
