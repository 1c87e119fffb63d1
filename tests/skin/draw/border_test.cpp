#include <gtest/gtest.h>

#include "draw_test_support.h"
#include "skin/draw/border_geometry.h"
#include "skin/draw/border_mask.h"

namespace vorlan::skin {
namespace {

using paint::TRect;
using test::Canvas;
using test::kSentinel;
using test::UntouchedOutside;

TEST(FitBorderWidths, ShrinksPairsThatDoNotFit) {
  struct Row {
    std::int16_t wl, wr;
    std::int32_t width;
    std::int32_t left, right;
    const char* why;
  } rows[] = {
      {8, 8, 20, 8, 8, "fits"},
      {8, 8, 10, 5, 5, "e = 6, k = 3"},
      {8, 8, 9, 5, 4, "e = 7: the right one takes the odd pixel"},
      {10, 0, 4, 4, 0, "uneven widths: cut to the rectangle"},
      {-3, 2, 9, 0, 2, "negative widths count as 0"},
  };
  for (const Row& row : rows) {
    TSkinMaskData m;
    m.WL = m.WT = row.wl;
    m.WR = m.WB = row.wr;
    const TBorderWidths w = FitBorderWidths(m, row.width, row.width);
    EXPECT_EQ(w.Left, row.left) << row.why;
    EXPECT_EQ(w.Right, row.right) << row.why;
    EXPECT_EQ(w.Top, row.left) << row.why << " (heights alike)";
    EXPECT_EQ(w.Bottom, row.right) << row.why << " (heights alike)";
  }
}

// Three frames of 6 × 6 with 2-pixel borders: corners, sides and centre of
// frame f each have their own colour; the left side alternates down its length.
class BorderTest : public ::testing::Test {
 protected:
  static constexpr std::uint32_t Corner(int f) { return 0xFF000010u + f; }
  static constexpr std::uint32_t Side(int f) { return 0xFF000020u + f; }
  static constexpr std::uint32_t SideAlt(int f) { return 0xFF000030u + f; }
  static constexpr std::uint32_t Centre(int f) { return 0xFF000040u + f; }

