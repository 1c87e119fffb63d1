#include "skin/controls/core/control_to_bitmap.h"

#include <gtest/gtest.h>

#include "skin/controls/skin_test_controls.h"
#include "ui/form.h"
#include "ui/panel.h"

namespace vorlan::skin {
namespace {

using test::TSkinnedGraphic;
using test::TSkinnedPanel;

constexpr paint::TColor kGrey = 0x808080, kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00, kTeal = 0x808000;

// A bitmap that no DC holds (the copy selects it into its own).
struct Canvas {
  Canvas(int width, int height) : Bitmap(width, height) { paint::FillRect32(Bitmap, Bitmap.Bounds(), kGrey, 255); }
  paint::TColor At(int x, int y) const { return test::ColorAt(Bitmap, x, y); }
  paint::TBitmap32 Bitmap;
};

TEST(ControlToBitmap, AControlAndItsWindowedDescendantsAreCopiedAtTheirOffsets) {
  ui::TForm form;
  TSkinnedPanel& root = form.Add<TSkinnedPanel>();
  root.SetParent(&form);
  root.SetBounds(0, 0, 40, 30);
  root.Answers.Color = kBlue;
  TSkinnedPanel& child = form.Add<TSkinnedPanel>();
  child.SetParent(&root);
  child.SetBounds(10, 5, 12, 8);
  child.Answers.Color = kRed;
  TSkinnedPanel& grandchild = form.Add<TSkinnedPanel>();
  grandchild.SetParent(&child);
  grandchild.SetBounds(8, 4, 10, 10);  // reaches past its parent's right and bottom edges
  grandchild.Answers.Color = kGreen;
  ui::TPanel& plain = form.Add<ui::TPanel>();  // not skinned: painted by the framework
  plain.SetParent(&root);
  plain.SetBounds(25, 15, 10, 10);
  plain.SetColor(kTeal);
  TSkinnedPanel& hidden = form.Add<TSkinnedPanel>();
  hidden.SetParent(&root);
  hidden.SetBounds(2, 20, 5, 5);
  hidden.Answers.Color = kRed;
  hidden.SetVisible(false);

  Canvas target(60, 50);
  PaintControlToBitmap(target.Bitmap, root, 3, nullptr, 4);

  EXPECT_EQ(target.At(3, 4), kBlue) << "the control at (x, y)";
  EXPECT_EQ(target.At(2, 4), kGrey);
  EXPECT_EQ(target.At(3 + 40, 4), kGrey) << "clipped to the control";
  EXPECT_EQ(target.At(3 + 10, 4 + 5), kRed) << "a windowed child at its offset";
  EXPECT_EQ(target.At(3 + 9, 4 + 5), kBlue);
  EXPECT_EQ(target.At(3 + 18, 4 + 9), kGreen) << "a grandchild at both offsets";
  EXPECT_EQ(target.At(3 + 22, 4 + 9), kBlue) << "a child is clipped to its parent";
  EXPECT_EQ(target.At(3 + 30, 4 + 20), kTeal) << "an unskinned child paints itself through the framework";
  EXPECT_EQ(target.At(3 + 4, 4 + 22), kBlue) << "a hidden child is left out";
  EXPECT_EQ(child.Answers.PrintDCs.size(), 2u) << "a print target while printing, none afterwards";
  EXPECT_NE(child.Answers.PrintDCs.front(), nullptr);
  EXPECT_EQ(child.Answers.PrintDCs.back(), nullptr);
}

TEST(ControlToBitmap, AHiddenControlShowsItsParentsBackgroundAndAWindowlessOneIsPrinted) {
  ui::TForm form;
  TSkinnedPanel& parent = form.Add<TSkinnedPanel>();
  parent.SetParent(&form);
  parent.SetBounds(0, 0, 40, 30);
  paint::TBitmap32 cache(40, 30);
  paint::FillRect32(cache, cache.Bounds(), kGreen, 255);
  paint::FillRect32(cache, paint::TRect{10, 10, 12, 12}, kRed, 255);
  parent.Answers.Background = btCache;
  parent.Answers.Cache = &cache;
  TSkinnedPanel& hidden = form.Add<TSkinnedPanel>();
  hidden.SetParent(&parent);
  hidden.SetBounds(9, 9, 5, 5);
  hidden.Answers.Color = kBlue;
  hidden.SetVisible(false);

  Canvas target(20, 20);
  PaintControlToBitmap(target.Bitmap, hidden, 2, nullptr, 3);
  EXPECT_EQ(target.At(2, 3), kGreen) << "the parent's picture at the control's place";
  EXPECT_EQ(target.At(3, 4), kRed);
  EXPECT_EQ(target.At(7, 8), kGrey) << "the control's size only";

  parent.Answers.Background = btColor;
  parent.Answers.Color = kTeal;
  PaintControlToBitmap(target.Bitmap, hidden, 2, nullptr, 3);
  EXPECT_EQ(target.At(3, 4), kTeal) << "a colour answer fills the place";

  TSkinnedGraphic& graphic = form.Add<TSkinnedGraphic>();
  graphic.SetParent(&parent);
  graphic.SetBounds(0, 0, 4, 4);
  graphic.Answers.Color = kRed;
  Canvas second(10, 10);
  PaintControlToBitmap(second.Bitmap, graphic, 1, nullptr, 1);
  EXPECT_EQ(second.At(1, 1), kRed);
  EXPECT_EQ(second.At(5, 5), kGrey);
  EXPECT_EQ(graphic.Answers.PrintDCs.size(), 2u);
}

TEST(ControlToBitmap, AProviderWithExtendedBorderMakesItsClientOpaque) {
  ui::TForm form;
  TSkinnedPanel& root = form.Add<TSkinnedPanel>();
  root.SetParent(&form);
  root.SetBounds(0, 0, 6, 6);
  root.Answers.Color = kBlue;
  Canvas target(20, 20);
  paint::FillRect32(target.Bitmap, target.Bitmap.Bounds(), kGrey, 0);
  const TProviderFrame frame{true, POINT{2, 2}};
  PaintControlToBitmap(target.Bitmap, root, 0, &frame, 0);
  EXPECT_EQ(target.Bitmap.Pixel(2, 2) >> 24, 255u) << "the client rectangle moved by the provider's offsets";
  EXPECT_EQ(target.Bitmap.Pixel(7, 7) >> 24, 255u);
  EXPECT_EQ(target.Bitmap.Pixel(8, 8) >> 24, 0u);
  EXPECT_EQ(target.Bitmap.Pixel(1, 1) >> 24, 0u);
}

}  // namespace
}  // namespace vorlan::skin
