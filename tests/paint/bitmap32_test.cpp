#include "paint/bitmap32.h"

#include <gtest/gtest.h>

namespace vorlan::paint {
namespace {

TEST(Bitmap32, NewBitmapsStartWhiteWithAlphaZero) {
  for (TRowOrder order : {TRowOrder::BottomUp, TRowOrder::TopDown}) {
    TBitmap32 bmp(5, 3, order);
    ASSERT_EQ(bmp.Size(), (TSize{5, 3}));
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x) EXPECT_EQ(bmp.Pixel(x, y), kEmptyPixel);
  }
}

TEST(Bitmap32, StrideFollowsStorageOrder) {
  struct Case {
    int w, h;
    TRowOrder order;
    ptrdiff_t stride;
    const char* why;
  } cases[] = {
      {4, 3, TRowOrder::BottomUp, -16, "bottom-up rows run backwards"},
      {4, 3, TRowOrder::TopDown, 16, "top-down rows run forwards"},
      {7, 1, TRowOrder::BottomUp, 0, "one row has stride 0"},
  };
  for (const auto& c : cases) {
    TBitmap32 bmp(c.w, c.h, c.order);
    auto rows = bmp.Rows();
    ASSERT_TRUE(rows) << c.why;
    EXPECT_EQ(rows->Stride, c.stride) << c.why;
    rows->Row(c.h - 1)[c.w - 1] = 0x12345678;
    EXPECT_EQ(bmp.Pixel(c.w - 1, c.h - 1), 0x12345678u) << c.why;
  }
}

TEST(Bitmap32, RowAccessFailsWithoutPixels) {
  EXPECT_FALSE(TBitmap32(0, 5).Rows());
  EXPECT_FALSE(TBitmap32(5, 0).Rows());
  EXPECT_FALSE(TBitmap32(-3, 4).Rows());
  EXPECT_EQ(NewBitmap32(TRect{10, 10, 4, 20}).Size(), (TSize{0, 0})) << "negative width counts as 0";
  EXPECT_EQ(NewBitmap32(TRect{1, 2, 4, 8}).Size(), (TSize{3, 6}));
}

TEST(Bitmap32, MoveLeavesSourceEmptyAndCloneCopies) {
  TBitmap32 a(3, 2);
  a.SetPixel(2, 1, 0xAABBCCDD);
  TBitmap32 copy = a.Clone();
  TBitmap32 b = std::move(a);
  EXPECT_TRUE(a.Empty());
  EXPECT_FALSE(a.Rows());
  EXPECT_EQ(b.Pixel(2, 1), 0xAABBCCDDu);
  EXPECT_EQ(copy.Pixel(2, 1), 0xAABBCCDDu);
  copy.SetPixel(2, 1, 0);
  EXPECT_EQ(b.Pixel(2, 1), 0xAABBCCDDu) << "clone shares no pixels";
  EXPECT_EQ(b.Pixel(3, 0), 0u) << "outside reads 0";
}

TEST(Bitmap32, RefusesSizesBeyondTheCap) {
  EXPECT_THROW(TBitmap32(TBitmap32::kMaxSide + 1, 1), BitmapError);
  EXPECT_THROW(TBitmap32(40000, 40000), BitmapError);
}

}  // namespace
}  // namespace vorlan::paint
