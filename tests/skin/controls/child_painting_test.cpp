#include "skin/controls/core/child_painting.h"

#include <gtest/gtest.h>

#include "skin/controls/skin_test_controls.h"
#include "ui/form.h"

namespace vorlan::skin {
namespace {

using test::TBitmapDc;
using test::TSkinnedGraphic;
using test::TSkinnedPanel;

constexpr paint::TColor kGrey = 0x808080, kRed = 0x0000FF, kKey = paint::kKeyColor;

// A windowless child that paints one dot at (2, 2) and leaves the rest to
// what lies behind it.
class TDotGraphic : public ui::TControl {
 public:
  void Paint(HDC dc) override { test::FillDc(dc, RECT{2, 2, 3, 3}, kRed); }
};

// Every pixel different: (x, y) → colour x + 256 × y + 0x400000.
paint::TBitmap32 PatternCache(int width, int height) {
  paint::TBitmap32 cache(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) cache.SetPixel(x, y, 0xFF000000u | 0x40u << 16 | uint32_t(y) << 8 | uint32_t(x));
  }
  return cache;
}
paint::TColor PatternAt(int x, int y) { return 0x40 | y << 8 | x << 16; }

struct Scene {
  ui::TForm form;
  TSkinnedPanel& container = form.Add<TSkinnedPanel>();
  paint::TBitmap32 cache = PatternCache(60, 40);
  Scene() {
    container.SetParent(&form);
    container.SetBounds(0, 0, 60, 40);
    container.Answers.Background = btCache;
    container.Answers.Cache = &cache;
  }
  template <class T>
  T& Child(int left, int top, int width, int height) {
    T& child = form.Add<T>();
    child.SetParent(&container);
    child.SetBounds(left, top, width, height);
    return child;
  }
};

TEST(ChildPainting, ChildrenArePaintedOverTheContainersPictureAndFullyTransparentOnesAreLeftOut) {
  Scene scene;
  scene.Child<TDotGraphic>(10, 5, 6, 6);
  TSkinnedGraphic& key = scene.Child<TSkinnedGraphic>(30, 5, 6, 6);
  key.Answers.Color = kKey;  // paints nothing but the key colour
  TSkinnedGraphic& hidden = scene.Child<TSkinnedGraphic>(40, 20, 6, 6);
  hidden.Answers.Color = kRed;
  hidden.SetVisible(false);
  TSkinnedGraphic& empty = scene.Child<TSkinnedGraphic>(45, 30, 0, 6);
  empty.Answers.Color = kRed;

  TBitmapDc target(80, 60, kGrey);
  PaintGraphicChildren(target.Dc(), scene.container, true, POINT{7, 3});

  EXPECT_EQ(target.At(7 + 12, 3 + 7), kRed) << "the dot, at the child's position plus the offset";
  EXPECT_EQ(target.At(7 + 10, 3 + 5), PatternAt(10, 5)) << "behind the child: the container's picture there";
  EXPECT_EQ(target.At(7 + 15, 3 + 10), PatternAt(15, 10));
  EXPECT_EQ(target.At(7 + 16, 3 + 5), kGrey) << "only the child's rectangle is copied";
  EXPECT_EQ(target.At(7 + 9, 3 + 5), kGrey);
  EXPECT_EQ(target.At(7 + 30, 3 + 5), kGrey) << "a child whose top-left stays the key colour is not copied";
  EXPECT_EQ(target.At(7 + 33, 3 + 8), kGrey);
  EXPECT_EQ(target.At(7 + 42, 3 + 22), kGrey) << "hidden children are not painted";
  EXPECT_TRUE(hidden.Answers.Received.empty());
  EXPECT_TRUE(empty.Answers.Received.empty()) << "nor empty ones";
  const auto& asked = scene.container.Answers.Received;
  EXPECT_EQ(std::count(asked.begin(), asked.end(), scGetBackground), 1) << "the container's picture asked for once";
}

TEST(ChildPainting, AColourAnswerFillsBehindChildrenAndKeepsTheBorderStripsOfItsPicture) {
  Scene scene;
  // A colour answer whose picture holds a 3-pixel left strip.
  scene.container.Answers.Background = btColor;
  scene.container.Answers.Color = 0x00102030;
  scene.Child<TDotGraphic>(1, 10, 6, 6);
  // The stand-in does not set FillR: wrap it to add the strips.
  ui::TChainLink strips = scene.container.WindowProc().Add([&](ui::TMessage& m, const ui::TPassOn& pass_on) {
    pass_on(m);
    if (m.Msg == SM_ALPHACMD && (m.WParam >> 16) == scGetBackground) {
      auto& request = *reinterpret_cast<TSkBgRequest*>(m.LParam);
      request.Bmp = &scene.cache;
      request.FillR = RECT{3, 0, 0, 0};
    }
  });
  TBitmapDc target(60, 40, kGrey);
  PaintGraphicChildren(target.Dc(), scene.container, true);
  EXPECT_EQ(target.At(1, 11), PatternAt(1, 11)) << "inside the left strip: the picture";
  EXPECT_EQ(target.At(2, 10), PatternAt(2, 10));
  EXPECT_EQ(target.At(3, 11), 0x00102030) << "beyond the strip: the plain colour";
  EXPECT_EQ(target.At(3, 12), kRed);
}

TEST(ChildPainting, NothingIsPaintedWhenClippedAwayForbiddenOrAlreadyUnderWay) {
  Scene scene;
  TSkinnedGraphic& child = scene.Child<TSkinnedGraphic>(10, 10, 6, 6);
  child.Answers.Color = kRed;

  TBitmapDc target(60, 40, kGrey);
  {
    platform::SavedDcState state(target.Dc());
    IntersectClipRect(target.Dc(), 5, 5, 5, 5);
    PaintGraphicChildren(target.Dc(), scene.container, true);
  }
  EXPECT_EQ(scene.container.Answers.Received, std::vector<UINT>{scSetHalfVisible})
      << "an empty clip box tells the container it is half visible, and asks nothing more";
  EXPECT_EQ(target.At(12, 12), kGrey);

  scene.container.Answers.Received.clear();
  {
    platform::SavedDcState state(target.Dc());
    IntersectClipRect(target.Dc(), 30, 30, 40, 40);
    PaintGraphicChildren(target.Dc(), scene.container, true);
  }
  EXPECT_EQ(child.Answers.Received, std::vector<UINT>{scSetHalfVisible}) << "a child outside the clipping";
  EXPECT_EQ(target.At(12, 12), kGrey);

  scene.container.Answers.Background = btForbidden;
  PaintGraphicChildren(target.Dc(), scene.container, true);
  EXPECT_EQ(target.At(12, 12), kGrey) << "a container whose picture is not ready";

  scene.container.Answers.Background = btCache;
  scene.container.SetVisible(false);
  PaintGraphicChildren(target.Dc(), scene.container, true);
  EXPECT_EQ(target.At(12, 12), kGrey) << "hidden container, only when visible";

  // A child that paints the container's children again while they are painted.
  int nested = 0;
  ui::TChainLink again = child.WindowProc().Add([&](ui::TMessage& m, const ui::TPassOn& pass_on) {
    if (m.Msg == WM_PAINT && nested++ == 0) {
      TBitmapDc inner(60, 40, kGrey);
      PaintGraphicChildren(inner.Dc(), scene.container, false);
      EXPECT_EQ(inner.At(12, 12), kGrey) << "the inner call did nothing";
    }
    pass_on(m);
  });
  PaintGraphicChildren(target.Dc(), scene.container, false);
  EXPECT_EQ(nested, 1) << "painted once, the nested call skipped";
  EXPECT_EQ(target.At(12, 12), kRed) << "not only when visible";
}

TEST(ChildPainting, ExcludedChildrenAndClearedRects) {
  Scene scene;
  scene.Child<TSkinnedGraphic>(10, 10, 5, 5);
  scene.Child<TSkinnedGraphic>(20, 10, 5, 5).SetVisible(false);
  TBitmapDc target(60, 40, kGrey);
  ExcludeGraphicChildren(target.Dc(), scene.container, POINT{1, 2});
  test::FillDc(target.Dc(), RECT{0, 0, 60, 40}, kRed);
  EXPECT_EQ(target.At(11, 12), kGrey) << "the child's bounds moved by the offset stay";
  EXPECT_EQ(target.At(15, 16), kGrey);
  EXPECT_EQ(target.At(16, 17), kRed);
  EXPECT_EQ(target.At(10, 10), kRed);
  EXPECT_EQ(target.At(21, 12), kRed) << "a hidden child is painted over";

  const paint::TRect rects[] = {{1, 1, 3, 2}, {58, 38, 70, 50}};
  ClearRects(rects, target.Bitmap);
  EXPECT_EQ(target.Bitmap.Pixel(1, 1), 0u);
  EXPECT_EQ(target.Bitmap.Pixel(2, 1), 0u);
  EXPECT_NE(target.Bitmap.Pixel(3, 1), 0u);
  EXPECT_EQ(target.Bitmap.Pixel(59, 39), 0u) << "clipped to the bitmap";
}

}  // namespace
}  // namespace vorlan::skin
