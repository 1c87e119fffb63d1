#include "skin/draw/texture.h"

#include <gtest/gtest.h>

#include "draw_test_support.h"

namespace vorlan::skin {
namespace {

using paint::TRect;
using test::Canvas;
using test::kSentinel;
using test::UntouchedOutside;

// A 4 × 3 texture at (0, 0) of the master bitmap whose every pixel tells its place.
constexpr std::uint32_t Tex(int x, int y) { return 0xFF000000u | static_cast<std::uint32_t>(y << 8 | x) | 0x100010u; }

class TextureTest : public ::testing::Test {
 protected:
  TextureTest() {
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 4; ++x) skin.Put(x, y, Tex(x, y));
    index = skin.Image({0, 0, 4, 3}, 1, 0, 0);
  }
  test::SkinBuilder skin;
  std::int32_t index = -1;
};

TEST_F(TextureTest, EachFillMode) {
  const TRect r{1, 1, 19, 15};  // 18 × 14: 4.5 tiles across, 4.67 down
  const std::optional<TRect> none;
  struct Probe {
    int x, y;
    std::uint32_t word;
  };
  struct Row {
    std::int32_t mode;
    std::optional<TRect> rest;
    std::vector<Probe> probes;
    const char* why;
  } rows[] = {
      {0,
       none,
       {{1, 1, Tex(0, 0)}, {6, 5, Tex(1, 1)}, {18, 14, Tex(1, 1)}},
       "tiled; partial tiles close rows and columns"},
      {1, none, {{1, 1, Tex(0, 0)}, {18, 14, Tex(3, 2)}}, "stretched"},
      {2, TRect{1, 4, 19, 15}, {{5, 3, Tex(0, 2)}, {5, 4, kSentinel}}, "band at the top, tiled"},
      {3, TRect{5, 1, 19, 15}, {{4, 13, Tex(3, 0)}, {5, 13, kSentinel}}, "column at the left, tiled"},
      {4, TRect{1, 4, 19, 15}, {{1, 1, Tex(0, 0)}, {18, 3, Tex(3, 2)}}, "band at the top, stretched"},
      {5, TRect{5, 1, 19, 15}, {{1, 1, Tex(0, 0)}, {4, 14, Tex(3, 2)}}, "column at the left, stretched"},
      {6, TRect{1, 1, 19, 12}, {{1, 12, Tex(0, 0)}, {1, 11, kSentinel}}, "band at the bottom"},
      {7, TRect{1, 1, 15, 15}, {{15, 1, Tex(0, 0)}, {14, 1, kSentinel}}, "column at the right"},
      {8, none, {{6, 5, Tex(1, 1)}}, "mode 8 is painted as mode 0"},
      {9, none, {{6, 5, Tex(1, 1)}}, "mode 9 is painted as mode 0"},
      {10, none, {{16, 12, Tex(3, 2)}, {17, 1, kSentinel}, {1, 13, kSentinel}}, "whole tiles only"},
      {11, none, {{18, 1, Tex(3, 0)}, {18, 14, Tex(3, 1)}}, "rows stretched across, the last one cut"},
      {12, none, {{1, 14, Tex(0, 2)}, {18, 14, Tex(1, 2)}}, "columns stretched down, the last one cut"},
  };
  for (const Row& row : rows) {
    paint::TBitmap32 bmp = Canvas(20, 16);
    const auto rest = PaintTexture(bmp, r, paint::EmptyCacheInfo(), row.mode, SkinImage(skin.Skin(), index));
    EXPECT_EQ(rest, row.rest) << row.why;
    EXPECT_TRUE(UntouchedOutside(bmp, r)) << row.why;
    for (const Probe& p : row.probes) EXPECT_EQ(bmp.Pixel(p.x, p.y), p.word) << row.why << " at " << p.x << "," << p.y;
  }
}

TEST_F(TextureTest, BandsAreCutToTheRectangle) {
  paint::TBitmap32 bmp = Canvas(10, 10);
  EXPECT_EQ(PaintTexture(bmp, {2, 2, 8, 4}, paint::EmptyCacheInfo(), tmTopBand, SkinImage(skin.Skin(), index)),
            std::nullopt)
      << "a band higher than the rectangle covers it all";
  EXPECT_TRUE(UntouchedOutside(bmp, {2, 2, 8, 4}));
}

TEST_F(TextureTest, MaskedTexturesShowTheParentThroughKeyPixelsAndAtTheEdges) {
  // Image rows 10..11 over mask rows 12..13: black mask (copy), key pixel at (1, 10).
  skin.Fill({0, 10, 2, 12}, 0xFF102030);
  skin.Put(1, 10, paint::kKeyPixel);
  skin.Fill({0, 12, 2, 14}, 0xFF000000);
  const std::int32_t masked = skin.Image({0, 10, 2, 14}, 1, 1, tmWholeTiles);
  paint::TBitmap32 parent = Canvas(10, 10, 0xFFABCDEF);
  paint::TBitmap32 bmp = Canvas(10, 10);
  const TRect r{1, 1, 6, 6};  // 5 × 5: two whole tiles each way, one-pixel strips left
  PaintTexture(bmp, r, paint::MakeCacheInfo(&parent, 0, 0), tmWholeTiles, SkinImage(skin.Skin(), masked));
  EXPECT_TRUE(UntouchedOutside(bmp, r));
  EXPECT_EQ(bmp.Pixel(1, 1), 0xFF102030u) << "black mask: the image pixel, alpha 255 with a ready parent";
  EXPECT_EQ(bmp.Pixel(2, 1), 0xFFABCDEFu) << "key pixel: the parent's";
  EXPECT_EQ(bmp.Pixel(5, 3), 0xFFABCDEFu) << "right strip: the parent's";
  EXPECT_EQ(bmp.Pixel(2, 5), 0xFFABCDEFu) << "bottom strip: the parent's";
  paint::TBitmap32 other = Canvas(10, 10);
  EXPECT_EQ(PaintTexture(other, r, paint::EmptyCacheInfo(), tmTopBand, SkinImage(skin.Skin(), masked)), r)
      << "masked textures only tile";
}

TEST_F(TextureTest, InvalidInputPaintsNothing) {
  paint::TBitmap32 bmp = Canvas(10, 10);
  EXPECT_EQ(PaintTexture(bmp, {-1, 0, 5, 5}, paint::EmptyCacheInfo(), 0, SkinImage(skin.Skin(), index)),
            TRect({-1, 0, 5, 5}));
  EXPECT_EQ(PaintTexture(bmp, {0, 0, 5, 5}, paint::EmptyCacheInfo(), 0, SkinImage(skin.Skin(), 99)),
            TRect({0, 0, 5, 5}));
  skin.Mask(index).R = {60, 60, 70, 70};  // outside the master bitmap
  EXPECT_FALSE(SkinImage(skin.Skin(), index));
  EXPECT_TRUE(UntouchedOutside(bmp, {}));
}

}  // namespace
}  // namespace vorlan::skin
