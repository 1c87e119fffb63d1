#include "paint/fills.h"

#include <gtest/gtest.h>

#include <random>

#include "paint/pixel_math.h"
#include "paint_test_util.h"

namespace vorlan::paint {
namespace {

using testing::Ch;
using testing::Filled;

// Which pixels of a 6 × 4 bitmap a routine changed, as a picture of '#' and '.'.
std::string Changed(const TBitmap32& bmp, uint32_t untouched) {
  std::string out;
  for (int y = 0; y < bmp.Height(); ++y) {
    for (int x = 0; x < bmp.Width(); ++x) out += bmp.Pixel(x, y) == untouched ? '.' : '#';
    out += '/';
  }
  return out;
}

TEST(FillRect32, ClipsToTheBitmapWithExclusiveEdges) {
  struct Case {
    TRect rect;
    std::string changed;
    const char* why;
  } cases[] = {
      {{1, 1, 3, 2}, "....../.##.../....../....../", "exclusive right and bottom"},
      {{-5, -5, 1, 1}, "#...../....../....../....../", "negative start clipped"},
      {{4, 2, 100, 100}, "....../....../....##/....##/", "far end clipped"},
      {{3, 3, 1, 1}, "....../....../....../....../", "inverted rectangle paints nothing"},
      {{-1, 1, 9, 3}, "....../######/######/....../", "whole rows"},
      {{0, 3, 6, 4}, "....../....../....../######/", "the last whole row"},
  };
  for (const auto& c : cases) {
    for (TRowOrder order : {TRowOrder::BottomUp, TRowOrder::TopDown}) {
      TBitmap32 bmp = Filled(6, 4, 0, order);
      FillRect32(bmp, c.rect, 0x00332211, 0x44);
      EXPECT_EQ(Changed(bmp, 0), c.changed) << c.why << (order == TRowOrder::TopDown ? " (top-down)" : "");
    }
  }
  TBitmap32 bmp = Filled(2, 2, 0);
  FillRect32(bmp, {0, 0, 1, 1}, 0x00332211, 0x44);
  EXPECT_EQ(bmp.Pixel(0, 0), 0x44112233u) << "colour 0x00BBGGRR stored as B, G, R, alpha";
}

TEST(BlendColorRect, RightAndBottomAreInclusive) {
  TBitmap32 bmp = Filled(6, 4, 0);
  BlendColorRect(bmp, {1, 1, 3, 2}, 0, 0x00FFFFFF);
  EXPECT_EQ(Changed(bmp, 0), "....../.###../.###../....../");
  TBitmap32 all = Filled(6, 4, 0);
  BlendColorRect(all, {-3, -3, 50, 50}, 0, 0x00FFFFFF);
  EXPECT_EQ(Changed(all, 0), "######/######/######/######/") << "clamped to width − 1 and height − 1";
}

TEST(BlendColorRect, RoundsHalfToEvenAndKeepsAlpha) {
  struct Case {
    int channel, percent, colour, expected;
    const char* why;
  } cases[] = {
      {1, 50, 0, 0, "0.5 rounds to 0"},
      {3, 50, 0, 2, "1.5 rounds to 2"},
      {5, 50, 0, 2, "2.5 rounds to 2"},
      {200, 100, 0, 200, "percent is the share that stays"},
      {200, 0, 17, 17, "percent 0 gives the colour"},
      {10, 25, 20, 18, "10 × .25 + 20 × .75 = 17.5 → 18"},
  };
  for (const auto& c : cases) {
    TBitmap32 bmp = Filled(1, 1, px::Pack(c.channel, c.channel, c.channel, 0x5A));
    const TColor colour = c.colour | c.colour << 8 | c.colour << 16;
    BlendColorRect(bmp, {0, 0, 0, 0}, c.percent, colour);
    EXPECT_EQ(bmp.Pixel(0, 0), px::Pack(c.expected, c.expected, c.expected, 0x5A)) << c.why;
  }
}

TEST(FadeRectToColor, MatchesTheTruncatingFormula) {
  std::mt19937 rng(7);
  for (int i = 0; i < 20000; ++i) {
    const uint32_t p = rng();
    const auto colour = static_cast<TColor>(rng() & 0xFFFFFF);
    const int percent = static_cast<int>(rng() % 101);
    TBitmap32 bmp = Filled(1, 1, p);
    FadeRectToColor(bmp, {0, 0, 1, 1}, colour, 0x80, percent);
    const uint32_t c = ColorToPixel(colour);
    for (int shift : {0, 8, 16}) {
      const int ch = Ch(p, shift), cc = Ch(c, shift);
      ASSERT_EQ(Ch(bmp.Pixel(0, 0), shift), ch - percent * (ch - cc) / 100) << std::hex << p << " " << colour;
    }
    ASSERT_EQ(Ch(bmp.Pixel(0, 0), 24), 0x80);
  }
}

TEST(SetAlphaRect, SparesPixelsEqualToTheKey) {
  TBitmap32 bmp = Filled(3, 1, 0x10203040);
  bmp.SetPixel(1, 0, 0x00FF00FF);
  SetAlphaRect(bmp, {0, 0, 3, 1}, 0xEE, 0x00FF00FF);
  EXPECT_EQ(bmp.Pixel(0, 0), 0xEE203040u);
  EXPECT_EQ(bmp.Pixel(1, 0), 0x00FF00FFu) << "key word spared";
  SetAlphaRect(bmp, {1, 0, 2, 1}, 0x11, kNoColor);
  EXPECT_EQ(bmp.Pixel(1, 0), 0x11FF00FFu) << "no key: every pixel";
}

TEST(FillFrame32, PaintsFourStripsAndLeavesTheCentre) {
  TBitmap32 bmp = Filled(6, 4, 0);
  FillFrame32(bmp, {0, 0, 6, 4}, 1, 0x0000FF, 1, 2, 1);
  EXPECT_EQ(Changed(bmp, 0), "######/#...##/#...##/######/");
  EXPECT_EQ(bmp.Pixel(0, 0), 0xFFFF0000u) << "opaque red";
}

}  // namespace
}  // namespace vorlan::paint
