// The portable triangle fill beside the platform's GradientFill.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "draw_test_support.h"
#include "paint/pixel_math.h"
#include "skin/draw/gradient.h"
#include "skin/draw/triangle_gradient.h"

namespace vorlan::skin {
namespace {

namespace px = paint::px;

TRIVERTEX ToTriVertex(const TGradientVertex& v) {
  TRIVERTEX t{};
  t.x = v.X;
  t.y = v.Y;
  t.Red = v.Red;
  t.Green = v.Green;
  t.Blue = v.Blue;
  t.Alpha = v.Alpha;
  return t;
}

// Triangles drawn by GradientFill into a bitmap's DIB section.
void PlatformFill(paint::TBitmap32& bmp, const std::vector<std::array<TGradientVertex, 3>>& triangles) {
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  HGDIOBJ old = SelectObject(dc, static_cast<HBITMAP>(bmp.NativeHandle()));
  for (const auto& t : triangles) {
    TRIVERTEX v[3] = {ToTriVertex(t[0]), ToTriVertex(t[1]), ToTriVertex(t[2])};
    GRADIENT_TRIANGLE index{0, 1, 2};
    EXPECT_TRUE(GradientFill(dc, v, 3, &index, 1, GRADIENT_FILL_TRIANGLE));
  }
  GdiFlush();
  SelectObject(dc, old);
  DeleteDC(dc);
}

::testing::AssertionResult WithinOne(const paint::TBitmap32& ours, const paint::TBitmap32& theirs) {
  for (int y = 0; y < ours.Height(); ++y)
    for (int x = 0; x < ours.Width(); ++x) {
      const std::uint32_t a = ours.Pixel(x, y), b = theirs.Pixel(x, y);
      for (int shift : {0, 8, 16, 24})
        if (std::abs(px::Channel(a, shift) - px::Channel(b, shift)) > 1)
          return ::testing::AssertionFailure()
                 << "at " << x << "," << y << ": ours " << std::hex << a << ", GradientFill " << b;
    }
  return ::testing::AssertionSuccess();
}

TGradientVertex V(int x, int y, std::uint32_t rgb) {
  return {x,
          y,
          static_cast<std::uint16_t>((rgb >> 16 & 0xFF) << 8),
          static_cast<std::uint16_t>((rgb >> 8 & 0xFF) << 8),
          static_cast<std::uint16_t>((rgb & 0xFF) << 8),
          0xFF00};
}

TEST(TriangleGradient, MatchesGradientFillWithinOne) {
  std::vector<std::vector<std::array<TGradientVertex, 3>>> cases = {
      {{V(0, 0, 0xFF0000), V(100, 0, 0x00FF00), V(0, 100, 0x0000FF)}},
      {{V(5, 3, 0xFFFFFF), V(90, 40, 0x000000), V(20, 110, 0x808080)}},
      {{V(60, 0, 0x123456), V(119, 119, 0xFEDCBA), V(0, 80, 0x00FF7F)}},
      {{V(0, 0, 0xFF0000), V(1, 119, 0x00FF00), V(119, 60, 0x0000FF)}},
      {{V(10, 10, 0x102030), V(11, 11, 0x405060), V(12, 10, 0x708090)}},
  };
  std::mt19937 rng(17);
  for (int i = 0; i < 40; ++i) {
    std::array<TGradientVertex, 3> t;
    for (auto& v : t) v = V(static_cast<int>(rng() % 130) - 5, static_cast<int>(rng() % 130) - 5, rng() & 0xFFFFFF);
    cases.push_back({t});
  }
  for (std::size_t i = 0; i < cases.size(); ++i) {
    paint::TBitmap32 ours = test::Canvas(120, 120), theirs = test::Canvas(120, 120);
    for (const auto& t : cases[i]) FillGradientTriangle(ours, t[0], t[1], t[2], ours.Bounds());
    PlatformFill(theirs, cases[i]);
    EXPECT_TRUE(WithinOne(ours, theirs)) << "case " << i;
  }
}

TEST(TriangleGradient, FourTriangleGradientMatchesGradientFill) {
  const TSkinGradArray g = {{0x0000FF, 0, 0, 2, 0},
                            {0xFFFFFF, 0, 0, 0, 0},
                            {0x00FF00, 0, 0, 0, 0},
                            {0xFF0000, 0, 0, 0, 0},
                            {0x336699, 0, 0, 0, 0}};
  for (const paint::TRect& r : {paint::TRect{0, 0, 120, 120}, paint::TRect{7, 3, 101, 58}, paint::TRect{1, 1, 4, 3}}) {
    paint::TBitmap32 ours = test::Canvas(120, 120), theirs = test::Canvas(120, 120);
    PaintGradient(ours, r, g);
    const auto colour = [&](std::size_t i) {
      const auto c = static_cast<std::uint32_t>(g[i].Color1);
      return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
    };
    const TGradientVertex v[5] = {
        V(r.Left, r.Top, colour(0)), V(r.Left + r.Width() / 2, r.Top + r.Height() / 2, colour(1)),
        V(r.Right, r.Top, colour(2)), V(r.Right, r.Bottom, colour(3)), V(r.Left, r.Bottom, colour(4))};
    PlatformFill(theirs, {{v[0], v[1], v[2]}, {v[1], v[2], v[3]}, {v[0], v[1], v[4]}, {v[4], v[1], v[3]}});
    EXPECT_TRUE(WithinOne(ours, theirs)) << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom;
  }
}

}  // namespace
}  // namespace vorlan::skin
