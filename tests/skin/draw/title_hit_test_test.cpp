#include "skin/draw/title_hit_test.h"

#include <gtest/gtest.h>

namespace vorlan::skin {
namespace {

// The program's window: 282 × 280, 8-pixel frame, 22-pixel caption, icon
// 16 × 16 at (10, 7), close button 35 × 23 at (237, 0).
TTitleHitInput MainWindow() {
  TTitleHitInput in;
  in.Frame.B = 8;
  in.Frame.CH = 22;
  in.Frame.W = 282;
  in.Frame.H = 280;
  in.Buttons[0] = {true, paint::TRect{237, 0, 272, 23}};
  in.IconRect = paint::TRect{10, 7, 26, 23};
  return in;
}

TEST(TitleHitTest, EveryPartOfTheMainWindowsTitleAndFrame) {
  struct Row {
    paint::TPoint p;
    std::int32_t code;
    const char* why;
  };
  const Row rows[] = {
      {{237, 0}, kHtClose, "the close button's top-left pixel, inside the top border"},
      {{271, 22}, kHtClose, "its bottom-right pixel"},
      {{272, 10}, kHtCaption, "right of the button, inside the caption"},
      {{236, 10}, kHtCaption, "left of the button"},
      {{254, 23}, kHtCaption, "just below the button, still caption"},
      {{10, 7}, kHtTop, "the icon's top row lies in the sizing border, searched before the caption"},
      {{10, 8}, kHtSysMenu, "the icon's first row below the border"},
      {{25, 22}, kHtSysMenu, "the icon's bottom-right pixel"},
      {{26, 15}, kHtCaption, "right of the icon"},
      {{120, 12}, kHtCaption, "the caption text"},
      {{120, 30}, kHtCaption, "the caption band's last row, B + CH"},
      {{120, 31}, kHtClient, "the first row below the caption band"},
      {{120, 3}, kHtTop, "the top border"},
      {{120, 7}, kHtTop, "the top border's innermost row"},
      {{3, 3}, kHtTopLeft, "top-left corner"},
      {{278, 3}, kHtTopRight, "top-right corner (no button there)"},
      {{3, 100}, kHtLeft, "left border"},
      {{7, 100}, kHtLeft, "left border's innermost column"},
      {{8, 100}, kHtClient, "the client's first column"},
      {{274, 100}, kHtClient, "x = W - B is not yet the right border"},
      {{275, 100}, kHtRight, "right border"},
      {{3, 277}, kHtBottomLeft, "bottom-left corner"},
      {{278, 277}, kHtBottomRight, "bottom-right corner"},
      {{120, 273}, kHtBottom, "the bottom border starts below y = H - B"},
      {{120, 272}, kHtClient, "y = H - B is not yet the bottom border"},
  };
  const TTitleHitInput in = MainWindow();
  for (const Row& r : rows) EXPECT_EQ(TitleHitTest(in, r.p), r.code) << r.why;

  TTitleHitInput greyed = in;
  greyed.EnabledClose = false;
  EXPECT_EQ(TitleHitTest(greyed, {250, 10}), kHtCaption) << "a disabled close command is caption";
  TTitleHitInput maximized = in;
  maximized.Maximized = true;
  EXPECT_EQ(TitleHitTest(maximized, {120, 3}), kHtCaption) << "a maximized window has no sizing border";
}

TEST(TitleHitTest, AllBorderIconsSearchedInOrderWithTheirCommands) {
  TTitleHitInput in = MainWindow();
  in.Buttons[1] = {true, paint::TRect{203, 0, 238, 23}};  // overlaps close by one pixel (BISPACE -1)
  in.Buttons[2] = {true, paint::TRect{169, 0, 204, 23}};
  in.Buttons[3] = {true, paint::TRect{140, 0, 161, 21}};
  in.EnabledMax = true;
  in.EnabledMin = true;
  EXPECT_EQ(TitleHitTest(in, {237, 5}), kHtClose) << "close wins the shared pixel: it is searched first";
  EXPECT_EQ(TitleHitTest(in, {210, 5}), kHtMaxButton);
  EXPECT_EQ(TitleHitTest(in, {180, 5}), kHtMinButton);
  EXPECT_EQ(TitleHitTest(in, {150, 5}), kHtHelp);
  in.EnabledMax = false;
  in.EnabledMin = false;
  EXPECT_EQ(TitleHitTest(in, {210, 5}), kHtCaption) << "maximize without its command";
  EXPECT_EQ(TitleHitTest(in, {180, 5}), kHtCaption) << "minimize without its command";
  in.EnabledRestore = true;
  EXPECT_EQ(TitleHitTest(in, {210, 5}), kHtMaxButton) << "restore stands for the maximize button";
}

}  // namespace
}  // namespace vorlan::skin
