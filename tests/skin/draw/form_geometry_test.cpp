#include <gtest/gtest.h>

#include "skin/draw/draw_test_support.h"
#include "skin/draw/form_geometry.h"
#include "skin/draw/form_region.h"

namespace vorlan::skin {
namespace {

using paint::TRect;

TFrameMetrics Metrics() { return TFrameMetrics{8, 3, 22, 17}; }

TEST(FrameGeometry, FollowsTheStyleAndTheMetrics) {
  struct Row {
    TFrameStyle style;
    int w, h, cw, ch;
    int b, captionHeight, header, offsetX, offsetY;
    const char* why;
  };
  const Row rows[] = {
      {{}, 282, 280, 266, 242, 8, 22, 30, 8, 30, "the program's window: sizing frame and caption"},
      {{true, true, false, true}, 200, 150, 194, 122, 3, 22, 25, 3, 25, "a fixed thin border takes the dialog frame"},
      {{true, true, true, false, true}, 200, 150, 184, 117, 8, 17, 25, 8, 25, "a tool window has the small caption"},
      {{false, false, false, false}, 100, 50, 100, 50, 0, 0, 0, 0, 0, "a borderless window has no frame"},
      {{false, true, false, true}, 106, 56, 100, 50, 3, 0, 3, 3, 3, "border without caption: the top strip is B"},
      {{true, true, true}, 282, 280, 400, 400, 8, 22, 0, -59, -128, "a header never goes negative"},
  };
  for (const Row& r : rows) {
    const TFrameGeometry g = ComputeFrameGeometry(r.style, Metrics(), r.w, r.h, r.cw, r.ch);
    EXPECT_EQ(g.B, r.b) << r.why;
    EXPECT_EQ(g.CH, r.captionHeight) << r.why;
    EXPECT_EQ(g.HeaderHeight, r.header) << r.why;
    EXPECT_EQ(g.OffsetX, r.offsetX) << r.why;
    EXPECT_EQ(g.OffsetY, r.offsetY) << r.why;
  }
}

TEST(FrameGeometry, TheFourStripsCoverTheFrameAndLeaveTheClientAlone) {
  const TFrameGeometry g = ComputeFrameGeometry({}, Metrics(), 282, 280, 266, 242);
  const TFrameStrips s = FrameStrips(g);
  EXPECT_EQ(s.Top, (TRect{0, 0, 282, 30}));
  EXPECT_EQ(s.Left, (TRect{0, 30, 8, 280}));
  EXPECT_EQ(s.Bottom, (TRect{8, 272, 282, 280}));
  EXPECT_EQ(s.Right, (TRect{274, 30, 282, 280}));
  const TRect client = g.ClientRect(266, 242);
  EXPECT_EQ(client, (TRect{8, 30, 274, 272}));
  // Every pixel of the window lies in a strip or in the client, never both.
  for (int y = 0; y < 280; ++y)
    for (int x = 0; x < 282; ++x) {
      const auto in = [&](const TRect& r) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; };
      const bool frame = in(s.Top) || in(s.Left) || in(s.Bottom) || in(s.Right);
      ASSERT_NE(frame, in(client)) << "pixel " << x << "," << y;
    }
}

TTitleLayoutInput MainWindowTitle() {
  TTitleLayoutInput in;
  in.Frame = ComputeFrameGeometry({}, Metrics(), 282, 280, 266, 242);
  in.BILeft = 2;
  in.BIRight = 2;
  in.BISpace = -1;
  in.BIVAlign = 1;
  in.Close = TTitleButtonSpec{true, 35, 23, true};
  return in;
}

TEST(TitleLayout, PlacesIconCloseButtonAndCaptionOfTheProgramsWindow) {
  const TTitleLayout t = ComputeTitleLayout(MainWindowTitle());
  EXPECT_EQ(t.VCenter, 15);
  EXPECT_EQ(t.IconRect, (TRect{10, 7, 26, 23}));
  EXPECT_EQ(t.Close, (TRect{237, 0, 272, 23}));
  EXPECT_EQ(t.TitleBtnsWidth, 37);
  EXPECT_EQ(t.CaptionRect.Left, 30);
  EXPECT_EQ(t.CaptionRect.Right, 233);
  EXPECT_TRUE(t.Max.IsEmpty() && t.Min.IsEmpty() && t.Help.IsEmpty());
}

TEST(TitleLayout, ButtonsRunRightToLeftWithSpacingAlignmentAndHelpGap) {
  struct Row {
    void (*change)(TTitleLayoutInput&);
    TRect close, max, min, help;
    int width, captionLeft;
    const char* why;
  };
  const Row rows[] = {
      {[](TTitleLayoutInput& in) {
         in.Max = {true, 26, 23, true};
         in.Min = {true, 26, 23, true};
       },
       {237, 0, 272, 23},
       {212, 0, 238, 23},
       {187, 0, 213, 23},
       {},
       2 + 35 + 25 + 25,
       30,
       "BISPACE -1 overlaps the large buttons by one pixel"},
      {[](TTitleLayoutInput& in) {
         in.Help = {true, 20, 23, true};
       },
       {237, 0, 272, 23},
       {},
       {},
       {212, 0, 232, 23},
       2 + 35 + 19,
       30,
       "help keeps 6 pixels from the others"},
      {[](TTitleLayoutInput& in) { in.BIVAlign = 0; },
       {237, 4, 272, 27},
       {},
       {},
       {},
       37,
       30,
       "without BIVALIGN the buttons centre on VCenter"},
      {[](TTitleLayoutInput& in) {
         in.SmallButtons = true;
         in.Close = {true, 16, 14, false};
       },
       {254, 8, 270, 22},
       {},
       {},
       {},
       18,
       30,
       "small buttons: 2 pixels further left, centred, no spacing"},
      {[](TTitleLayoutInput& in) { in.IconShown = false; },
       {237, 0, 272, 23},
       {},
       {},
       {},
       37,
       14,
       "no icon: the caption starts after the margin"},
      {[](TTitleLayoutInput& in) { in.CaptionSection = true; },
       {237, 0, 272, 23},
       {},
       {},
       {},
       37,
       32,
       "a CAPTION section moves the text 2 pixels"},
  };
  for (const Row& r : rows) {
    TTitleLayoutInput in = MainWindowTitle();
    r.change(in);
    const TTitleLayout t = ComputeTitleLayout(in);
    EXPECT_EQ(t.Close, r.close) << r.why;
    EXPECT_EQ(t.Max, r.max) << r.why;
    EXPECT_EQ(t.Min, r.min) << r.why;
    EXPECT_EQ(t.Help, r.help) << r.why;
    EXPECT_EQ(t.TitleBtnsWidth, r.width) << r.why;
    EXPECT_EQ(t.CaptionRect.Left, r.captionLeft) << r.why;
  }
}

TEST(TitleLayout, IconSizeComesFromTheCaptionHeightUnlessGiven) {
  EXPECT_EQ(IconSizeForCaption(8), 1);
  EXPECT_EQ(IconSizeForCaption(9), 8);
  EXPECT_EQ(IconSizeForCaption(16), 8);
  EXPECT_EQ(IconSizeForCaption(17), 16);
  TTitleLayoutInput in = MainWindowTitle();
  in.IconWidth = 24;
  in.IconHeight = 20;
  const TTitleLayout t = ComputeTitleLayout(in);
  EXPECT_EQ(t.IconRect, (TRect{10, 5, 34, 25}));
  EXPECT_EQ(t.CaptionRect.Left, 8 + 24 + 2 + 4);
}

// A 9 × 6 border image with 3-pixel borders: the key colour in its corners
// becomes one-pixel-high cut-outs at the window's corners.
TEST(WindowRegion, KeyColouredCornerRunsAreCutOut) {
  test::SkinBuilder skin(16, 16, 0xFF808080u);
  constexpr std::uint32_t key = 0x00FF00FFu;
  skin.Put(0, 0, key);  // top-left: a run of two, then one on the next row
  skin.Put(1, 0, key);
  skin.Put(0, 1, key);
  skin.Put(8, 0, 0xFFFF00FFu);  // top-right corner (alpha does not matter)
  skin.Put(0, 5, key);          // bottom-left, last row
  skin.Put(7, 5, key);          // bottom-right, a run of two
  skin.Put(8, 5, key);
  skin.Put(4, 0, key);  // the top side is not a corner
  const std::int32_t form = skin.Section(u"FORM", 0);
  const std::int32_t border = skin.Border(TRect{0, 0, 9, 6}, 1, 0, 0, 3, 3, 3, 3);
  skin.At(form).BorderIndex = border;
  const std::vector<TRect> cut = CornerCutouts(skin.Skin(), border, -1, 100, 50);
  const std::vector<TRect> expected{
      {0, 0, 2, 1}, {99, 0, 100, 1}, {0, 1, 1, 2}, {0, 49, 1, 50}, {98, 49, 100, 50},
  };
  EXPECT_EQ(cut, expected);
  EXPECT_TRUE(CornerCutouts(skin.Skin(), -1, -1, 100, 50).empty()) << "no border image, no cut-outs";
}

}  // namespace
}  // namespace vorlan::skin
