#include <gtest/gtest.h>

#include "paint/bitmap_gdi_win.h"
#include "skin/controls/core/bg_request.h"
#include "skin/controls/core/common_data_ops.h"
#include "skinned_test_controls.h"
#include "ui/panel.h"

namespace vorlan::skin::test {
namespace {

using Form = Skinned<TPopupForm>;
using Panel = Skinned<ui::TPanel>;
using Box = Skinned<ui::TWinControl>;

constexpr TColor kFormColor = 0x00205080;
constexpr TColor kBoxColor = 0x00102030;

TSkBgRequest Ask(ui::TControl& parent) {
  TSkBgRequest request;
  RequestParentBackground(request, parent, false);
  return request;
}

// A form 120 × 90 at the given section, shown, and a fully transparent panel
// at (11, 7) inside it holding a transparent control at (5, 9).
struct Tree {
  explicit Tree(TestSkin& skin, bool panelCache) : skin(skin) {
    form = ui::MakeOwned<Form>(u"FORM");
    form->SetBounds(0, 0, 120, 90);
    panel = &form->Add<Panel>(u"GLASS", 51, panelCache);
    panel->SetBounds(11, 7, 60, 50);
    panel->SetParent(form.get());
    inner = &form->Add<Box>(u"INNER");
    inner->SetBounds(5, 9, 30, 20);
    inner->SetParent(panel);
    form->Data().Loaded();
    panel->Data().Loaded();
    inner->Data().Loaded();
  }
  TestSkin& skin;
  ui::TOwned<Form> form;
  Panel* panel = nullptr;
  Box* inner = nullptr;
};

class Background : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(DefaultManager(), &skin.manager); }
  TestSkin skin;
};

TEST_F(Background, ATransparentPanelPassesTheFormsPictureOnWithItsOwnPlaceAdded) {
  const std::int32_t formSection = skin.Section(u"FORM", kFormColor);
  skin.Texture(formSection, paint::MakeRect(0, 0, 16, 16));
  skin.Section(u"GLASS", 0x0000FF00, 100);
  skin.Section(u"INNER", 0x000000FF, 100);
  Tree tree(skin, false);
  ASSERT_TRUE(tree.inner->Data().Skinned());

  // The panel has no picture of its own yet: the form answers.
  const TSkBgRequest viaPanel = Ask(*tree.panel);
  EXPECT_EQ(viaPanel.BgType, btCache);
  EXPECT_EQ(viaPanel.Bmp, tree.form->Data().FCacheBmp.get()) << "the form's own cache, not a copy";
  EXPECT_EQ(viaPanel.Offset.x, 11);
  EXPECT_EQ(viaPanel.Offset.y, 7);
  EXPECT_EQ(tree.form->Painted, 1) << "the form painted its cache to answer";

  // The innermost control's cache is exactly the form's pixels under it.
  SendMessageW(tree.inner->Handle(), SM_ALPHACMD, MakeSkinWParam(scPrepareCache), 0);
  ASSERT_EQ(tree.inner->Painted, 1);
  const paint::TBitmap32& formCache = tree.form->Cache();
  const paint::TBitmap32& innerCache = tree.inner->Cache();
  ASSERT_EQ(innerCache.Width(), 30);
  ASSERT_EQ(innerCache.Height(), 20);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 30; ++x) {
      ASSERT_EQ(innerCache.Pixel(x, y), formCache.Pixel(11 + 5 + x, 7 + 9 + y)) << "at " << x << "," << y;
    }
  }
  EXPECT_NE(formCache.Pixel(16, 16), formCache.Pixel(17, 16)) << "the form's picture varies, so offsets show";

  // Once the (not plain) panel has its own picture, it answers with it; the
  // pixels the control gets stay the same.
  SendMessageW(tree.panel->Handle(), SM_ALPHACMD, MakeSkinWParam(scPrepareCache), 0);
  const TSkBgRequest fromPanel = Ask(*tree.panel);
  EXPECT_EQ(fromPanel.BgType, btCache);
  EXPECT_EQ(fromPanel.Bmp, tree.panel->Data().FCacheBmp.get());
  EXPECT_EQ(fromPanel.Offset.x, 0);
  tree.inner->Data().BGChanged = true;
  SendMessageW(tree.inner->Handle(), SM_ALPHACMD, MakeSkinWParam(scPrepareCache), 0);
  EXPECT_EQ(tree.inner->Cache().Pixel(29, 19), formCache.Pixel(11 + 5 + 29, 7 + 9 + 19));
}

