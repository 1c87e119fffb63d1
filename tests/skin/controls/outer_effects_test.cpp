#include "skin/controls/effects/outer_effects.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "skin/controls/widgets/skin_panel.h"
#include "skin/data/skin_manager.h"
#include "skin_window_fixture.h"

namespace vorlan::skin::test {
namespace {

using Box = Skinned<ui::TWinControl>;

// A 6 × 6 shadow image with 2-pixel borders and a mask row: one colour, the
// mask's red byte 55 everywhere. Opacity 200 gives g = 200 × 200 >> 8 = 156.
constexpr std::uint32_t kShadow = 0xFF102030u;
constexpr int kG = 156;
constexpr RECT kBoxBounds{30, 40, 90, 64};
constexpr paint::TRect kMargins{4, 2, 5, 6};  // how far the frame reaches out: left, top, right, bottom

std::uint32_t Mixed(std::uint32_t d, std::uint32_t s, int g) {
  std::uint32_t out = d & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const int dc = static_cast<int>(d >> shift & 0xFF), sc = static_cast<int>(s >> shift & 0xFF);
    out |= static_cast<std::uint32_t>((dc * (255 - g) + sc * g) >> 8) << shift;
  }
  return out;
}

bool SamePixels(const paint::TBitmap32& a, const paint::TBitmap32& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (std::int32_t y = 0; y < a.Height(); ++y)
    for (std::int32_t x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

class OuterEffects : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(DefaultManager(), &skin.manager);
    for (std::int32_t y = 0; y < 12; ++y)
      for (std::int32_t x = 40; x < 46; ++x) skin.Master().Row(y)[x] = y < 6 ? kShadow : 0xFF370000u;
    const std::int32_t image = skin.Image(paint::MakeRect(40, 0, 6, 12), itBorder);
    TSkinMaskData& m = skin.manager.Skin.ma[static_cast<std::size_t>(image)];
    m.MaskType = 1;
    m.WL = m.WT = m.WR = m.WB = 2;
    shadowed = skin.Section(u"SHADOWED", 0x00102030);
    // Named as the loader names it, so that resolving the skin's indexes
    // again finds it.
    m.PropertyName = u"OUTERMASK";
    m.ClassName = u"SHADOWED";
    m.SkinIndex = shadowed;
    skin.At(shadowed).OuterMask = image;
    skin.At(shadowed).OuterOffset = kMargins;
    skin.At(shadowed).OuterOpacity = 200;
    skin.At(skin.Section(u"PLAIN", 0x00102030)).OuterMode = 0;
    TSkinEffects e = skin.manager.Effects();
    e.AllowOuterEffects = true;
    skin.manager.SetEffects(e);
  }

  Box& AddBox(ShownForm& shown, std::u16string section, const RECT& r, TSkOuterVisibility visibility) {
    Box& box = shown.form->Add<Box>(std::move(section));
    box.SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    box.SetParent(shown.form.get());
    box.Data().SetOuterEffects({visibility});
    box.Data().Loaded();
    return box;
  }

  // The form's picture before and after its children drew their frames at
  // `offset`.
  std::pair<paint::TBitmap32, paint::TBitmap32> Frames(ShownForm& shown, POINT offset) {
    shown.FormPixel(0, 0);
    paint::TBitmap32 before = shown.form->Cache().Clone();
    shown.form->Data().PaintOuterEffects(shown.form.get(), offset);
    return {std::move(before), shown.form->Cache().Clone()};
  }

  TestSkin skin;
  std::int32_t shadowed = -1;
};

TEST_F(OuterEffects, FrameLiesAroundTheControlByTheMarginsAndOnlyThere) {
  ShownForm shown(skin, 200, 120);
  Box& box = AddBox(shown, u"SHADOWED", kBoxBounds, TSkOuterVisibility::ovAlways);
  AddBox(shown, u"PLAIN", {120, 10, 160, 30}, TSkOuterVisibility::ovAlways);   // no effect in its section
  AddBox(shown, u"SHADOWED", {120, 70, 160, 90}, TSkOuterVisibility::ovNone);  // effect not shown
  Box& hidden = AddBox(shown, u"SHADOWED", {10, 90, 40, 110}, TSkOuterVisibility::ovAlways);
  shown.Show();
  hidden.SetVisible(false);

  const POINT offset{3, 5};
  const auto [before, after] = Frames(shown, offset);
  // The frame: the box moved by the offset, grown by the margins; its ring
  // is 2 pixels wide, the inside keeps the form's picture.
  const paint::TRect frame{kBoxBounds.left + offset.x - kMargins.Left, kBoxBounds.top + offset.y - kMargins.Top,
                           kBoxBounds.right + offset.x + kMargins.Right,
                           kBoxBounds.bottom + offset.y + kMargins.Bottom};
  const paint::TRect inside{frame.Left + 2, frame.Top + 2, frame.Right - 2, frame.Bottom - 2};
  int changed = 0;
  for (std::int32_t y = 0; y < after.Height(); ++y) {
    for (std::int32_t x = 0; x < after.Width(); ++x) {
      const bool inFrame = x >= frame.Left && x < frame.Right && y >= frame.Top && y < frame.Bottom;
      const bool inInside = x >= inside.Left && x < inside.Right && y >= inside.Top && y < inside.Bottom;
      const std::uint32_t expected = inFrame && !inInside ? Mixed(before.Pixel(x, y), kShadow, kG) : before.Pixel(x, y);
      if (after.Pixel(x, y) != expected) {
        ADD_FAILURE() << "pixel (" << x << "," << y << ") is " << std::hex << after.Pixel(x, y) << ", expected "
                      << expected;
        return;
      }
      changed += after.Pixel(x, y) != before.Pixel(x, y);
    }
  }
  EXPECT_GT(changed, 2 * (frame.Width() + frame.Height())) << "the ring was really drawn";

  // The pixels under the frame are kept for the next redraw.
  ASSERT_TRUE(box.Data().FOuterCache);
  EXPECT_EQ(box.Data().FOuterCache->Width(), frame.Width());
  EXPECT_EQ(box.Data().FOuterCache->Pixel(0, 0), before.Pixel(frame.Left, frame.Top));
  EXPECT_EQ(box.Data().FOuterCache->Pixel(frame.Width() - 1, frame.Height() - 1),
            before.Pixel(frame.Right - 1, frame.Bottom - 1));

  // Drawn again over itself: the redraw flag puts the saved pixels back
  // first, so the shadow does not darken; without it, it does.
  TSkOuterRequest request{shown.form->Data().FCacheBmp.get(), offset};
  DrawOuterEffect(box.Data(), request, kOuterRedraw);
  EXPECT_EQ(shown.form->Cache().Pixel(frame.Left, frame.Top), after.Pixel(frame.Left, frame.Top));
  DrawOuterEffect(box.Data(), request, 0);
  EXPECT_EQ(shown.form->Cache().Pixel(frame.Left, frame.Top), Mixed(after.Pixel(frame.Left, frame.Top), kShadow, kG));
}

TEST_F(OuterEffects, NothingUnlessAllowedSkinnedAndInsideThePicture) {
  ShownForm shown(skin, 200, 120);
  Box& box = AddBox(shown, u"SHADOWED", kBoxBounds, TSkOuterVisibility::ovAlways);
  shown.Show();

  TSkinEffects e = skin.manager.Effects();
  e.AllowOuterEffects = false;
  skin.manager.SetEffects(e);
  auto [before, after] = Frames(shown, POINT{});
  EXPECT_TRUE(SamePixels(before, after)) << "outer effects are off by default in the manager";
  e.AllowOuterEffects = true;
  skin.manager.SetEffects(e);

  // A frame reaching past the picture keeps its visible part.
  // At (2, 1) the frame starts at (−2, −1): row 0 is its top side's second row.
  box.SetBounds(2, 1, 40, 20);
  std::tie(before, after) = Frames(shown, POINT{});
  EXPECT_EQ(after.Pixel(0, 0), Mixed(before.Pixel(0, 0), kShadow, kG)) << "the top side, its corner cut off";
  EXPECT_EQ(after.Pixel(10, 10), before.Pixel(10, 10)) << "inside the ring";

  // Not skinned any more: nothing.
  box.Data().SkinIndex = -1;
  std::tie(before, after) = Frames(shown, POINT{});
  EXPECT_TRUE(SamePixels(before, after)) << "an unskinned control draws no frame";
}

TEST_F(OuterEffects, PanelDrawsItsChildrensFramesIntoItsPicture) {
  ShownForm shown(skin, 200, 120);
  constexpr TColor kPanel = 0x00C0C0C0;
  skin.Section(u"PANEL", kPanel, 50, 1);
  skin.manager.InitConstantIndexes();
  TSkinPanel& panel = shown.form->Add<TSkinPanel>();
  panel.SetBounds(10, 10, 180, 100);
  panel.SetParent(shown.form.get());
  Box& box = shown.form->Add<Box>(u"SHADOWED");
  box.SetBounds(20, 30, 50, 20);
  box.SetParent(&panel);
  box.Data().SetOuterEffects({TSkOuterVisibility::ovAlways});
  box.Data().Loaded();
  shown.Show();
  // A control whose frame is always shown tells its parent when it moves:
  // the panel paints its picture again, the frame at the new place.
  box.SetBounds(22, 31, 50, 20);
  const paint::TBitmap32& cache = *panel.SkinData().FCacheBmp;
  // The panel's own picture: its colour half over the form's.
  const auto plain = [&](int x, int y) { return BlendPixel(shown.FormPixel(10 + x, 10 + y), Opaque(kPanel), 128); };
  const int left = 22 - kMargins.Left, top = 31 - kMargins.Top;
  EXPECT_EQ(cache.Pixel(left, top) | 0xFF000000u, Mixed(plain(left, top), kShadow, kG))
      << "the frame's top-left corner in the panel's picture";
  EXPECT_EQ(cache.Pixel(left - 1, 35) | 0xFF000000u, plain(left - 1, 35)) << "left of the frame";
  EXPECT_EQ(cache.Pixel(20 - kMargins.Left, 30 - kMargins.Top) | 0xFF000000u,
            plain(20 - kMargins.Left, 30 - kMargins.Top))
      << "nothing left at the old place";
  EXPECT_EQ(cache.Pixel(40, 40) | 0xFF000000u, plain(40, 40)) << "under the box itself, inside the ring";
}

}  // namespace
}  // namespace vorlan::skin::test
