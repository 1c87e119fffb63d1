#include "paint/masks.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "paint/pixel_math.h"
#include "paint/resample.h"
#include "paint_test_util.h"

namespace vorlan::paint {
namespace {

using testing::Ch;
using testing::Filled;

// A 3 × 4 strip: image rows 0..1, mask rows 2..3 (mask record R height 4).
TBitmap32 Strip(uint32_t image, uint32_t mask) {
  TBitmap32 src = Filled(3, 4, image);
  for (int y = 2; y < 4; ++y)
    for (int x = 0; x < 3; ++x) src.SetPixel(x, y, mask);
  return src;
}

TEST(CopyWithMask, WhiteKeepsAlmostTheDestinationAndBlackGivesTheSource) {
  struct Case {
    uint32_t mask;
    int expected;
    const char* why;
  } cases[] = {
      {0x00FFFFFF, 200 * 255 / 256 + 0, "mask 255: d × 255/256 + s/256 truncated (s = 0 here)"},
      {0x00000000, 0, "mask 0: the source channel exactly"},
      {0x00808080, (200 - 0) * 128 >> 8, "half"},
  };
  for (const auto& c : cases) {
    const TBitmap32 src = Strip(0xFF000000, c.mask);
    TBitmap32 dst = Filled(2, 1, 0x11C8C8C8);
    CopyWithMask({0, 0, 2, 1}, {0, 0, 2, 1}, dst, {0, 0, 3, 4}, false, EmptyCacheInfo(), src);
    EXPECT_EQ(Ch(dst.Pixel(0, 0), 0), c.expected) << c.why;
    EXPECT_EQ(Ch(dst.Pixel(0, 0), 24), 0x11) << "not ready: alpha unchanged";
  }
  const TBitmap32 src = Strip(0xFF0A141E, 0x00FFFFFF);
  TBitmap32 dst = Filled(1, 1, 0x00FFFFFF);
  CopyWithMask({0, 0, 1, 1}, {0, 0, 1, 1}, dst, {0, 0, 3, 4}, false, EmptyCacheInfo(), src);
  EXPECT_EQ(dst.Pixel(0, 0), px::Pack((255 * 255 + 0x1E) >> 8, (255 * 255 + 0x14) >> 8, (255 * 255 + 0x0A) >> 8, 0));
}

TEST(CopyWithMask, KeyPixelsByCacheInfoAndUseParent) {
  TBitmap32 parent = Filled(4, 4, 0x12345678);
  struct Case {
    TCacheInfo ci;
    bool use_parent;
    uint32_t expected;
    const char* why;
  } cases[] = {
      {MakeCacheInfo(&parent, 0, 0), true, 0x12345678, "ready + parent: the whole parent word"},
      {MakeCacheInfo(&parent, 0, 0), false, 0xFFFF00FF, "ready, no parent: mask blend (black) and A 255"},
      {{nullptr, 0, 0, 0x7F112233, {}, false}, true, 0x7F332211, "not ready + parent: fill colour with its top byte"},
      {{nullptr, 0, 0, 0x7F112233, {}, false}, false, 0x44444444, "not ready, no parent: left alone"},
  };
  for (const auto& c : cases) {
    const TBitmap32 src = Strip(kKeyPixel, 0x00000000);
    TBitmap32 dst = Filled(1, 1, 0x44444444);
    CopyWithMask({0, 0, 1, 1}, {0, 0, 1, 1}, dst, {0, 0, 3, 4}, c.use_parent, c.ci, src);
    EXPECT_EQ(dst.Pixel(0, 0), c.expected) << c.why;
  }
}

TEST(CopyWithMask, SourceKeepsOneColumnSpare) {
  const TBitmap32 src = Strip(0xFF000000, 0);
  TBitmap32 dst = Filled(3, 1, 0xFFFFFFFF);
  CopyWithMask({0, 0, 3, 1}, {0, 0, 3, 1}, dst, {0, 0, 3, 4}, false, EmptyCacheInfo(), src);
  EXPECT_EQ(dst.Pixel(1, 0), 0xFF000000u);
  EXPECT_EQ(dst.Pixel(2, 0), 0xFFFFFFFFu) << "the last source column is not used";
}

TEST(StretchWithMask, OnePixelPieceByItsMaskRed) {
  struct Case {
    uint32_t mask;
    uint32_t expected;
    const char* why;
  } cases[] = {
      {0x00FFFFFF, 0x10203040, "white mask paints nothing"},
      {0x00000000, 0xFF0000FF, "black mask fills with the image colour, A 255"},
      {0x00800000, px::Pack((0x40 * 128 + 0xFF * 128) >> 8, (0x30 * 128) >> 8, (0x20 * 128) >> 8, 0x10),
       "red byte 128 blends"},
  };
  for (const auto& c : cases) {
    TBitmap32 src = Filled(1, 2, 0x000000FF);
    src.SetPixel(0, 1, c.mask);
    TBitmap32 dst = Filled(4, 3, 0x10203040);
    StretchWithMask(0, 0, 4, false, 1, src, dst, 1, 1, 0, 0, 3);
    EXPECT_EQ(dst.Pixel(3, 2), c.expected) << c.why;
  }
}

TEST(StretchWithMask, NothingForDegenerateDestinations) {
  TBitmap32 src = Filled(2, 4, 0xFF000000);
  struct Case {
    int x, y, w, h;
  } cases[] = {{-1, 0, 3, 3}, {0, -1, 3, 3}, {0, 0, 1, 3}, {0, 0, 3, 1}, {0, 0, 3, 0}};
  for (const auto& c : cases) {
    TBitmap32 dst = Filled(4, 4, 0x12345678);
    StretchWithMask(c.x, c.y, c.w, false, 0, src, dst, 2, 2, 0, 0, c.h);
    EXPECT_EQ(dst.Pixel(1, 1), 0x12345678u) << c.x << " " << c.y << " " << c.w << " " << c.h;
  }
}

TEST(StretchWithMask, PlainStretchWithoutMaskOffset) {
  TBitmap32 src(2, 1);
  src.SetPixel(0, 0, 0x11111111);
  src.SetPixel(1, 0, 0x22222222);
  TBitmap32 dst = Filled(4, 2, 0);
  StretchWithMask(0, 0, 4, false, 0, src, dst, 1, 2, 0, 0, 2);
  EXPECT_EQ(dst.Pixel(0, 1), 0x11111111u);
  EXPECT_EQ(dst.Pixel(1, 0), 0x11111111u);
  EXPECT_EQ(dst.Pixel(2, 0), 0x22222222u);
  EXPECT_EQ(dst.Pixel(3, 1), 0x22222222u);
}

TEST(StretchWithMask, BlackMaskedStretchCopiesTheImageOpaque) {
  // 2 × 2 image over a 2 × 2 black mask, stretched to 4 × 4 (larger: nearest pixels).
  TBitmap32 src = Filled(2, 4, 0);
  src.SetPixel(0, 0, 0x000000FF);
  src.SetPixel(1, 0, 0x0000FF00);
  src.SetPixel(0, 1, 0x00FF0000);
  src.SetPixel(1, 1, 0x00FFFFFF);
  TBitmap32 dst = Filled(4, 4, 0x12345678);
  StretchWithMask(0, 0, 4, false, 2, src, dst, 2, 2, 0, 0, 4);
  EXPECT_EQ(dst.Pixel(0, 0), 0xFF0000FFu);
  EXPECT_EQ(dst.Pixel(3, 0), 0xFF00FF00u);
  EXPECT_EQ(dst.Pixel(0, 3), 0xFFFF0000u);
  EXPECT_EQ(dst.Pixel(3, 3), 0xFFFFFFFFu);
}

// A sheet with a black-and-white checkerboard piece of 4 × 3 at (1, 1) and
// its black mask 3 rows below (every image pixel is copied, opaque).
TBitmap32 CheckerSheet() {
  TBitmap32 src = Filled(6, 8, 0x00FF00FF);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      src.SetPixel(1 + x, 1 + y, (x + y) % 2 ? 0x00FFFFFF : 0x00000000);
      src.SetPixel(1 + x, 4 + y, 0x00000000);
    }
  }
  return src;
}