TEST_F(Background, APlainFormAnswersItsColourWithItsBorderStripsAndThePanelShiftsThem) {
  const std::int32_t formSection = skin.Section(u"FORM", kFormColor);
  skin.Border(formSection, paint::MakeRect(0, 0, 12, 12), 4);
  skin.Section(u"GLASS", 0x0000FF00, 100);
  skin.Section(u"INNER", 0x000000FF, 100);
  Tree tree(skin, true);

  const TSkBgRequest direct = Ask(*tree.form);
  EXPECT_EQ(direct.BgType, btColor);
  EXPECT_EQ(direct.Color, kFormColor);
  EXPECT_EQ(direct.Bmp, tree.form->Data().FCacheBmp.get()) << "the strips come from the painted cache";
  EXPECT_EQ(direct.FillR.left, 4);
  EXPECT_EQ(direct.FillR.bottom, 4);
  EXPECT_EQ(tree.form->Cache().Pixel(0, 0), tree.skin.Master().Pixel(0, 0) | 0xFF000000u)
      << "the cache was painted before its strips were handed out";

  // The plain panel (its parent is plain) hands the question on, shifted.
  ASSERT_TRUE(tree.panel->Data().CtrlSkinState & kCtrlPlainBackground);
  const TSkBgRequest viaPanel = Ask(*tree.panel);
  EXPECT_EQ(viaPanel.BgType, btColor);
  EXPECT_EQ(viaPanel.Bmp, tree.form->Data().FCacheBmp.get());
  EXPECT_EQ(viaPanel.Offset.x, 11);
  EXPECT_EQ(viaPanel.Offset.y, 7);
  EXPECT_EQ(viaPanel.FillR.left, 4 - 11);
  EXPECT_EQ(viaPanel.FillR.top, 4 - 7);
  EXPECT_EQ(viaPanel.FillR.right, 4);

  // The control (away from the strips) gets the form's plain colour.
  SendMessageW(tree.inner->Handle(), SM_ALPHACMD, MakeSkinWParam(scPrepareCache), 0);
  EXPECT_EQ(tree.inner->Cache().Pixel(3, 3), Opaque(kFormColor));

  // A border hidden in state 0 hands out no strips.
  tree.skin.manager.Skin.ma[static_cast<std::size_t>(tree.skin.At(formSection).BorderIndex)].DrawMode = 2;
  const TSkBgRequest hidden = Ask(*tree.form);
  EXPECT_EQ(hidden.BgType, btColor);
  EXPECT_EQ(hidden.Bmp, nullptr);
}

TEST_F(Background, AControlThatCannotPaintForbidsItsChildrenToPaint) {
  struct Row {
    std::int32_t transparency;
    bool textured;
    const char* why;
  };
  const Row rows[] = {
      {50, false, "a translucent control whose cache stays empty"},
      {0, true, "an opaque textured control whose cache stays empty"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    skin.manager.Skin.gd.clear();
    skin.manager.Skin.ma.clear();
    const std::int32_t s = skin.Section(u"FORM", kFormColor, row.transparency);
    if (row.textured) skin.Texture(s, paint::MakeRect(0, 0, 8, 8));
    skin.Section(u"INNER", kBoxColor);
    auto form = ui::MakeOwned<Form>(u"FORM");
    form->SetBounds(0, 0, 0, 0);  // nothing to paint: the cache stays empty
    Box& box = form->Add<Box>(u"INNER");
    box.SetBounds(0, 0, 10, 10);
    box.SetParent(form.get());
    form->Data().Loaded();
    box.Data().Loaded();

    EXPECT_EQ(Ask(*form).BgType, btForbidden);
    if (row.transparency > 0) {
      EXPECT_TRUE(form->Data().FUpdating) << "children wait for the parent";
    }

    // The asker paints nothing at all.
    PrepareCacheBmp(box.Data());
    paint::TBitmap32& cache = *box.Data().FCacheBmp;
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) cache.Row(y)[x] = 0x5A5A5A5Au;
    EXPECT_FALSE(PaintControlSkinFromParent(box.Data(), box, 0, cache.Bounds(), {0, 0}, cache, true));
    EXPECT_EQ(cache.Pixel(5, 5), 0x5A5A5A5Au);
    SendMessageW(box.Handle(), SM_ALPHACMD, MakeSkinWParam(scPrepareCache), 0);
    EXPECT_EQ(box.Painted, 0);
    EXPECT_TRUE(box.Data().BGChanged) << "the picture is still to be made";
  }
}

TEST_F(Background, UnskinnedAndCustomColouredControlsAnswerTheirOwnColour) {
  skin.Section(u"FORM", kFormColor);
  auto form = ui::MakeOwned<Form>(u"FORM");
  form->SetBounds(0, 0, 40, 40);
  form->SetColor(0x00445566);
  form->Data().Loaded();

  form->Data().SetCustomColor(true);
  TSkBgRequest custom = Ask(*form);
  EXPECT_EQ(custom.BgType, btColor);
  EXPECT_EQ(custom.Color, 0x00445566);

  form->Data().SetCustomColor(false);
  form->Data().SetSkinSection(u"NO SUCH SECTION");
  ASSERT_FALSE(form->Data().Skinned());
  TSkBgRequest unskinned = Ask(*form);
  EXPECT_EQ(unskinned.BgType, btColor);
  EXPECT_EQ(unskinned.Color, 0x00445566);

  // A window that does not take part: the default manager's colour.
  TSkBgRequest bare;
  RequestParentBackground(bare, GetDesktopWindow(), false);
  EXPECT_EQ(bare.BgType, btColor);
  EXPECT_EQ(bare.Color, TestSkin::kGlobalColor);
}

