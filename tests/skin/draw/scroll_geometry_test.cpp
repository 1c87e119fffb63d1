// Scroll-bar parts and the thumb's position, as the skinned bars use them.
#include "skin/draw/scroll_geometry.h"

#include <gtest/gtest.h>

namespace vorlan::skin {
namespace {

using paint::TRect;

// A vertical bar 17 wide, 200 high, arrows of 17: a track of 166.
const TRect kBar{100, 10, 117, 210};

TEST(ScrollGeometry, PartsAndThumbAtTheEnds) {
  const TScrollRange range{0, 99, 20};  // 100 lines, 20 shown: last position 80
  EXPECT_EQ(LastScrollPosition(range), 80);
  const TScrollBarLayout top = LayoutScrollBar(kBar, true, 17, range, 0);
  EXPECT_EQ(top.Arrow1, (TRect{100, 10, 117, 27}));
  EXPECT_EQ(top.Arrow2, (TRect{100, 193, 117, 210}));
  EXPECT_EQ(top.Track, (TRect{100, 27, 117, 193}));
  EXPECT_EQ(top.Thumb.Top, 27) << "the first position puts the thumb at the track's start";
  EXPECT_EQ(top.Thumb.Height(), 33) << "the page's share of the track: 166 * 20 / 100, rounded";
  const TScrollBarLayout bottom = LayoutScrollBar(kBar, true, 17, range, 80);
  EXPECT_EQ(bottom.Thumb.Bottom, 193) << "the last position puts it flush with the track's end";
  EXPECT_EQ(LayoutScrollBar(kBar, true, 17, range, 500).Thumb, bottom.Thumb) << "positions are clamped";
  EXPECT_EQ(LayoutScrollBar(kBar, true, 17, range, -5).Thumb, top.Thumb);

  struct Row {
    paint::TPoint at;
    TScrollPart part;
    const char* why;
  };
  const Row rows[] = {
      {{100, 10}, TScrollPart::Arrow1, "first pixel"},
      {{116, 26}, TScrollPart::Arrow1, "last pixel of the upper arrow"},
      {{108, 27}, TScrollPart::Thumb, "the thumb's first pixel"},
      {{108, 59}, TScrollPart::Thumb, "the thumb's last pixel"},
      {{108, 60}, TScrollPart::Page2, "just below the thumb"},
      {{108, 192}, TScrollPart::Page2, "the track's last pixel"},
      {{108, 193}, TScrollPart::Arrow2, "the lower arrow's first pixel"},
      {{108, 210}, TScrollPart::None, "below the bar (exclusive bottom)"},
      {{117, 100}, TScrollPart::None, "right of the bar"},
  };
  for (const Row& row : rows) EXPECT_EQ(ScrollPartAt(top, row.at), row.part) << row.why;
  EXPECT_EQ(ScrollPartAt(bottom, {108, 150}), TScrollPart::Page1) << "above a thumb at the end";
}

TEST(ScrollGeometry, EveryPositionSurvivesTheWayToTheThumbAndBack) {
  // A track with more pixels than positions: dragging can reach each one.
  for (const TScrollRange range : {TScrollRange{0, 99, 20}, TScrollRange{-30, 70, 1}, TScrollRange{5, 60, 0}}) {
    for (std::int32_t pos = range.Min; pos <= LastScrollPosition(range); ++pos) {
      const TScrollBarLayout layout = LayoutScrollBar(kBar, true, 17, range, pos);
      ASSERT_FALSE(layout.Thumb.IsEmpty());
      EXPECT_EQ(ScrollPositionAt(layout, range, layout.Thumb.Top - layout.Track.Top), pos)
          << "range " << range.Min << ".." << range.Max << " page " << range.Page;
    }
  }
  const TScrollRange range{0, 99, 20};
  const TScrollBarLayout layout = LayoutScrollBar(kBar, true, 17, range, 0);
  EXPECT_EQ(ScrollPositionAt(layout, range, -40), 0) << "dragged above the track";
  EXPECT_EQ(ScrollPositionAt(layout, range, 1000), 80) << "dragged below it";
}

TEST(ScrollGeometry, BarsWithoutAThumb) {
  struct Row {
    TRect bar;
    bool vertical;
    TScrollRange range;
    const char* why;
  };
  const Row rows[] = {
      {kBar, true, {0, 9, 10}, "the page shows everything"},
      {kBar, true, {0, 0, 0}, "an empty range"},
      {kBar, true, {10, 5, 0}, "an inverted range"},
      {TRect{0, 0, 40, 17}, false, {0, 99, 10}, "a horizontal bar too short for a thumb beside its arrows"},
  };
  for (const Row& row : rows) {
    const TScrollBarLayout layout = LayoutScrollBar(row.bar, row.vertical, 17, row.range, 3);
    EXPECT_TRUE(layout.Thumb.IsEmpty()) << row.why;
    EXPECT_EQ(ScrollPartAt(layout, {layout.Track.Left + 1, layout.Track.Top + 1}), TScrollPart::None) << row.why;
    EXPECT_EQ(ScrollPositionAt(layout, row.range, 5), row.range.Min) << row.why;
  }
  const TScrollBarLayout shortBar = LayoutScrollBar(TRect{0, 0, 20, 17}, false, 17, {0, 99, 10}, 0);
  EXPECT_EQ(shortBar.Arrow1, (TRect{0, 0, 10, 17})) << "arrows share a bar shorter than both";
  EXPECT_EQ(shortBar.Arrow2, (TRect{10, 0, 20, 17}));
  const TScrollBarLayout wide = LayoutScrollBar(TRect{0, 0, 300, 17}, false, 17, {0, 10000, 1}, 0);
  EXPECT_EQ(wide.Thumb.Width(), kMinThumbLength) << "a tiny page still gets a thumb that can be grabbed";
}

}  // namespace
}  // namespace vorlan::skin