// The piece of `src` at `piece` resampled the way smooth stretching does it.
TBitmap32 Mitchell(const TBitmap32& piece, int32_t w, int32_t h) {
  TBitmap32 out(w, h);
  ResampleBitmap(piece, out, w, kFilterMitchell, h);
  return out;
}

TEST(StretchWithMask, ShrunkSidesAndEveryCentreAreResampledWithMitchell) {
  const TBitmap32 src = CheckerSheet();
  TBitmap32 piece(4, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) piece.SetPixel(x, y, src.Pixel(1 + x, 1 + y));
  struct Row {
    int32_t w, h;
    bool centre, smooth;
    const char* why;
  };
  const Row rows[] = {
      {2, 3, false, true, "narrower at the same height: a shrunk top or bottom side"},
      {4, 2, false, true, "lower at the same width: a shrunk left or right side"},
      {3, 2, true, true, "a centre shrunk both ways"},
      {7, 5, true, true, "a centre made larger"},
      {2, 2, false, false, "a side shrunk both ways takes nearest pixels"},
      {7, 3, false, false, "a side made wider takes nearest pixels"},
  };
  for (const Row& row : rows) {
    TBitmap32 dst = Filled(row.w + 2, row.h + 2, 0x12345678);
    StretchWithMask(1, 1, row.w, row.centre, 3, src, dst, 3, 4, 1, 1, row.h);
    const TBitmap32 smooth = Mitchell(piece, row.w, row.h);
    for (int32_t y = 0; y < row.h; ++y) {
      for (int32_t x = 0; x < row.w; ++x) {
        const uint32_t got = dst.Pixel(1 + x, 1 + y);
        if (row.smooth) {
          ASSERT_EQ(got, px::WithAlpha(smooth.Pixel(x, y), 255)) << row.why << " at " << x << "," << y;
        } else {
          ASSERT_TRUE(got == 0xFF000000u || got == 0xFFFFFFFFu) << row.why << ": " << std::hex << got;
        }
      }
    }
    EXPECT_EQ(dst.Pixel(0, 0), 0x12345678u) << row.why << ": nothing outside the rectangle";
    EXPECT_EQ(dst.Pixel(row.w + 1, row.h + 1), 0x12345678u) << row.why;
  }
}