TEST_F(Background, PleaseDrawCopiesTheCacheOrFillsTheColourIntoTheAskersContext) {
  const std::int32_t s = skin.Section(u"FORM", kFormColor);
  skin.Texture(s, paint::MakeRect(0, 0, 16, 16));
  auto form = ui::MakeOwned<Form>(u"FORM");
  form->SetBounds(0, 0, 50, 40);
  form->Data().Loaded();

  paint::TBitmap32 target(8, 8);
  const platform::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  const platform::SelectGuard select(dc.get(), static_cast<HBITMAP>(target.NativeHandle()));
  TSkBgRequest request;
  request.DC = dc.get();
  request.R = RECT{0, 0, 8, 8};
  request.Offset = POINT{20, 10};
  RequestParentBackground(request, *form, true);
  GdiFlush();
  EXPECT_EQ(request.BgType, btCache);
  EXPECT_EQ(target.Pixel(3, 2) & 0xFFFFFF, form->Cache().Pixel(23, 12) & 0xFFFFFF);
  EXPECT_EQ(target.Pixel(7, 7) & 0xFFFFFF, form->Cache().Pixel(27, 17) & 0xFFFFFF);
}

TEST_F(Background, ATranslucentControlAnswersAStalePictureAndPreparesOnlyAMissingOne) {
  skin.Section(u"FORM", kFormColor);
  skin.Section(u"GLASS", 0x0000FF00, 50);
  skin.Section(u"INNER", 0x000000FF, 100);
  Tree tree(skin, true);
  TSkinCommonData& glass = tree.panel->Data();
  ASSERT_EQ(Ask(*tree.panel).BgType, btCache) << "the first question paints the missing picture";
  ASSERT_EQ(tree.panel->Painted, 1);

  glass.BGChanged = true;  // the picture is stale, not missing
  const TSkBgRequest stale = Ask(*tree.panel);
  EXPECT_EQ(stale.BgType, btCache);
  EXPECT_EQ(stale.Bmp, glass.FCacheBmp.get());
  EXPECT_EQ(tree.panel->Painted, 1) << "a stale picture is answered as it is";
  EXPECT_FALSE(glass.FUpdating) << "and does not hold the children back";
}

TEST_F(Background, ACustomColouredControlAskedToDrawDrawsItsPicture) {
  const std::int32_t s = skin.Section(u"FORM", kFormColor);
  skin.Texture(s, paint::MakeRect(0, 0, 16, 16));
  auto form = ui::MakeOwned<Form>(u"FORM");
  form->SetBounds(0, 0, 50, 40);
  form->SetColor(0x00445566);
  form->Data().Loaded();
  form->Data().SetCustomColor(true);

  paint::TBitmap32 target(8, 8);
  const paint::TBitmapDC dc(target);
  TSkBgRequest request;
  request.DC = dc.get();
  request.R = RECT{0, 0, 8, 8};
  request.Offset = POINT{20, 10};
  RequestParentBackground(request, *form, true);
  paint::TBitmapDC::Flush();
  EXPECT_EQ(request.BgType, btCache);
  EXPECT_EQ(target.Pixel(3, 2) & 0xFFFFFF, form->Cache().Pixel(23, 12) & 0xFFFFFF) << "its picture, not its colour";
}

// The colour a control shows through: the more transparent its section, the
// more of its parent's colour.
TEST_F(Background, TheBackgroundColourLeansTowardTheParentAsTransparencyGrows) {
  struct Row {
    std::int32_t transparency;
    TColor expected;
    const char* why;
  };
  const Row rows[] = {
      {0, 0x00000000, "opaque: the section's colour"},
      {25, 0x003F3F3F, "a quarter of the parent's white"},
      {75, 0x00BFBFBF, "three quarters of the parent's white"},
      {100, 0x00FFFFFF, "see-through: the parent's colour"},
  };
  skin.Section(u"FORM", kFormColor);
  const std::int32_t section = skin.Section(u"GLASS", 0x00000000);
  auto form = ui::MakeOwned<Form>(u"FORM");
  form->SetBounds(0, 0, 40, 40);
  form->SetColor(0x00FFFFFF);
  Panel& glass = form->Add<Panel>(u"GLASS", 51, false);
  glass.SetBounds(0, 0, 20, 20);
  glass.SetParent(form.get());
  form->Data().Loaded();
  glass.Data().Loaded();
  for (const Row& r : rows) {
    skin.At(section).Props[0].Transparency = r.transparency;
    EXPECT_EQ(paint::ResolveColor(BgColor(glass.Data(), 0)) & 0xFFFFFF, r.expected) << r.why;
  }
}

}  // namespace
}  // namespace vorlan::skin::test
