#include "paint/copies.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "paint/pixel_math.h"
#include "paint_test_util.h"

namespace vorlan::paint {
namespace {

using testing::Ch;
using testing::Filled;

constexpr uint32_t kRed = 0x80FF0000;
constexpr uint32_t kDst = 0x11223344;
constexpr uint32_t kParent = 0x55667788;

TEST(CopyKeyed, LeavesKeyOutAndMakesCopiesOpaque) {
  TBitmap32 src = Filled(2, 2, kRed);
  src.SetPixel(1, 1, kKeyPixel);
  TBitmap32 dst = Filled(3, 3, kDst);
  CopyKeyed(dst, src, 1, kKeyColor, 1);
  EXPECT_EQ(dst.Pixel(0, 0), kDst);
  EXPECT_EQ(dst.Pixel(1, 1), 0xFFFF0000u);
  EXPECT_EQ(dst.Pixel(2, 2), kDst) << "key pixel left out";
  CopyKeyed(dst, src, -1, kKeyColor, -1);
  EXPECT_EQ(dst.Pixel(0, 0), kDst) << "src (1,1) is key";
}

TEST(CopyKeyedRect, KeyPixelsFollowTheCacheInfo) {
  TBitmap32 parent = Filled(4, 4, kParent);
  struct Case {
    TCacheInfo ci;
    bool use_parent;
    uint32_t key_result, other_result;
    const char* why;
  } cases[] = {
      {MakeCacheInfo(&parent, 1, 1), true, kParent, kRed, "parent pixel replaces key; others as they are"},
      {MakeCacheInfo(&parent, 1, 1), false, kDst, kRed, "ready without parent: key left alone"},
      {{nullptr, 0, 0, 0x00112233, {}, false}, false, 0x00332211, kRed, "not ready: fill colour, alpha 0"},
      {{nullptr, 0, 0, 0x00112233, {}, false}, true, 0x00332211, kRed, "not ready ignores useParent"},
  };
  for (const auto& c : cases) {
    TBitmap32 src = Filled(2, 1, kRed);
    src.SetPixel(0, 0, kKeyPixel);
    TBitmap32 dst = Filled(2, 1, kDst);
    CopyKeyedRect(dst, src, 0, c.use_parent, c.ci, kKeyColor, {0, 0, 1, 0}, 0);
    EXPECT_EQ(dst.Pixel(0, 0), c.key_result) << c.why;
    EXPECT_EQ(dst.Pixel(1, 0), c.other_result) << c.why;
  }
}

TEST(CopyKeyedRect, ParentIsTheDestination) {
  TBitmap32 src = Filled(2, 1, kRed);
  src.SetPixel(0, 0, kKeyPixel);
  TBitmap32 dst = Filled(2, 1, kDst);
  CopyKeyedRect(dst, src, 0, true, MakeCacheInfo(&dst, 0, 0), kKeyColor, {0, 0, 5, 5}, 0);
  EXPECT_EQ(dst.Pixel(0, 0), kDst);
  EXPECT_EQ(dst.Pixel(1, 0), 0xFFFF0000u) << "alpha set to 255";
}

TEST(CopyKeyedRect, ParentEdgesStopTheCopy) {
  TBitmap32 parent = Filled(2, 1, kParent);
  TBitmap32 src = Filled(3, 2, kKeyPixel);
  TBitmap32 dst = Filled(3, 2, kDst);
  CopyKeyedRect(dst, src, 0, true, MakeCacheInfo(&parent, 0, 0), kKeyColor, {0, 0, 2, 1}, 0);
  EXPECT_EQ(dst.Pixel(1, 0), kParent);
  EXPECT_EQ(dst.Pixel(2, 0), kDst) << "column past the parent's right edge ends the row";
  EXPECT_EQ(dst.Pixel(0, 1), kDst) << "row outside the parent skipped";
}

TEST(BlendKeyedRect, MixesByKAndSkipsKey) {
  std::mt19937 rng(3);
  for (int i = 0; i < 5000; ++i) {
    const uint32_t s = rng() | 1;  // never the key word
    const uint32_t d = rng();
    const double k = (rng() % 1001) / 1000.0;
    TBitmap32 src = Filled(1, 1, s);
    TBitmap32 dst = Filled(1, 1, d);
    BlendKeyedRect(dst, 0, 0, kKeyColor, k, {0, 0, 0, 0}, src);
    for (int shift : {0, 8, 16}) {
      const int sc = Ch(s, shift), dc = Ch(d, shift);
      ASSERT_EQ(Ch(dst.Pixel(0, 0), shift), std::trunc(sc - (sc - dc) * k)) << sc << " " << dc << " " << k;
    }
    ASSERT_EQ(Ch(dst.Pixel(0, 0), 24), Ch(d, 24));
  }
  TBitmap32 src = Filled(1, 1, kKeyPixel);
  TBitmap32 dst = Filled(1, 1, kDst);
  BlendKeyedRect(dst, 0, 0, kKeyColor, 0.0, {0, 0, 0, 0}, src);
  EXPECT_EQ(dst.Pixel(0, 0), kDst);
}

TEST(BlendBitmaps, WeightIsTheShareOfTheDestination) {
  struct Case {
    int d, s, weight, expected;
    const char* why;
  } cases[] = {
      {255, 0, 255, 254, "weight 255 is not exactly the destination"},
      {200, 13, 0, 13, "weight 0 gives the source"},
      {100, 200, 128, 150, "half"},
      {0, 255, 255, 0, "255 × 256 − 255 × 255 = 255 → 0"},
  };
  for (const auto& c : cases) {
    TBitmap32 dst = Filled(1, 1, px::Pack(c.d, c.d, c.d, c.d));
    TBitmap32 src = Filled(1, 1, px::Pack(c.s, c.s, c.s, c.s));
    BlendBitmaps(dst, src, c.weight, {0, 0}, {0, 0, 0, 0});
    EXPECT_EQ(dst.Pixel(0, 0), px::Pack(c.expected, c.expected, c.expected, c.expected)) << c.why;
  }
}

TEST(BlendBitmaps, ClipsSourceAndDestination) {
  TBitmap32 src = Filled(3, 3, 0xFFFFFFFF);
  TBitmap32 dst = Filled(3, 3, 0);
  BlendBitmaps(dst, src, 0, {-1, 1}, {0, 0, 99, 99});
  std::string got;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) got += dst.Pixel(x, y) ? '#' : '.';
  EXPECT_EQ(got, "...##.##.") << "negative x moves the source start; the rest is clipped";
}

TEST(FillKeyFromBitmap, TestsTheMaskCornerWhateverItsAlpha) {
  // A 4 × 4 mask frame whose top-right 2 × 2 corner has magenta at (3, 0).
  TBitmap32 mask = Filled(4, 4, 0xFF000000);
  mask.SetPixel(3, 0, 0x12FF00FF);
  mask.SetPixel(0, 0, 0x00FF00FF);
  TMaskCorner corner{&mask, {0, 0, 4, 4}, 4, 4, 2, 2};
  struct Case {
    int kind;
    uint32_t expected_at_1_0;
    uint32_t expected_at_0_0;
    const char* why;
  } cases[] = {
      {kCornerTopRight, 0xAAAAAAAA, 0, "offset frame width − WR"},
      {kCornerTopLeft, 0, 0xAAAAAAAA, "no offset"},
      {99, 0, 0xAAAAAAAA, "unknown kind acts as top-left"},
      {kCornerBottomRight, 0, 0, "nothing magenta there"},
  };
  for (const auto& c : cases) {
    TBitmap32 src = Filled(2, 2, 0xAAAAAAAA);
    TBitmap32 dst = Filled(2, 2, 0);
    FillKeyFromBitmap(dst, src, {0, 0, 2, 2}, {0, 0}, &corner, c.kind);
    EXPECT_EQ(dst.Pixel(1, 0), c.expected_at_1_0) << c.why;
    EXPECT_EQ(dst.Pixel(0, 0), c.expected_at_0_0) << c.why;
  }
  TBitmap32 src = Filled(2, 1, 0xAAAAAAAA);
  TBitmap32 dst = Filled(2, 1, 0);
  dst.SetPixel(1, 0, 0x7FFF00FF);
  FillKeyFromBitmap(dst, src, {0, 0, 2, 1}, {0, 0}, nullptr, 0);
  EXPECT_EQ(dst.Pixel(0, 0), 0u);
  EXPECT_EQ(dst.Pixel(1, 0), 0xAAAAAAAAu) << "without a mask the destination pixel is tested";
}

TEST(FillKeyFromBitmap, RectanglesOverAnyEdgeTouchOnlyWhatLiesInsideEverything) {
  // Source pixels carry their own position; the destination is all key colour.
  TBitmap32 src(5, 4);
  for (int32_t y = 0; y < 4; ++y)
    for (int32_t x = 0; x < 5; ++x) src.SetPixel(x, y, 0xFF000000u | uint32_t(y << 8 | x));
  TBitmap32 mask = Filled(3, 3, 0x00FF00FF);  // a mask smaller than the area: only its 3 × 3 are tested
  TMaskCorner corner{&mask, {0, 0, 3, 3}, 3, 3, 0, 0};
  struct Case {
    TRect rect;
    TPoint from;
    bool masked;
    const char* why;
  } cases[] = {
      {{-2, -1, 3, 2}, {0, 0}, false, "over the left and top edges"},
      {{2, 2, 7, 6}, {1, 0}, false, "over the right and bottom edges"},
      {{-1, -1, 5, 5}, {0, 0}, false, "over all four"},
      {{1, 0, 4, 4}, {3, 2}, false, "more than the source holds from its point"},
      {{-1, 0, 4, 4}, {0, 0}, true, "a mask smaller than the rectangle"},
  };
  for (const auto& c : cases) {
    TBitmap32 dst = Filled(4, 4, 0x00FF00FF);
    FillKeyFromBitmap(dst, src, c.rect, c.from, c.masked ? &corner : nullptr, kCornerTopLeft);
    for (int32_t y = 0; y < 4; ++y) {
      for (int32_t x = 0; x < 4; ++x) {
        const int32_t i = x - c.rect.Left, row = y - c.rect.Top;
        const bool inside = i >= 0 && row >= 0 && i < c.rect.Width() && row < c.rect.Height() &&
                            src.Contains(c.from.X + i, c.from.Y + row) && (!c.masked || mask.Contains(i, row));
        const uint32_t expected = inside ? src.Pixel(c.from.X + i, c.from.Y + row) : 0x00FF00FFu;
        EXPECT_EQ(dst.Pixel(x, y), expected) << c.why << " at " << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace vorlan::paint
