#include <gtest/gtest.h>

#include "skin/controls/widgets/skin_label.h"
#include "skin/controls/widgets/skin_panel.h"
#include "skin_window_fixture.h"

namespace vorlan::skin::test {
namespace {

constexpr TColor kPanelColor = 0x0030C0F0;

class SkinPanelTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(DefaultManager(), &skin.manager); }

  // A half transparent PANEL section, found through the panel's bevel.
  TSkinPanel& MakePanel(ShownForm& shown, int x, int y, int w, int h) {
    panelSection = skin.Section(u"PANEL", kPanelColor, 50, 1);
    skin.manager.InitConstantIndexes();
    TSkinPanel& panel = shown.form->Add<TSkinPanel>();
    panel.SetBounds(x, y, w, h);
    panel.SetParent(shown.form.get());
    return panel;
  }

  // Every checked pixel of the panel's picture is the 50 % blend of its
  // colour over the form's picture at the panel's place.
  void ExpectBlendAt(ShownForm& shown, TSkinPanel& panel, const char* when) {
    const paint::TBitmap32 picture = Print(panel);
    const std::uint32_t colour = Opaque(kPanelColor);
    const int points[][2] = {{0, 0},
                             {1, 1},
                             {panel.Width() / 2, panel.Height() / 3},
                             {panel.Width() - 1, 7},
                             {panel.Width() - 1, panel.Height() - 1}};
    for (const auto& p : points) {
      const std::uint32_t form = shown.FormPixel(panel.Left() + p[0], panel.Top() + p[1]);
      EXPECT_EQ(picture.Pixel(p[0], p[1]) | 0xFF000000u, BlendPixel(form, colour, 128))
          << when << " at " << p[0] << "," << p[1];
    }
  }

  TestSkin skin;
  std::int32_t panelSection = -1;
};

TEST_F(SkinPanelTest, TranslucentPanelBlendsOverTheFormAndFollowsMovesAndResizes) {
  ShownForm shown(skin);
  TSkinPanel& panel = MakePanel(shown, 10, 20, 60, 40);
  shown.Show();
  ASSERT_TRUE(panel.SkinData().Skinned());
  EXPECT_EQ(panel.SkinData().SkinIndex, panelSection) << "the raised bevel chooses PANEL";
  ExpectBlendAt(shown, panel, "at first");

  panel.SetBounds(37, 45, 60, 40);
  ExpectBlendAt(shown, panel, "after a move");

  panel.SetBounds(37, 45, 90, 55);
  ExpectBlendAt(shown, panel, "after a resize");
  EXPECT_EQ(panel.SkinData().FCacheBmp->Width(), 90) << "rebuilt at the new size";
}

TEST_F(SkinPanelTest, ChildrenGetThePanelsPictureAndNotReadyParentsStopThem) {
  ShownForm shown(skin);
  TSkinPanel& panel = MakePanel(shown, 10, 20, 60, 40);
  shown.Show();
  SendMessageW(panel.Handle(), WM_PAINT, 0, 0);
  TSkBgRequest request;
  RequestParentBackground(request, panel, false);
  ASSERT_EQ(request.BgType, btCache);
  EXPECT_EQ(request.Bmp, panel.SkinData().FCacheBmp.get());
  EXPECT_EQ(request.Offset.x, 0) << "children stand in the panel's whole window: no shift by the bevel";
  EXPECT_EQ(request.Offset.y, 0);

  // A panel whose cache must be rebuilt at a new size while its parent is
  // not ready forbids painting.
  panel.SkinData().BGChanged = true;
  *panel.SkinData().FCacheBmp = paint::TBitmap32(3, 3);
  shown.form->Data().FUpdating = true;
  TSkBgRequest waiting;
  RequestParentBackground(waiting, panel, false);
  EXPECT_EQ(waiting.BgType, btForbidden);
}

