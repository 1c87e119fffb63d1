#include <gtest/gtest.h>

#include "paint/adjust.h"
#include "paint/fills.h"
#include "skinned_test_controls.h"

namespace vorlan::skin::test {
namespace {

using Form = Skinned<TPopupForm>;
using Box = Skinned<ui::TWinControl>;

constexpr TColor kColor = 0x000064C8;  // R 200, G 100, B 0

class ControlPaint : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(DefaultManager(), &skin.manager);
    formSection = skin.Section(u"FORM", 0x00804020);
    skin.Texture(formSection, paint::MakeRect(0, 0, 16, 16));
  }
  // A form and a box of the section at (7, 5), both loaded.
  Box& MakeBox(std::u16string section) {
    form = ui::MakeOwned<Form>(u"FORM");
    form->SetBounds(0, 0, 80, 60);
    Box& box = form->Add<Box>(std::move(section));
    box.SetBounds(7, 5, 20, 16);
    box.SetParent(form.get());
    form->Data().Loaded();
    box.Data().Loaded();
    return box;
  }
  static paint::TBitmap32 KeyCanvas(int w, int h) {
    paint::TBitmap32 bmp(w, h, paint::TRowOrder::TopDown);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) bmp.Row(y)[x] = paint::kKeyPixel;
    return bmp;
  }
  TestSkin skin;
  std::int32_t formSection = -1;
  ui::TOwned<Form> form;
};

TEST_F(ControlPaint, AdjustmentsCoverTheWholePictureButKeyPixelsAndSaturationIsUnscaledHere) {
  skin.Section(u"BOX", kColor);
  Box& box = MakeBox(u"BOX");
  box.Data().FSaturation = -50;
  paint::TBitmap32 bmp = KeyCanvas(10, 10);
  PaintControlSkin(box.Data(), paint::EmptyCacheInfo(), 0, {0, 0, 6, 6}, {0, 0}, bmp, true, -1, -1);
  const std::uint32_t plain = Opaque(kColor);
  EXPECT_EQ(bmp.Pixel(2, 2), paint::AdjustSaturation(plain, -50)) << "the amount itself";
  EXPECT_NE(paint::AdjustSaturation(plain, -50), paint::AdjustSaturation(plain, -127));
  EXPECT_EQ(bmp.Pixel(8, 8), paint::kKeyPixel) << "key pixels are spared";

  // The published adjustment scales it by 255 / 100 (−50 → −127).
  paint::TBitmap32 again = KeyCanvas(10, 10);
  paint::FillRect32(again, {0, 0, 6, 6}, kColor, 255);
  ApplyColorAdjustments(again, box.Data(), 0);
  EXPECT_EQ(again.Pixel(2, 2), paint::AdjustSaturation(plain, -127));

  // Tone and hue: unless "none" and 0.
  box.Data().FSaturation = 0;
  box.Data().FColorTone = 0x00FF0000;  // blue tone
  paint::TBitmap32 toned = KeyCanvas(10, 10);
  PaintControlSkin(box.Data(), paint::EmptyCacheInfo(), 0, {0, 0, 6, 6}, {0, 0}, toned, true, -1, -1);
  EXPECT_EQ(toned.Pixel(1, 1), paint::ToneColor(plain, 0x00FF0000));
}

TEST_F(ControlPaint, ACustomColourReplacesTheSectionAndATransparentStateWithoutBorderIsNotAdjusted) {
  const std::int32_t s = skin.Section(u"BOX", kColor);
  skin.At(s).Props[1].Transparency = 100;
  Box& box = MakeBox(u"BOX");
  box.SetColor(0x00112233);
  box.Data().FCustomColor = true;
  box.Data().FSaturation = -100;
  paint::TBitmap32 bmp = KeyCanvas(6, 6);
  PaintControlSkin(box.Data(), paint::EmptyCacheInfo(), 0, bmp.Bounds(), {0, 0}, bmp, true, -1, -1);
  EXPECT_EQ(bmp.Pixel(0, 0), paint::AdjustSaturation(Opaque(0x00112233), -100));

  // State 1 shows only the parent (transparency 100) and has no border: the
  // parent's pixels are kept as they are, not greyed.
  box.Data().FCustomColor = false;
  SendMessageW(form->Handle(), SM_ALPHACMD, MakeSkinWParam(scPrepareCache), 0);
  const paint::TBitmap32& parent = form->Cache();
  paint::TBitmap32 hot = KeyCanvas(6, 6);
  PaintControlSkin(box.Data(), paint::MakeCacheInfo(&parent, 0, 0), 1, hot.Bounds(), {7, 5}, hot, true, -1, -1);
  EXPECT_EQ(hot.Pixel(3, 2), parent.Pixel(10, 7));
}

