#include "paint/bitmap_gdi_win.h"

#include <gtest/gtest.h>

#include <string>

#include "bitmap_dc_win.h"
#include "paint_test_util.h"

namespace vorlan::paint {
namespace {

// Each source pixel of a 3×2 picture is distinct: 1 + x + 10·y.
TBitmap32 Numbered() {
  TBitmap32 bmp(3, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) bmp.SetPixel(x, y, static_cast<uint32_t>(1 + x + 10 * y));
  return bmp;
}

// The target's pixels as numbers, '.' for untouched (0).
std::string Numbers(const TBitmap32& bmp) {
  GdiFlush();
  std::string out;
  for (int y = 0; y < bmp.Height(); ++y) {
    for (int x = 0; x < bmp.Width(); ++x) {
      const uint32_t p = bmp.Pixel(x, y) & 0xFFFFFF;
      out += p == 0 ? std::string(".") : std::to_string(p);
      out += ' ';
    }
    out += '/';
  }
  return out;
}

TEST(BitmapGdi, ShowsTheWholeBitmapOrAPartClippedToIt) {
  struct Row {
    TPoint at;
    TRect part;
    bool shown;
    const char* expected;
    const char* why;
  };
  const Row rows[] = {
      {{0, 0}, {0, 0, 3, 2}, true, "1 2 3 . /11 12 13 . /. . . . /", "the whole bitmap at the origin"},
      {{1, 1}, {1, 0, 3, 1}, true, ". . . . /. 2 3 . /. . . . /", "a part lands at `at`"},
      {{0, 0},
       {-1, -1, 2, 2},
       true,
       ". . . . /. 1 2 . /. 11 12 . /",
       "a part starting outside the bitmap keeps its place: pixel (0,0) lands at at + (1,1)"},
      {{0, 0}, {2, 1, 9, 9}, true, "13 . . . /. . . . /. . . . /", "a part running past the edge is cut"},
      {{0, 0}, {3, 0, 5, 2}, false, ". . . . /. . . . /. . . . /", "a part beside the bitmap shows nothing"},
      {{0, 0}, {1, 1, 1, 2}, false, ". . . . /. . . . /. . . . /", "an empty part shows nothing"},
  };
  const TBitmap32 source = Numbered();
  for (const Row& row : rows) {
    TBitmap32 target = testing::Filled(4, 3, 0);
    {
      testing::BitmapDc dc(target);
      EXPECT_EQ(ShowBitmap(dc.get(), row.at, source, row.part), row.shown) << row.why;
    }
    EXPECT_EQ(Numbers(target), row.expected) << row.why;
  }
}

TEST(BitmapGdi, AnEmptyBitmapShowsNothing) {
  TBitmap32 target = testing::Filled(2, 2, 0);
  testing::BitmapDc dc(target);
  EXPECT_FALSE(ShowBitmap(dc.get(), {0, 0}, TBitmap32()));
}

TEST(BitmapGdi, GeometryAndColoursConvert) {
  const TRect rect{-1, 2, 30, 40};
  EXPECT_EQ(FromRECT(ToRECT(rect)), rect);
  const RECT r = ToRECT(rect);
  EXPECT_EQ(r.left, -1);
  EXPECT_EQ(r.bottom, 40);
  EXPECT_EQ(FromPOINT(ToPOINT({5, -6})), (TPoint{5, -6}));
  EXPECT_EQ(ToColorRef(0x00123456), static_cast<COLORREF>(0x00123456)) << "plain colours stay";
  EXPECT_EQ(ToColorRef(SystemColorOf(COLOR_WINDOW)), GetSysColor(COLOR_WINDOW)) << "negative = system colour";
  EXPECT_EQ(ToColorRef(kNoColor) >> 24, 0u) << "GDI never sees a top byte (it would read a palette index)";
}

}  // namespace
}  // namespace vorlan::paint
