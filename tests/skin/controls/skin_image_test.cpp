#include <gtest/gtest.h>

#include "paint/fills.h"
#include "paint/resample.h"
#include "skin/controls/widgets/skin_image.h"
#include "skin/controls/widgets/skin_panel.h"
#include "skin_window_fixture.h"

namespace vorlan::skin::test {
namespace {

struct FitRow {
  paint::TSize picture, area;
  bool stretch, proportional, reflected;
  paint::TSize expected;
  const char* why;
};

TEST(SkinImageFit, PicturesFitTheirAreaByTheRoundingRule) {
  const FitRow rows[] = {
      {{400, 200}, {264, 133}, true, true, false, {264, 132}, "the banner: width-bound, one row left below"},
      {{100, 400}, {264, 133}, true, true, false, {33, 133}, "a tall picture: height-bound, R(0.25 x 133) = 33"},
      {{4, 1}, {10, 10}, true, true, false, {10, 2}, "R(2.5) = 2: a half goes to the even side"},
      {{4, 1}, {14, 10}, true, true, false, {14, 4}, "R(3.5) = 4"},
      {{200, 400}, {100, 30}, true, true, false, {15, 30}, "tall into a wide area"},
      {{400, 100}, {100, 20}, true, true, false, {80, 20}, "wide but still height-bound"},
      {{100, 100}, {50, 80}, true, true, false, {50, 50}, "a square picture in a tall area is width-bound"},
      {{400, 200}, {264, 133}, true, false, false, {264, 133}, "without proportion the whole area"},
      {{400, 200}, {264, 133}, true, false, true, {264, 88}, "a reflection takes the lower third"},
      {{400, 200}, {264, 133}, false, true, false, {400, 200}, "without stretch the natural size"},
      {{0, 200}, {264, 133}, true, true, false, {0, 0}, "an empty picture stays empty"},
  };
  for (const FitRow& row : rows) {
    const paint::TSize got = FitImageSize(row.picture, row.area, row.stretch, row.proportional, row.reflected);
    EXPECT_EQ(got.Width, row.expected.Width) << row.why;
    EXPECT_EQ(got.Height, row.expected.Height) << row.why;
  }
}

constexpr TColor kPictureColor = 0x00336699;

// A picture of one colour whose alpha is 0 everywhere, as a decoded
// photograph without alpha channel may carry it.
paint::TBitmap32 PlainPicture(int width, int height, TColor color = kPictureColor) {
  paint::TBitmap32 picture(width, height);
  paint::FillRect32(picture, picture.Bounds(), color, 0);
  return picture;
}

class SkinImageTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(DefaultManager(), &skin.manager); }

  // The banner's setting: a panel 266 x 135, the image inside its edge over
  // a fully transparent CHECKBOX section.
  void Build(ShownForm& shown) {
    if (skin.manager.GetSkinIndex(u"PANEL") < 0) {
      skin.Section(u"PANEL", 0x0030C0F0, 50, 1);
      skin.Section(u"CHECKBOX", 0x00FF00FF, 100);
      skin.manager.InitConstantIndexes();
    }
    panel = &shown.form->Add<TSkinPanel>();
    panel->SetBounds(0, 0, 266, 135);
    panel->SetParent(shown.form.get());
    image = &shown.form->Add<TSkinImage>();
    image->SetParent(panel);
    image->SetBounds(1, 1, 264, 133);
    image->SetStretch(true);
    image->SetProportional(true);
    image->SkinData().SetSkinSection(u"CHECKBOX");
  }

  TestSkin skin;
  TSkinPanel* panel = nullptr;
  TSkinImage* image = nullptr;
};

