#include "paint/dc_fills_win.h"

#include <gtest/gtest.h>

#include <string>

#include "paint/bitmap32.h"
#include "paint_test_util.h"

namespace vorlan::paint {
namespace {

// A memory device context with a 32-bit bitmap selected, for checking what
// GDI painted pixel by pixel.
class BitmapDc {
 public:
  explicit BitmapDc(TBitmap32& bmp) : dc_(CreateCompatibleDC(nullptr)) {
    old_ = SelectObject(dc_, static_cast<HBITMAP>(bmp.NativeHandle()));
  }
  ~BitmapDc() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  BitmapDc(const BitmapDc&) = delete;
  BitmapDc& operator=(const BitmapDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

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
