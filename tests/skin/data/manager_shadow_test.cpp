// Frame-shadow templates for extended borders.
#include <gtest/gtest.h>

#include "manager_test_support.h"
#include "paint/pixel_math.h"
#include "skin/data/skin_manager.h"

namespace vorlan::skin {
namespace {

TEST(BuiltInShadows, SoftAroundAClearMiddle) {
  for (bool active : {true, false}) {
    const paint::TBitmap32& shadow = BuiltInShadow(active);
    ASSERT_EQ(shadow.Width(), 33);
    ASSERT_EQ(shadow.Height(), 33);
    EXPECT_EQ(shadow.Pixel(16, 16), 0u) << "the window covers the middle";
    const int edge = paint::px::Alpha(shadow.Pixel(16, 8));
    const int outer = paint::px::Alpha(shadow.Pixel(16, 0));
    EXPECT_GT(edge, outer) << "the shadow fades outwards";
    EXPECT_LT(outer, 8);
    for (int y = 0; y < 33; ++y) {
      for (int x = 0; x < 33; ++x) EXPECT_NE(shadow.Pixel(x, y), paint::kEmptyPixel);
    }
  }
  EXPECT_GT(paint::px::Alpha(BuiltInShadow(true).Pixel(16, 8)), paint::px::Alpha(BuiltInShadow(false).Pixel(16, 8)))
      << "the active shadow is the stronger one";
}

TEST(CheckShadows, SizesFollowTheBorderMode) {
  testing::RecordingBox box;
  TSkinManager manager;
  manager.SetMessageBox(&box);
  manager.InternalSkins.Add(testing::StoredSkin(u"Plain", testing::OptionsPackage("[GLOBALINFO]\r\nVERSION=9\r\n")));
  manager.SetSkinName(u"Plain");
  EXPECT_EQ(manager.Shadows.FormShadowSize, (TRect{0, 0, 0, 0})) << "no extended borders";
  manager.SetExtendedBorders(true);
  EXPECT_EQ(manager.Shadows.FormShadowSize, (TRect{9, 9, 9, 9})) << "the built-in shadows";
  EXPECT_EQ(manager.Shadows.ShdaTemplate.Width(), 33);
  EXPECT_EQ(manager.Shadows.ShdiTemplate.Height(), 33);
  manager.SetExtendedBorders(false);
  EXPECT_EQ(manager.Shadows.FormShadowSize, (TRect{0, 0, 0, 0}));
}

}  // namespace
}  // namespace vorlan::skin
