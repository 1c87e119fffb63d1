#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "skin/controls/text/skin_text_draw.h"
#include "skin/controls/widgets/skin_button_layout.h"
#include "skin_button_fixture.h"

namespace vorlan::skin::test {
namespace {

using ButtonPaint = ButtonFixture;

std::uint32_t Rgb(std::uint32_t pixel) { return pixel & 0x00FFFFFFu; }

TEST_F(ButtonPaint, ADisabledButtonKeepsFortyPercentOverThePanelBehindIt) {
  TSkinButton& b = MakeButton(40, 24, u"");
  Show();
  SetFocus(panel->Handle());
  const paint::TBitmap32& enabled = Picture();
  ASSERT_EQ(Rgb(enabled.Pixel(20, 12)), Rgb(Opaque(kStateColor[0])));

  b.SetEnabled(false);
  const paint::TBitmap32& picture = Picture();
  ASSERT_TRUE(panel->Data().CacheValid());
  const paint::TBitmap32& behind = panel->Cache();
  bool panelVaries = false;
  for (const POINT at : {POINT{0, 0}, POINT{5, 3}, POINT{20, 12}, POINT{39, 23}, POINT{17, 9}}) {
    SCOPED_TRACE(testing::Message() << "at " << at.x << "," << at.y);
    const std::uint32_t p = behind.Pixel(b.Left() + at.x, b.Top() + at.y);
    const std::uint32_t own = Opaque(kStateColor[0]);
    panelVaries |= Rgb(p) != Rgb(behind.Pixel(b.Left(), b.Top()));
    for (int shift = 0; shift < 24; shift += 8) {
      const int s = static_cast<int>(p >> shift & 0xFF);
      const int d = static_cast<int>(own >> shift & 0xFF);
      const int expected = static_cast<int>(s - (s - d) * 0.4);
      EXPECT_EQ(static_cast<int>(picture.Pixel(at.x, at.y) >> shift & 0xFF), expected) << "channel shift " << shift;
    }
  }
  EXPECT_TRUE(panelVaries) << "the blend must follow the panel pixel by pixel, not one colour";
}

TEST_F(ButtonPaint, HotPressedAndFocusedPicturesFollowTheSectionStates) {
  TSkinButton& b = MakeButton(120, 33, u"Go");
  Show();
  const auto face = [&] { return Rgb(Picture().Pixel(3, 3)); };
  const auto ink = [&](TColor font) {
    const paint::TBitmap32& p = Picture();
    int count = 0;
    for (int y = 0; y < p.Height(); ++y)
      for (int x = 0; x < p.Width(); ++x) count += Rgb(p.Pixel(x, y)) == Rgb(Opaque(font));
    return count;
  };
  SetFocus(panel->Handle());
  ASSERT_NE(GetFocus(), b.Handle());
  EXPECT_EQ(b.CurrentState(), kButtonNormal);
  EXPECT_EQ(face(), Rgb(Opaque(kStateColor[0])));
  EXPECT_GT(ink(kFontColor[0]), 0) << "the caption in the normal font colour";

  MoveMouse(b, 10, 10);
  EXPECT_EQ(b.CurrentState(), kButtonHot);
  EXPECT_EQ(face(), Rgb(Opaque(kStateColor[1])));
  EXPECT_GT(ink(kFontColor[1]), 0);
  EXPECT_EQ(ink(kFontColor[2]), 0) << "no focus mark without the focus";

  Press(10, 10);
  EXPECT_EQ(b.CurrentState(), kButtonPressed);
  EXPECT_EQ(face(), Rgb(Opaque(kStateColor[2])));
  Release(10, 10);

  // Focused and the mouse gone: the hot look stays, with the dotted mark
  // around the caption in the third state's font colour.
  MoveMouse(*panel, 200, 90);
  ASSERT_EQ(GetFocus(), b.Handle());
  EXPECT_FALSE(b.SkinData().FMouseAbove);
  EXPECT_EQ(b.CurrentState(), kButtonHot);
  const paint::TBitmap32& focused = Picture();
  EXPECT_EQ(Rgb(focused.Pixel(3, 3)), Rgb(Opaque(kStateColor[1])));
  const RECT mark = FocusMarkRect(b.CaptionRect(), b.FocusMargin(), b.Height());
  const std::uint32_t dot = Rgb(Opaque(kFontColor[2]));
  for (int x = mark.left; x < mark.right; ++x) {
    const bool odd = (x - mark.left) % 2 == 1;
    EXPECT_EQ(Rgb(focused.Pixel(x, mark.top)) == dot, odd) << "top edge x " << x;
    EXPECT_EQ(Rgb(focused.Pixel(x, mark.bottom - 1)) == dot, odd) << "bottom edge x " << x;
  }
  for (int y = mark.top + 1; y < mark.bottom - 1; ++y) {
    const bool odd = (y - mark.top) % 2 == 1;
    EXPECT_EQ(Rgb(focused.Pixel(mark.left, y)) == dot, odd) << "left edge y " << y;
    EXPECT_EQ(Rgb(focused.Pixel(mark.right - 1, y)) == dot, odd) << "right edge y " << y;
  }

  b.SetShowFocus(false);
  EXPECT_EQ(ink(kFontColor[2]), 0) << "ShowFocus off hides the mark";
}

TEST_F(ButtonPaint, AWrappedCaptionIsCentredAsOneBlock) {
  const std::u16string caption = u"Find it by the film number quickly";
  TSkinButton& b = MakeButton(90, 60, caption);
  Show();
  SetFocus(panel->Handle());
  const SIZE oneLine = MeasureText(b.Font().Handle(), caption, DT_SINGLELINE, 1000, false);
  const SIZE measured = b.TextRectSize();
  ASSERT_LE(measured.cx, 90 - 2 * b.ContentMargin()) << "measured inside the content margins";
  ASSERT_GE(measured.cy, 2 * oneLine.cy) << "the caption wraps";

  const RECT r = b.CaptionRect();

  EXPECT_EQ(r.top, (60 - measured.cy) / 2);
  EXPECT_EQ(r.bottom, 60 - r.top);
  EXPECT_EQ(r.left, (90 - measured.cx) / 2 - 1);
  EXPECT_EQ(r.right - r.left, measured.cx + 2);

  // The ink of every line stays inside the block, and the block sits in the
  // middle both ways.
  const paint::TBitmap32& p = Picture();
  const std::uint32_t face = Rgb(Opaque(kStateColor[0]));
  int top = p.Height(), bottom = -1, left = p.Width(), right = -1;
  for (int y = 0; y < p.Height(); ++y) {
    for (int x = 0; x < p.Width(); ++x) {
      if (Rgb(p.Pixel(x, y)) == face) continue;
      top = std::min(top, y), bottom = std::max(bottom, y);
      left = std::min(left, x), right = std::max(right, x);
    }
  }
  ASSERT_GE(bottom, 0) << "some text was drawn";

  EXPECT_GE(top, r.top);
  EXPECT_LT(bottom, r.bottom);
  EXPECT_GT(bottom - top + 1, oneLine.cy) << "more than one line of ink";
  EXPECT_LE(std::abs(top - (p.Height() - 1 - bottom)), oneLine.cy / 2 + 1) << "vertically centred";
  EXPECT_LE(std::abs(left - (p.Width() - 1 - right)), 3) << "horizontally centred";
}

TEST_F(ButtonPaint, TheWindowRegionLeavesOutTheKeyPixelsOfTheStatesCorners) {
  // Two frames of 16 × 16 with 4-pixel borders; frame 0 has three key pixels
  // at its top-left and one at its bottom-right, frame 1 only one top-left.
  const std::int32_t image = skin.Border(buttonSection, paint::MakeRect(32, 0, 32, 16), 4);
  skin.manager.Skin.ma[static_cast<std::size_t>(image)].ImageCount = 2;
  skin.manager.Skin.ma[static_cast<std::size_t>(image)].CornerType = 2;
  for (const POINT key : {POINT{32, 0}, POINT{33, 0}, POINT{32, 1}, POINT{47, 15}, POINT{48, 0}}) {
    skin.Master().Row(key.y)[key.x] = paint::kKeyPixel;
  }
  TSkinButton& b = MakeButton(60, 30, u"");
  Show();
  SetFocus(panel->Handle());
  const auto inRegion = [&](int x, int y) {
    UpdateWindow(b.Handle());
    const platform::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(b.Handle(), region.get()) == ERROR) return true;
    return PtInRegion(region.get(), x, y) != FALSE;
  };
  struct Row {
    int x, y;
    bool normal, hot;
    const char* why;
  } const rows[] = {
      {0, 0, false, false, "key in both frames"},
      {1, 0, false, true, "key in frame 0 only"},
      {0, 1, false, true, "key in frame 0 only"},
      {1, 1, true, true, "no key"},
      {59, 29, false, true, "bottom-right key of frame 0"},
      {58, 29, true, true, "beside it"},
      {30, 15, true, true, "the middle"},
  };
  for (const Row& row : rows) EXPECT_EQ(inRegion(row.x, row.y), row.normal) << "normal: " << row.why;
  b.SetFocus();
  ASSERT_EQ(b.CurrentState(), kButtonHot);
  for (const Row& row : rows) EXPECT_EQ(inRegion(row.x, row.y), row.hot) << "hot: " << row.why;