  std::int32_t Make(std::int16_t drawMode) {
    for (int f = 0; f < 3; ++f) {
      const int x0 = f * 6;
      skin.Fill({x0, 0, x0 + 6, 6}, Side(f));
      skin.Fill({x0 + 2, 2, x0 + 4, 4}, Centre(f));
      for (int cx : {0, 4})
        for (int cy : {0, 4}) skin.Fill({x0 + cx, cy, x0 + cx + 2, cy + 2}, Corner(f));
      skin.Fill({x0, 3, x0 + 2, 4}, SideAlt(f));  // second row of the left side
    }
    return skin.Border({0, 0, 18, 6}, 3, 0, drawMode, 2, 2, 2, 2);
  }
  paint::TBitmap32 Paint(std::int32_t index, std::int32_t state, const TRect& r,
                         const paint::TCacheInfo& c = paint::EmptyCacheInfo()) {
    paint::TBitmap32 bmp = Canvas(14, 14);
    PaintBorderMask(bmp, r, c, SkinImage(skin.Skin(), index), state, true);
    EXPECT_TRUE(UntouchedOutside(bmp, r));
    return bmp;
  }
  test::SkinBuilder skin;
};

TEST_F(BorderTest, DrawModeBits) {
  const TRect r{2, 2, 12, 12};
  {
    paint::TBitmap32 bmp = Paint(Make(0), 1, r);
    EXPECT_EQ(bmp.Pixel(2, 2), Corner(1)) << "state 1 paints frame 1";
    EXPECT_EQ(bmp.Pixel(11, 11), Corner(1));
    EXPECT_EQ(bmp.Pixel(6, 6), kSentinel) << "without bit 4 the centre keeps what was there";
    // Tiled left side: rows alternate from R.Top + 2 on.
    EXPECT_EQ(bmp.Pixel(2, 4), Side(1));
    EXPECT_EQ(bmp.Pixel(2, 5), SideAlt(1));
    EXPECT_EQ(bmp.Pixel(2, 6), Side(1));
    EXPECT_EQ(bmp.Pixel(2, 9), SideAlt(1));
  }
  {
    paint::TBitmap32 bmp = Paint(Make(1 | 4), 2, r);
    EXPECT_EQ(bmp.Pixel(6, 6), Centre(2)) << "bit 4 fills the centre";
    // Stretched left side: the two source rows become 3 + 3 of the 6.
    EXPECT_EQ(bmp.Pixel(2, 6), Side(2));
    EXPECT_EQ(bmp.Pixel(2, 7), SideAlt(2));
  }
  {
    paint::TBitmap32 bmp = Paint(Make(2), 0, r);
    EXPECT_TRUE(UntouchedOutside(bmp, {})) << "bit 2: nothing in state 0";
    paint::TBitmap32 shown = Paint(Make(2), 1, r);
    EXPECT_EQ(shown.Pixel(2, 2), Corner(1)) << "bit 2: the full border in state 1";
  }
}

TEST_F(BorderTest, StateBeyondTheFramesTakesTheLastAndSmallRectanglesPaintNothing) {
  const std::int32_t index = Make(0);
  EXPECT_EQ(Paint(index, 7, {0, 0, 10, 10}).Pixel(0, 0), Corner(2));
  EXPECT_TRUE(UntouchedOutside(Paint(index, 0, {3, 3, 4, 10}), {})) << "narrower than 2 pixels";
  paint::TBitmap32 outside = Canvas(14, 14);
  PaintBorderMask(outside, {10, 10, 16, 16}, paint::EmptyCacheInfo(), SkinImage(skin.Skin(), index), 0, true);
  EXPECT_TRUE(UntouchedOutside(outside, {})) << "not inside the bitmap";
}

TEST_F(BorderTest, NarrowRectanglesShrinkTheBorderInside) {
  const std::int32_t index = Make(4);
  for (int w = 2; w <= 5; ++w) {
    paint::TBitmap32 bmp = Paint(index, 0, {3, 3, 3 + w, 3 + w});
    EXPECT_EQ(bmp.Pixel(3, 3), Corner(0)) << w;
  }
}

TEST_F(BorderTest, CornerKeysTakeTheParentOnlyWithCornerTypeAndUpdateCorners) {
  const std::int32_t index = Make(0);
  skin.Put(0, 0, paint::kKeyPixel);
  paint::TBitmap32 parent = Canvas(20, 20, 0xFF00AA00);
  parent.SetPixel(2 + 3 + 1, 2 + 4 + 1, 0xFF123456);
  // C.X, Y (1, 1) plus the destination pixel (2, 2) plus O (3, 4): the parent pixel at (6, 7).
  paint::TCacheInfo c = paint::MakeCacheInfo(&parent, 1 + 3, 1 + 4);
  skin.Mask(index).CornerType = 1;
  EXPECT_EQ(Paint(index, 0, {2, 2, 12, 12}, c).Pixel(2, 2), 0xFF123456u);
  skin.Mask(index).CornerType = 0;
  EXPECT_EQ(Paint(index, 0, {2, 2, 12, 12}, c).Pixel(2, 2), paint::kKeyPixel)
      << "without CornerType the key pixel takes the empty cacheInfo's fill colour, alpha 0";
}

TEST_F(BorderTest, MaskedBordersBlendThroughTheirMaskRows) {
  // One 6 × 6 frame over its 6 × 6 mask: black mask on the left half, white on the right.
  skin.Fill({0, 0, 6, 6}, 0xFF804020);
  skin.Fill({0, 6, 3, 12}, 0xFF000000);
  skin.Fill({3, 6, 6, 12}, 0xFFFFFFFF);
  const std::int32_t index = skin.Border({0, 0, 6, 12}, 1, 1, 0, 2, 2, 2, 2);
  paint::TBitmap32 bmp = Canvas(14, 14, 0xFF000000);
  PaintBorderMask(bmp, {0, 0, 6, 6}, paint::EmptyCacheInfo(), SkinImage(skin.Skin(), index), 0, true);
  EXPECT_EQ(bmp.Pixel(0, 0), 0xFF804020u) << "black mask: the image";
  EXPECT_EQ(bmp.Pixel(5, 0), 0xFF000000u) << "white mask: d × 255/256 + s/256, truncated (0 + 128/256)";
}

}  // namespace
}  // namespace vorlan::skin
