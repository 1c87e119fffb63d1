#include "skin/draw/gradient.h"

#include <gtest/gtest.h>

#include "draw_test_support.h"
#include "paint/pixel_math.h"
#include "skin/data/skin_errors.h"

namespace vorlan::skin {
namespace {

using test::Canvas;
using test::Opaque;
using test::UntouchedOutside;

TEST(ParseGradient, PiecesAreGroupsOfFive) {
  struct Row {
    std::u16string_view text;
    std::size_t pieces;
    const char* why;
  } rows[] = {
      {u"", 0, "empty text"},
      {u"N/A", 0, "N/A"},
      {u"1;2;3;4;5;6;7", 1, "7 numbers: 7 div 5 pieces"},
      {u"16777215;15661040;51;0;0;15661040;15661040;46;0;0;15661040;15661040;0;0;0", 3, "the example"},
  };
  for (const Row& row : rows) EXPECT_EQ(ParseGradient(row.text).size(), row.pieces) << row.why;
  const TSkinGradArray g = ParseGradient(u"1;2;300;7;9");
  EXPECT_EQ(g[0].Percent, 100) << "percent clamped";
  EXPECT_EQ(g[0].Mode1, 7) << "Mode1 as written";
  EXPECT_EQ(g[0].Mode2, 0) << "the fifth word is not read";
}

TEST(PaintGradient, VerticalPiecesShareTheirBoundaryRows) {
  // White to 0x808080 over 51 %, solid 0x808080 over 46 %, then a last piece to black.
  const TSkinGradArray g = {{0xFFFFFF, 0x808080, 51, 0, 0}, {0x808080, 0x808080, 46, 0, 0}, {0x808080, 0, 0, 0, 0}};
  paint::TBitmap32 bmp = Canvas(3, 102);
  PaintGradient(bmp, {0, 1, 3, 101}, g);
  EXPECT_TRUE(UntouchedOutside(bmp, {0, 1, 3, 101}));
  EXPECT_EQ(bmp.Pixel(1, 1), Opaque(0xFFFFFF)) << "row 0 starts at Color1";
  EXPECT_EQ(bmp.Pixel(1, 52), Opaque(0x808080)) << "row 51 belongs to the second piece";
  EXPECT_EQ(bmp.Pixel(1, 51), Opaque(0x828282)) << "row 50: trunc(255 - 50 * 127/51) = 130";
  EXPECT_EQ(bmp.Pixel(1, 97), Opaque(0x808080)) << "row 96 still solid";
  EXPECT_EQ(bmp.Pixel(1, 98), Opaque(0x808080)) << "row 97: the last piece starts at its Color1";
  EXPECT_EQ(bmp.Pixel(1, 100), Opaque(0)) << "row 99 ends at the last Color2";
  EXPECT_EQ(bmp.Pixel(1, 99), Opaque(0x404040)) << "row 98: half way";
}

TEST(PaintGradient, HorizontalCopiesTheFirstRowDown) {
  const TSkinGradArray g = {{0x0000FF, 0xFF0000, 100, 1, 0}};
  paint::TBitmap32 bmp = Canvas(12, 4);
  PaintGradient(bmp, {1, 1, 11, 3}, g);
  EXPECT_TRUE(UntouchedOutside(bmp, {1, 1, 11, 3}));
  EXPECT_EQ(bmp.Pixel(1, 1), Opaque(0x0000FF));
  // Nine single-precision steps of 255/9 end just below 255: truncated to 254.
  EXPECT_EQ(bmp.Pixel(10, 2), Opaque(0xFE0000));
  for (int x = 1; x < 11; ++x) EXPECT_EQ(bmp.Pixel(x, 1), bmp.Pixel(x, 2)) << x;
}

TEST(PaintGradient, RectangleIsClippedToTheBitmapAndEmptyInputsPaintNothing) {
  const TSkinGradArray g = {{0xFFFFFF, 0, 100, 0, 0}};
  paint::TBitmap32 bmp = Canvas(4, 4);
  PaintGradient(bmp, {-3, -3, 10, 10}, g);
  EXPECT_EQ(bmp.Pixel(0, 0), Opaque(0xFFFFFF)) << "starts at the clipped top";
  EXPECT_EQ(bmp.Pixel(0, 3), Opaque(0)) << "ends at the clipped bottom";
  paint::TBitmap32 untouched = Canvas(4, 4);
  PaintGradient(untouched, {0, 0, 4, 4}, {});
  PaintGradient(untouched, {2, 2, 2, 4}, g);
  EXPECT_TRUE(UntouchedOutside(untouched, {}));
}

TEST(PaintGradient, FourTrianglesCoverTheRectangleAndMeetAtTheCentre) {
  const TSkinGradArray g = {{0x0000FF, 0, 0, 2, 0}, {0x00FF00, 0, 0, 0, 0}, {0xFF0000, 0, 0, 0, 0}};
  paint::TBitmap32 bmp = Canvas(24, 20);
  const paint::TRect r{2, 2, 22, 18};
  PaintGradient(bmp, r, g);
  EXPECT_TRUE(UntouchedOutside(bmp, r));
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) ASSERT_NE(bmp.Pixel(x, y), test::kSentinel) << x << "," << y;
  EXPECT_EQ(bmp.Pixel(2, 2), Opaque(0x0000FF)) << "top-left corner: piece 0";
  EXPECT_EQ(bmp.Pixel(12, 10), Opaque(0x00FF00)) << "centre: piece 1";
  // Pieces 3 and 4 are missing: the bottom corners repeat piece 2's colour (blue).
  const std::uint32_t bottom_left = bmp.Pixel(2, 17);
  EXPECT_GE(paint::px::Blue(bottom_left), 230) << "15/16 of the way to the blue corner";
  EXPECT_EQ(paint::px::Green(bottom_left), 0) << "on the left edge the centre has no weight";
}

TEST(PaintGradientTexture, MixesTheTextureTiledFromTheOrigin) {
  paint::TBitmap32 texture = Canvas(4, 4, 0xFF000000);
  texture.SetPixel(1, 1, 0xFFFFFFFF);  // texture rect starts at (1, 1): this is tile pixel (0, 0)
  const TSkinGradArray g = {{0x202020, 0x202020, 100, 0, 0}};
  paint::TBitmap32 bmp = Canvas(6, 6);
  PaintGradientTexture(bmp, {1, 1, 6, 6}, g, 77, 128, {1, 1, 3, 3}, texture);
  EXPECT_TRUE(UntouchedOutside(bmp, {1, 1, 6, 6}));
  // Column x uses texture column x mod 2; (2, 2) is tile pixel (0, 0): white.
  const int white = ((255 - 0x20) * 128 + 0x20 * 256) >> 8, black = ((0 - 0x20) * 128 + 0x20 * 256) >> 8;
  EXPECT_EQ(bmp.Pixel(2, 2), paint::px::Pack(white, white, white, 77));
  EXPECT_EQ(bmp.Pixel(3, 2), paint::px::Pack(black, black, black, 77));
  EXPECT_EQ(bmp.Pixel(4, 4), paint::px::Pack(white, white, white, 77));
}

}  // namespace
}  // namespace vorlan::skin