TEST_F(ControlPaint, ABorderHiddenInStateZeroAppearsInStateOneAndCornersShowTheNewParent) {
  const std::int32_t s = skin.Section(u"BOX", kColor);
  const std::int32_t border = skin.Border(s, paint::MakeRect(20, 20, 12, 12), 3, 2);
  skin.Master().Row(20)[20] = paint::kKeyPixel;  // the top-left corner's first pixel shows the parent
  skin.manager.Skin.ma[static_cast<std::size_t>(border)].CornerType = 1;
  Box& box = MakeBox(u"BOX");
  EXPECT_EQ(BorderWidth(box.Data()), 0) << "hidden in state 0";

  PrepareCacheBmp(box.Data());
  paint::TBitmap32& cache = *box.Data().FCacheBmp;
  ASSERT_EQ(cache.Width(), 20);
  PaintControlSkin(box.Data(), paint::EmptyCacheInfo(), 0, cache.Bounds(), {7, 5}, cache, false, -1, -1);
  EXPECT_EQ(cache.Pixel(1, 1), Opaque(kColor)) << "no border in state 0";
  PaintControlSkin(box.Data(), paint::EmptyCacheInfo(), 1, cache.Bounds(), {7, 5}, cache, false, -1, -1);
  EXPECT_EQ(cache.Pixel(1, 1), skin.Master().Pixel(21, 21)) << "the border in state 1";
  EXPECT_EQ(cache.Pixel(0, 0) & 0xFFFFFF, 0xFF00FFu) << "the parent is unknown yet";

  // The parent's picture arrives: the corner's key pixel takes it.
  RepaintCorners(box.Data(), 1, kCornerTopLeftBit);
  const paint::TBitmap32& parent = form->Cache();
  EXPECT_EQ(cache.Pixel(0, 0), parent.Pixel(7, 5));
  EXPECT_EQ(cache.Pixel(1, 1), skin.Master().Pixel(21, 21)) << "other corner pixels stay";
  // Only the selected corners.
  skin.Master().Row(20)[31] = paint::kKeyPixel;
  PaintControlSkin(box.Data(), paint::EmptyCacheInfo(), 1, cache.Bounds(), {7, 5}, cache, false, -1, -1);
  RepaintCorners(box.Data(), 1, kCornerBottomRightBit);
  EXPECT_EQ(cache.Pixel(19, 0) & 0xFFFFFF, 0xFF00FFu) << "the top-right corner was not asked for";
  RepaintCorners(box.Data(), 1, kAllCorners);
  EXPECT_EQ(cache.Pixel(19, 0), parent.Pixel(7 + 19, 5));
}

TEST_F(ControlPaint, ASectionPaintedToAContextLandsAtTheRectanglesCorner) {
  skin.Section(u"BOX", kColor);
  paint::TBitmap32 target(20, 20);  // white
  const platform::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  const platform::SelectGuard select(dc.get(), static_cast<HBITMAP>(target.NativeHandle()));
  PaintSectionToDC(1, paint::EmptyCacheInfo(), &skin.manager, dc.get(), {0, 0}, {5, 6, 9, 10}, 0);
  PaintSectionToDC(7, paint::EmptyCacheInfo(), &skin.manager, dc.get(), {0, 0}, {0, 0, 4, 4}, 0);
  PaintSectionToDC(1, paint::EmptyCacheInfo(), &skin.manager, dc.get(), {0, 0}, {-1, 0, 4, 4}, 0);
  GdiFlush();
  EXPECT_EQ(target.Pixel(5, 6) & 0xFFFFFF, Opaque(kColor) & 0xFFFFFF);
  EXPECT_EQ(target.Pixel(8, 9) & 0xFFFFFF, Opaque(kColor) & 0xFFFFFF);
  EXPECT_EQ(target.Pixel(9, 9) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(target.Pixel(4, 6) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(target.Pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu) << "an invalid index or a negative corner paints nothing";
}

}  // namespace
}  // namespace vorlan::skin::test