// The label's picture inside the panel: the panel's pixels, darkened only
// where the text is.
TEST_F(SkinPanelTest, LabelShowsThePanelBetweenItsBlackLetters) {
  ShownForm shown(skin);
  TSkinPanel& panel = MakePanel(shown, 10, 20, 140, 60);
  TSkinLabel& label = shown.form->Add<TSkinLabel>();
  label.SetParent(&panel);
  label.SetBounds(9, 13, 100, 16);
  label.SetAutoSize(false);
  label.SetCaption(u"Wg 1234 mm");
  shown.Show();

  const paint::TBitmap32 picture = Print(panel);
  const paint::TBitmap32& under = *panel.SkinData().FCacheBmp;
  int same = 0, text = 0, black = 0;
  for (int y = label.Top(); y < label.Top() + label.Height(); ++y) {
    for (int x = label.Left(); x < label.Left() + label.Width(); ++x) {
      const std::uint32_t p = picture.Pixel(x, y) & 0xFFFFFF, u = under.Pixel(x, y) & 0xFFFFFF;
      if (p == u) {
        ++same;
        continue;
      }
      ++text;
      if (p == 0) ++black;
      for (int shift = 0; shift < 24; shift += 8) {
        ASSERT_LE(p >> shift & 0xFF, u >> shift & 0xFF) << "text only darkens, at " << x << "," << y;
      }
    }
  }
  EXPECT_GT(text, 20) << "the caption is drawn";
  EXPECT_GT(black, 0) << "in black, the skin's label colour";
  EXPECT_GT(same, text) << "between the letters the panel shows";
}

struct FontRow {
  std::int32_t panelTransparency;
  bool panelGivesFont;
  bool formGivesFont;
  bool useSkinColor;
  TColor expected;
  const char* why;
};

TEST(SkinLabelColour, LabelTakesTheFontColourOfTheFirstSectionThatGivesIt) {
  constexpr TColor kPanelFont = 0x000000C0, kFormFont = 0x00C00000, kGlobal = 0x00336699, kOwn = 0x00008000;
  const FontRow rows[] = {
      {0, true, true, true, kPanelFont, "an opaque panel that gives its font answers"},
      {50, true, true, true, kPanelFont, "half transparent is still the panel's"},
      {80, true, true, true, kFormFont, "a panel more than half transparent passes the question up"},
      {0, false, false, true, kGlobal, "nobody gives a font: the skin's label colour"},
      {0, true, true, false, kOwn, "without the skin's colour the label's own font colour"},
  };
  for (const FontRow& row : rows) {
    TestSkin local;  // the default manager while it lives
    ASSERT_EQ(DefaultManager(), &local.manager);
    ShownForm shown(local);
    local.manager.Skin.Palette[pcLabelText] = kGlobal;
    const std::int32_t formSection = local.manager.GetSkinIndex(u"FORM");
    local.At(formSection).GiveOwnFont = row.formGivesFont;
    local.At(formSection).Props[0].FontColor.Color = kFormFont;
    const std::int32_t panelSection = local.Section(u"PANEL", kPanelColor, row.panelTransparency, 1);
    local.At(panelSection).GiveOwnFont = row.panelGivesFont;
    local.At(panelSection).Props[0].FontColor.Color = kPanelFont;
    TSkinPanel& panel = shown.form->Add<TSkinPanel>();
    panel.SkinData().SetSkinSection(u"PANEL");
    panel.SetBounds(5, 5, 100, 50);
    panel.SetParent(shown.form.get());
    TSkinLabel& label = shown.form->Add<TSkinLabel>();
    label.SetParent(&panel);
    label.SetBounds(3, 3, 50, 14);
    label.SetFont(ui::TFont(u"Tahoma", -11, kOwn));
    label.SetUseSkinColor(row.useSkinColor);
    shown.Show();
    EXPECT_EQ(label.TextColor(), row.expected) << row.why;
  }
}

TEST_F(SkinPanelTest, DisabledLabelMixesItsColourWithThePanels) {
  ShownForm shown(skin);
  skin.manager.Skin.Palette[pcLabelText] = 0x00000000;
  TSkinPanel& panel = MakePanel(shown, 10, 20, 100, 40);
  skin.At(panelSection).Props[0].Transparency = 0;
  TSkinLabel& label = shown.form->Add<TSkinLabel>();
  label.SetParent(&panel);
  label.SetBounds(3, 3, 50, 14);
  shown.Show();
  label.SetEnabled(false);
  // 40 % black over 60 % of the panel's colour: each channel 0.6 × (0xF0, 0xC0, 0x30), truncated.
  EXPECT_EQ(label.TextColor(), paint::MixColors(0, kPanelColor, 0.4));
  EXPECT_EQ(label.TextColor(), TColor{0x001C7390});
}

}  // namespace
}  // namespace vorlan::skin::test
