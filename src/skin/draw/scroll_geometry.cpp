#include "skin/draw/scroll_geometry.h"

#include <algorithm>

namespace vorlan::skin {
namespace {

using paint::TRect;

// a * b / c rounded half away from zero, in 64 bits; c > 0.
std::int64_t MulDivRound(std::int64_t a, std::int64_t b, std::int64_t c) {
  const std::int64_t p = a * b;
  return p >= 0 ? (p + c / 2) / c : -((-p + c / 2) / c);
}

std::int32_t Length(const TRect& r, bool vertical) { return vertical ? r.Height() : r.Width(); }
std::int32_t Start(const TRect& r, bool vertical) { return vertical ? r.Top : r.Left; }

// The piece [from, to) of r along the bar.
TRect Piece(const TRect& r, bool vertical, std::int32_t from, std::int32_t to) {
  return vertical ? TRect{r.Left, from, r.Right, to} : TRect{from, r.Top, to, r.Bottom};
}

bool Contains(const TRect& r, paint::TPoint p) {
  return !r.IsEmpty() && p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

std::int64_t Travel(const TScrollRange& range) {
  return static_cast<std::int64_t>(LastScrollPosition(range)) - range.Min;
}

}  // namespace

std::int32_t LastScrollPosition(const TScrollRange& range) {
  const std::int64_t page = std::max<std::int64_t>(range.Page, 1);
  const std::int64_t last = static_cast<std::int64_t>(range.Max) - page + 1;
  return last <= range.Min ? range.Min : static_cast<std::int32_t>(last);
}

TScrollBarLayout LayoutScrollBar(const TRect& bar, bool vertical, std::int32_t buttonSize, const TScrollRange& range,
                                 std::int32_t position) {
  TScrollBarLayout layout;
  layout.Vertical = vertical;
  const std::int32_t length = std::max(0, Length(bar, vertical));
  const std::int32_t start = Start(bar, vertical);
  const std::int32_t button = std::clamp(buttonSize, 0, length / 2);
  layout.Arrow1 = Piece(bar, vertical, start, start + button);
  layout.Arrow2 = Piece(bar, vertical, start + length - button, start + length);
  layout.Track = Piece(bar, vertical, start + button, start + length - button);
  const std::int32_t track = length - 2 * button;
  const std::int64_t travel = Travel(range);
  if (travel <= 0 || track < kMinThumbLength) return layout;
  const std::int64_t span = static_cast<std::int64_t>(range.Max) - range.Min + 1;
  // Without a page the thumb is as long as the bar is thick.
  const std::int32_t thickness = vertical ? bar.Width() : bar.Height();
  std::int64_t thumb = range.Page == 0 ? thickness : MulDivRound(track, range.Page, span);
  thumb = std::max<std::int64_t>(thumb, kMinThumbLength);
  if (thumb >= track) return layout;
  const std::int64_t pos = std::clamp<std::int64_t>(position, range.Min, LastScrollPosition(range)) - range.Min;
  const auto offset = static_cast<std::int32_t>(MulDivRound(pos, track - thumb, travel));
  const std::int32_t from = start + button + offset;
  layout.Thumb = Piece(bar, vertical, from, from + static_cast<std::int32_t>(thumb));
  return layout;
}

TScrollPart ScrollPartAt(const TScrollBarLayout& layout, paint::TPoint point) {
  if (Contains(layout.Arrow1, point)) return TScrollPart::Arrow1;
  if (Contains(layout.Arrow2, point)) return TScrollPart::Arrow2;
  if (!Contains(layout.Track, point)) return TScrollPart::None;
  if (layout.Thumb.IsEmpty()) return TScrollPart::None;  // nothing to page through
  const std::int32_t at = layout.Vertical ? point.Y : point.X;
  if (at < Start(layout.Thumb, layout.Vertical)) return TScrollPart::Page1;
  if (at >= Start(layout.Thumb, layout.Vertical) + Length(layout.Thumb, layout.Vertical)) return TScrollPart::Page2;
  return TScrollPart::Thumb;
}

std::int32_t ScrollPositionAt(const TScrollBarLayout& layout, const TScrollRange& range, std::int32_t offset) {
  const std::int64_t travel = Travel(range);
  const std::int32_t free = Length(layout.Track, layout.Vertical) - Length(layout.Thumb, layout.Vertical);
  if (travel <= 0 || layout.Thumb.IsEmpty() || free <= 0) return range.Min;
  const std::int64_t pos = MulDivRound(std::clamp(offset, 0, free), travel, free);
  return static_cast<std::int32_t>(range.Min + pos);
}

}  // namespace vorlan::skin
