// Every section of the program's own skin, painted every way the painters
// allow, never reaches outside its rectangle.
#include <gtest/gtest.h>

#include <random>

#include "draw_test_support.h"
#include "skin/data/skin_manager.h"
#include "skin/draw/section.h"
#include "skin/draw/section_alpha.h"
#include "skin/internal/internal_skin.h"

namespace vorlan::skin {
namespace {

using paint::TRect;
using test::Canvas;
using test::UntouchedOutside;

class SilentBox final : public ISkinMessageBox {
 public:
  void Show(TSkinBoxKind, std::u16string_view text) override { shown += text; }
  std::u16string shown;
};

class InternalSkinPaint : public ::testing::Test {
 protected:
  InternalSkinPaint() {
    manager.SetMessageBox(&box);
    manager.InternalSkins.Add(MakeInternalSkin());
    manager.SetSkinName(kInternalSkinName);
  }
  SilentBox box;
  TSkinManager manager;
};

TEST_F(InternalSkinPaint, NothingOutsideTheRectangleEver) {
  ASSERT_TRUE(box.shown.empty());
  const TLoadedSkin* skin = PaintingSkin(&manager);
  ASSERT_NE(skin, nullptr);
  ASSERT_GT(skin->gd.size(), 50u);
  std::mt19937 rng(3);
  paint::TBitmap32 parent(90, 70);
  for (int y = 0; y < 70; ++y)
    for (int x = 0; x < 90; ++x) parent.Row(y)[x] = static_cast<std::uint32_t>(rng());
  paint::TCacheInfo colour = paint::EmptyCacheInfo();
  colour.FillColor = 0x336699;
  const paint::TCacheInfo caches[] = {paint::EmptyCacheInfo(), colour, paint::MakeCacheInfo(&parent, 0, 0),
                                      paint::MakeCacheInfo(&parent, -30, 40)};
  const TRect rects[] = {{3, 4, 67, 36}, {10, 10, 12, 12}, {0, 0, 70, 40}, {60, 30, 61, 40}, {5, 5, 45, 9}};
  for (std::size_t i = 0; i < skin->gd.size(); ++i) {
    const auto index = static_cast<std::int32_t>(i);
    for (std::int32_t state = 0; state <= 3; ++state)
      for (const TRect& r : rects) {
        for (const paint::TCacheInfo& c : caches) {
          paint::TBitmap32 bmp = Canvas(70, 40);
          PaintSection(*skin, index, c, state, r, {r.Left, r.Top}, bmp);
          ASSERT_TRUE(UntouchedOutside(bmp, r)) << "section " << i << " state " << state;
        }
        paint::TBitmap32 bmp = Canvas(70, 40);
        PaintSectionAlpha(*skin, index, state, bmp, {0, 0}, r);
        ASSERT_TRUE(UntouchedOutside(bmp, r)) << "alpha: section " << i << " state " << state;
      }
  }
}

TEST_F(InternalSkinPaint, PanelIsHalfTransparentOverItsParent) {
  const TLoadedSkin& skin = *PaintingSkin(&manager);
  const std::int32_t panel = skin.GetSkinIndex(u"PANEL");
  ASSERT_GE(panel, 0);
  const paint::TBitmap32 parent = Canvas(40, 30, 0xFF000000);
  paint::TBitmap32 bmp = parent.Clone();
  PaintSection(skin, panel, paint::MakeCacheInfo(&parent, 0, 0), 0, bmp.Bounds(), {0, 0}, bmp);
  // Inside the 1-pixel border, row 1 is near white: half of it over black.
  const std::uint32_t p = bmp.Pixel(10, 1);
  EXPECT_NEAR(static_cast<int>(p >> 16 & 0xFF), 127, 2);
  EXPECT_EQ(p >> 24, 255u) << "opaque over opaque";
}

}  // namespace
}  // namespace vorlan::skin