  // Shrinking the button moves the bottom-right hole with the corner.
  SetFocus(panel->Handle());
  b.SetBounds(9, 20, 50, 24);
  EXPECT_FALSE(inRegion(49, 23));
  EXPECT_TRUE(inRegion(58 - 10, 23));

  // Without the skin the button is whole again.
  SendMessageW(b.Handle(), SM_ALPHACMD, MakeSkinWParam(scRemoveSkin), reinterpret_cast<LPARAM>(&skin.manager));
  EXPECT_FALSE(b.SkinData().Skinned());
  EXPECT_TRUE(inRegion(0, 0));
  EXPECT_TRUE(inRegion(49, 23));
}

TEST(ButtonLayout, PaintedStatesAndTheFocusMarkGeometry) {
  struct Row {
    std::int32_t state, states, painted;
    const char* why;
  } const rows[] = {
      {0, 3, 0, "normal"},         {2, 3, 2, "pressed"},        {2, 2, 1, "limited to the states"},
      {3, 3, 1, "default as hot"}, {3, 4, 3, "a fourth state"}, {1, 1, 0, "one state only"},
  };
  for (const Row& row : rows) EXPECT_EQ(PaintedButtonState(row.state, row.states), row.painted) << row.why;

  const RECT caption = ButtonCaptionRect(SIZE{101, 13}, 248, 33);
  EXPECT_EQ(caption.left, 72) << "(248 - 101) / 2 - 1, truncated";
  EXPECT_EQ(caption.right, 175);
  EXPECT_EQ(caption.top, 10);
  EXPECT_EQ(caption.bottom, 23);
  const RECT mark = FocusMarkRect(caption, 1, 33);
  EXPECT_EQ(mark.left, 70);
  EXPECT_EQ(mark.right, 177);
  EXPECT_EQ(mark.top, 9);
  EXPECT_EQ(mark.bottom, 24);
  const RECT tall = FocusMarkRect(ButtonCaptionRect(SIZE{50, 30}, 100, 30), 1, 30);
  EXPECT_EQ(tall.top, 3) << "kept 3 pixels from the top";
  EXPECT_EQ(tall.bottom, 27) << "and from the bottom";
}

}  // namespace
}  // namespace vorlan::skin::test
