#include "paint/dc_fills_win.h"

#include <gtest/gtest.h>

#include <string>

#include "bitmap_dc_win.h"
#include "paint/bitmap32.h"
#include "paint_test_util.h"

namespace vorlan::paint {
namespace {

using testing::BitmapDc;

// '#' where the colour (low 24 bits) differs from the background.
std::string Picture(const TBitmap32& bmp, uint32_t background) {
  GdiFlush();
  std::string out;
  for (int y = 0; y < bmp.Height(); ++y) {
    for (int x = 0; x < bmp.Width(); ++x) out += (bmp.Pixel(x, y) & 0xFFFFFF) == background ? '.' : '#';
    out += '/';
  }
  return out;
}

TEST(DcFills, FillSolidFillsTheRectangleWithTheColour) {
  TBitmap32 bmp = testing::Filled(5, 3, 0);
  {
    BitmapDc dc(bmp);
    FillSolid(dc.get(), {1, 1, 4, 3}, 0x0000FF);
  }
  EXPECT_EQ(Picture(bmp, 0), "...../.###./.###./");
  EXPECT_EQ(bmp.Pixel(1, 1) & 0xFFFFFF, 0xFF0000u) << "red colour stored as pixel R";
}

TEST(DcFills, FillFramePaintsFourStrips) {
  TBitmap32 bmp = testing::Filled(6, 5, 0);
  {
    BitmapDc dc(bmp);
    FillFrame(dc.get(), {0, 0, 6, 5}, 1, 0x00FFFFFF, 2, 1, 1);
  }
  EXPECT_EQ(Picture(bmp, 0), "######/#....#/#....#/######/######/");
}

TEST(DcFills, DrawBevelFrameNestsBevels) {
  TBitmap32 bmp = testing::Filled(6, 6, 0);
  {
    BitmapDc dc(bmp);
    DrawBevelFrame(dc.get(), {0, 0, 6, 6}, 0x00FFFFFF, 2, 0x00808080);
  }
  GdiFlush();
  EXPECT_EQ(Picture(bmp, 0), "######/######/##..##/##..##/######/######/");
  EXPECT_EQ(bmp.Pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu) << "light top-left";
  EXPECT_EQ(bmp.Pixel(5, 5) & 0xFFFFFF, 0x808080u) << "dark bottom-right";
  EXPECT_EQ(bmp.Pixel(1, 4) & 0xFFFFFF, 0x808080u) << "inner dark bottom";
}

TEST(DcFills, CopyFrameStripsCopiesOnlyTheEdges) {
  TBitmap32 src = testing::Filled(5, 5, 0x00FFFFFF);
  TBitmap32 dst = testing::Filled(5, 5, 0);
  {
    BitmapDc s(src), d(dst);
    CopyFrameStrips(d.get(), {0, 0}, s.get(), {0, 0, 5, 5}, {1, 1, 2, 1});
  }
  EXPECT_EQ(Picture(dst, 0), "#####/#..##/#..##/#..##/#####/");
}

}  // namespace
}  // namespace vorlan::paint