TEST(StretchWithMask, AOnePixelWideOrHighPieceIsWidenedBeforeResampling) {
  struct Row {
    int32_t piece_w, piece_h;
    const char* why;
  };
  for (const Row& row :
       {Row{1, 3, "one column repeated"}, Row{3, 1, "one row repeated"}, Row{1, 1, "one pixel fills all four"}}) {
    // The piece at (2, 1) in a sheet of other colours; its black mask 4 rows below.
    TBitmap32 src = Filled(6, 9, 0x00FF00FF);
    TBitmap32 widened(std::max(row.piece_w, 2), std::max(row.piece_h, 2));
    for (int y = 0; y < row.piece_h; ++y) {
      for (int x = 0; x < row.piece_w; ++x) {
        const uint32_t colour = 0x00102030u + static_cast<uint32_t>(x * 0x50 + y * 0x5000);
        src.SetPixel(2 + x, 1 + y, colour);
        src.SetPixel(2 + x, 5 + y, 0);
      }
    }
    for (int y = 0; y < widened.Height(); ++y)
      for (int x = 0; x < widened.Width(); ++x)
        widened.SetPixel(x, y, src.Pixel(2 + std::min(x, row.piece_w - 1), 1 + std::min(y, row.piece_h - 1)));
    TBitmap32 dst = Filled(5, 4, 0x12345678);
    StretchWithMask(0, 0, 5, true, 4, src, dst, row.piece_h, row.piece_w, 1, 2, 4);
    const TBitmap32 expected = Mitchell(widened, 5, 4);
    for (int32_t y = 0; y < 4; ++y)
      for (int32_t x = 0; x < 5; ++x)
        ASSERT_EQ(dst.Pixel(x, y), px::WithAlpha(expected.Pixel(x, y), 255)) << row.why << " at " << x << "," << y;
  }
}

}  // namespace
}  // namespace vorlan::paint