TEST_F(SkinImageTest, BannerIsOpaqueAtTheTopLeftAndThePanelShowsAroundIt) {
  struct Row {
    int width, height;
    paint::TSize shown;
    const char* why;
  };
  const Row rows[] = {
      {400, 200, {264, 132}, "the 400 x 200 banner"},
      {100, 400, {33, 133}, "a tall picture at the left edge"},
  };
  for (const Row& row : rows) {
    ShownForm shown(skin, 300, 160);
    Build(shown);
    shown.Show();
    image->SetPicture(PlainPicture(row.width, row.height));
    const paint::TBitmap32 picture = Print(*panel);
    const paint::TBitmap32& under = *panel->SkinData().FCacheBmp;
    const auto at = [&](int x, int y) { return picture.Pixel(1 + x, 1 + y) | 0xFF000000u; };
    const auto panelAt = [&](int x, int y) { return under.Pixel(1 + x, 1 + y) | 0xFF000000u; };
    const paint::TSize s = row.shown;
    // The picture as the filter makes it, made opaque first.
    paint::TBitmap32 opaque = PlainPicture(row.width, row.height);
    paint::SetAlphaRect(opaque, opaque.Bounds(), 255, paint::kNoColor);
    paint::TBitmap32 fitted(s.Width, s.Height);
    paint::ResampleBitmap(opaque, fitted, s.Width, paint::kFilterMitchell, s.Height);
    for (const auto& p : {paint::TPoint{0, 0}, paint::TPoint{s.Width - 1, 0}, paint::TPoint{s.Width - 1, s.Height - 1},
                          paint::TPoint{0, s.Height - 1}, paint::TPoint{s.Width / 2, s.Height / 2}}) {
      EXPECT_EQ(at(p.X, p.Y), fitted.Pixel(p.X, p.Y) | 0xFF000000u) << row.why << ": at " << p.X << "," << p.Y;
      EXPECT_LE((at(p.X, p.Y) & 0xFF) - 0x30u, 8u) << row.why << ": the picture's colour, not the panel's";
    }
    if (s.Height < 133) {
      EXPECT_EQ(at(10, s.Height), panelAt(10, s.Height)) << row.why << ": the row below shows the panel";
    }
    if (s.Width < 264) {
      EXPECT_EQ(at(s.Width, 5), panelAt(s.Width, 5)) << row.why << ": right of it the panel";
    }
    EXPECT_NE(panelAt(10, 132), Opaque(kPictureColor));
  }
}

TEST_F(SkinImageTest, MovingTheImageRebuildsItOverThePanelsNewPlace) {
  ShownForm shown(skin, 300, 160);
  Build(shown);
  shown.Show();
  image->SetPicture(PlainPicture(400, 200));
  image->SetBounds(5, 9, 100, 60);  // the picture fills 100 x 50, the panel below
  const paint::TBitmap32 picture = Print(*panel);
  const paint::TBitmap32& under = *panel->SkinData().FCacheBmp;
  EXPECT_LE((picture.Pixel(5 + 3, 9 + 49) & 0xFF) - 0x30u, 8u) << "the picture at the new place";
  EXPECT_EQ(picture.Pixel(5 + 3, 9 + 50), under.Pixel(5 + 3, 9 + 50)) << "the panel under the new place";
  EXPECT_EQ(picture.Pixel(5 + 40, 9 + 58), under.Pixel(5 + 40, 9 + 58));
}

TEST_F(SkinImageTest, ANewPictureOrANewSizeIsFittedAgainNotTakenFromAnEarlierPaint) {
  ShownForm shown(skin, 300, 160);
  Build(shown);
  shown.Show();
  image->SetPicture(PlainPicture(400, 200));
  Print(*panel);  // fitted to 264 x 132 once
  image->SetPicture(PlainPicture(400, 200, 0x00996633));
  const paint::TBitmap32 second = Print(*panel);
  EXPECT_LE((second.Pixel(1 + 100, 1 + 60) & 0xFF) - 0x90u, 8u) << "the new picture's colour";
  image->SetBounds(1, 1, 132, 66);  // the picture fills 132 x 66
  const paint::TBitmap32 smaller = Print(*panel);
  const paint::TBitmap32& under = *panel->SkinData().FCacheBmp;
  EXPECT_LE((smaller.Pixel(1 + 131, 1 + 65) & 0xFF) - 0x90u, 8u) << "the picture fills the new size";
  EXPECT_EQ(smaller.Pixel(1 + 140, 1 + 10), under.Pixel(1 + 140, 1 + 10)) << "and no more: the panel beside it";
}

}  // namespace
}  // namespace vorlan::skin::test
