#include <gtest/gtest.h>

#include <algorithm>

#include "skin/controls/core/font_owner.h"
#include "skin/controls/provider/window_system.h"
#include "skinned_test_controls.h"
#include "ui/edit.h"
#include "ui/label.h"
#include "ui/panel.h"

namespace vorlan::skin::test {
namespace {

using Form = Skinned<TPopupForm>;
using Panel = Skinned<ui::TPanel>;
using Box = Skinned<ui::TWinControl>;
using Edit = Skinned<ui::TEdit>;

std::intptr_t Command(ui::TControl& control, TSkinCommand command, std::intptr_t lparam = 0, WORD low = 0) {
  return control.Perform(SM_ALPHACMD, MakeSkinWParam(command) | low, lparam);
}

std::size_t CountOf(const std::vector<WPARAM>& commands, TSkinCommand command) {
  return static_cast<std::size_t>(
      std::count_if(commands.begin(), commands.end(), [command](WPARAM w) { return HIWORD(w) == command; }));
}

class Commands : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(DefaultManager(), &skin.manager); }
  TestSkin skin;
};

TEST_F(Commands, BackgroundColourForChildrenMixesOwnAndParentByTransparency) {
  struct Row {
    std::int32_t transparency;
    TColor own;
    TColor parent;
    TColor expected;
    const char* why;
  };
  const Row rows[] = {
      {50, 0x00000064, 0x000000C8, 0x00000077, "the 119 example: 100 + (50 × 100 >> 8)"},
      {50, 0x00FA0A64, 0x003200C8, 0x00D20877, "darker parent channels round down: 10 → 8, 250 → 210"},
      {0, 0x00010203, 0x00FFFFFF, 0x00010203, "opaque: the section's own colour"},
      {100, 0x00010203, 0x00405060, 0x00405060, "fully transparent: the skinned parent's answer"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    skin.manager.Skin.gd.clear();
    skin.Section(u"FORM", row.parent);
    skin.Section(u"CHILD", row.own, row.transparency);
    auto form = ui::MakeOwned<Form>(u"FORM");
    form->SetBounds(0, 0, 30, 30);
    Box& box = form->Add<Box>(u"CHILD");
    box.SetBounds(1, 1, 10, 10);
    box.SetParent(form.get());
    form->Data().Loaded();
    box.Data().Loaded();
    EXPECT_EQ(Command(box, scGetBgColor, paint::kKeyColor), row.expected);
  }

  // Unskinned: the control's own colour, resolved.
  auto lone = ui::MakeOwned<Form>(u"NONE");
  lone->SetColor(ui::clBtnFace);
  lone->Data().Loaded();
  EXPECT_EQ(Command(*lone, scGetBgColor), paint::ResolveColor(ui::clBtnFace));
}

TEST_F(Commands, RemovingTheSkinGivesAnEditTheSystemColoursBackUnlessItKeepsItsOwn) {
  const std::int32_t s = skin.Section(u"EDIT", 0x00203040);
  for (TSkinGenState& p : skin.At(s).Props) p.FontColor.Color = 0x00E0F0A0;
  skin.Section(u"FORM", 0x00101010);
  struct Row {
    bool customColor, customFont;
    const char* why;
  };
  const Row rows[] = {{false, false, "both from the system again"},
                      {true, false, "its own colour stays"},
                      {false, true, "its own font colour stays"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    auto form = ui::MakeOwned<Form>(u"FORM");
    form->SetBounds(0, 0, 100, 40);
    Edit& edit = form->Add<Edit>(u"", kClassEdit);
    edit.SetBounds(2, 2, 80, 20);
    edit.SetColor(0x00000001);
    ui::TFont font = edit.Font();
    font.SetColor(0x00000002);
    edit.SetFont(font);
    edit.Data().FCustomColor = row.customColor;
    edit.Data().FCustomFont = row.customFont;
    edit.SetParent(form.get());
    edit.Data().SetSkinSection(u"edit");
    edit.Data().Loaded();
    ASSERT_TRUE(edit.Data().Skinned());
    EXPECT_EQ(edit.Color(), row.customColor ? 0x00000001 : 0x00203040) << "the skin's colours while skinned";
    EXPECT_EQ(edit.Font().Color(), row.customFont ? 0x00000002 : 0x00E0F0A0);

    EXPECT_EQ(Command(edit, scRemoveSkin, reinterpret_cast<std::intptr_t>(&skin.manager)), 0)
        << "the control handles the removal too";
    EXPECT_FALSE(edit.Data().Skinned());
    EXPECT_TRUE(edit.Data().FUpdating);
    EXPECT_EQ(edit.Color(), row.customColor ? 0x00000001 : ui::clWindow);
    EXPECT_EQ(edit.Font().Color(), row.customFont ? 0x00000002 : ui::clWindowText);
  }

  // Another manager's removal is not this control's business.
  auto form = ui::MakeOwned<Form>(u"FORM");
  Edit& edit = form->Add<Edit>(u"EDIT", kClassEdit);
  edit.SetParent(form.get());
  edit.Data().Loaded();
  int other = 0;
  Command(edit, scRemoveSkin, reinterpret_cast<std::intptr_t>(&other));
  EXPECT_TRUE(edit.Data().Skinned());
}

TEST_F(Commands, SettingTheSectionStoresItUpperCasedAndTheSameStoredValueDoesNothing) {
  skin.Section(u"FORM", 0x00101010);
  skin.Section(u"BUTTON", 0x00202020);
  auto form = ui::MakeOwned<Form>(u"FORM");
  form->SetBounds(0, 0, 60, 60);
  Box& box = form->Add<Box>(u"");
  box.SetBounds(0, 0, 20, 20);
  box.SetParent(form.get());
  Box& child = form->Add<Box>(u"");
  child.SetParent(&box);
  form->Data().Loaded();
  box.Data().Loaded();

  box.Data().SetSkinSection(u"button");
  EXPECT_EQ(box.Data().SkinSection(), u"BUTTON");
  EXPECT_EQ(box.Data().SkinIndex, 1);
  EXPECT_EQ(CountOf(box.Commands, scRefreshSkin), 1u) << "a live control is refreshed with the new section";
  EXPECT_EQ(CountOf(child.Commands, scBgChanged), 1u) << "its children learn their background changed";

  box.Commands.clear();
  child.Commands.clear();
  box.Data().BGChanged = false;
  box.Data().SetSkinSection(u"BUTTON");
  EXPECT_TRUE(box.Commands.empty());
  EXPECT_TRUE(child.Commands.empty());
  EXPECT_FALSE(box.Data().BGChanged) << "nothing to repaint";
  // The stored value is compared with its letter case: another spelling of
  // the same section is set again.
  box.Data().SetSkinSection(u"button");
  EXPECT_EQ(box.Data().SkinSection(), u"BUTTON");
  EXPECT_EQ(CountOf(box.Commands, scRefreshSkin), 1u);
  EXPECT_EQ(CountOf(child.Commands, scBgChanged), 1u);

  // Through the command, and to a section the skin lacks.
  const std::u16string none = u"nothing";
  EXPECT_EQ(Command(box, scSetSection, reinterpret_cast<std::intptr_t>(none.c_str())), 1);
  EXPECT_EQ(box.Data().SkinSection(), u"NOTHING");
  EXPECT_EQ(box.Data().SkinIndex, -1);
  EXPECT_EQ(CountOf(box.Commands, scRemoveSkin), 1u);
  EXPECT_EQ(Command(box, scSetSection, 0), 0);
}

TEST_F(Commands, UpdatesNestAndOnlyTheOutermostEndTellsTheControl) {
  skin.Section(u"FORM", 0x00101010);
  auto form = ui::MakeOwned<Form>(u"FORM");
  form->SetBounds(0, 0, 30, 30);
  form->Data().Loaded();
  TSkinCommonData& data = form->Data();

  data.BeginUpdate();
  data.BeginUpdate();
  EXPECT_TRUE(data.FUpdating);
  EXPECT_TRUE(data.CtrlSkinState & kCtrlInUpdate);
  EXPECT_EQ(CountOf(form->Commands, scBeginUpdate), 2u);
  EXPECT_EQ(Command(*form, scIsNotReady), 1) << "children wait while it updates";

  // Every end lets the control paint again (the updating flag and its state
  // bit go at once), but only the outermost end sends the end command.
  data.BGChanged = false;
  data.EndUpdate(true);
  EXPECT_FALSE(data.FUpdating);
  EXPECT_FALSE(data.CtrlSkinState & kCtrlInUpdate);
  EXPECT_EQ(data.FUpdateCount, 1);
  EXPECT_EQ(CountOf(form->Commands, scEndUpdate), 0u);
  EXPECT_TRUE(data.BGChanged) << "repainted as asked";

  data.BGChanged = false;

  data.EndUpdate(true);
  EXPECT_FALSE(data.FUpdating);
  EXPECT_FALSE(data.CtrlSkinState & kCtrlInUpdate);
  EXPECT_EQ(CountOf(form->Commands, scEndUpdate), 1u);
  EXPECT_TRUE(data.BGChanged) << "repainted";

  data.EndUpdate(false);
  EXPECT_EQ(data.FUpdateCount, 0) << "an unmatched end does not go below zero";
  data.BeginUpdate();
  EXPECT_EQ(data.FUpdateCount, 1);
  data.EndUpdate(false);
  EXPECT_FALSE(data.FUpdating);
}

// A windowless child that paints nothing: what lies under it in the target
// shows whether the cache copy left it out.
class Spot : public ui::TControl {};
// A windowed child that covers all of its bounds itself.
class OpaqueBox : public Box {
 public:
  using Box::Box;
  bool Opaque() const override { return true; }
};

TEST_F(Commands, AManagerFreedBeforeItsControlsIsForgotten) {
  skin.Section(u"FORM", 0x00101010);
  auto form = ui::MakeOwned<Form>(u"FORM");
  form->SetBounds(0, 0, 30, 30);
  form->Data().Loaded();
  // Reached by broadcasts as a form with a provider is.
  const TSkinWindowSystemInstallation windows;
  InstalledWindowSystem()->RegisterProviderForm(*form);
  auto second = std::make_unique<TSkinManager>();
  second->Skin = skin.manager.Skin;
  form->Data().SetSkinManager(second.get());
  ASSERT_EQ(form->Data().SkinManager(), second.get());

  second.reset();
  InstalledWindowSystem()->UnregisterProviderForm(*form);
  EXPECT_FALSE(form->Data().ManagerStored()) << "no pointer to the freed manager is kept";
  EXPECT_EQ(form->Data().SkinManager(), &skin.manager) << "the default manager stands in";
}

TEST_F(Commands, CopyingTheCacheLeavesOutWindowlessChildren) {
  skin.Section(u"FORM", 0x000000FF);
  auto form = ui::MakeOwned<Form>(u"FORM");
  form->SetBounds(0, 0, 40, 30);
  Spot& spot = form->Add<Spot>();
  spot.SetBounds(10, 5, 6, 4);
  spot.SetParent(form.get());
  Box& windowed = form->Add<Box>(u"FORM");
  windowed.SetBounds(24, 5, 6, 4);
  windowed.SetParent(form.get());
  OpaqueBox& opaque = form->Add<OpaqueBox>(u"FORM");
  opaque.SetBounds(32, 5, 6, 4);
  opaque.SetParent(form.get());
  Spot& hidden = form->Add<Spot>();
  hidden.SetBounds(2, 20, 4, 4);
  hidden.SetVisible(false);
  hidden.SetParent(form.get());
  form->Data().Loaded();
  Command(*form, scPrepareCache);
  ASSERT_EQ(form->Painted, 1);

  paint::TBitmap32 target(40, 30);  // white
  const platform::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  const platform::SelectGuard select(dc.get(), static_cast<HBITMAP>(target.NativeHandle()));
  const RECT all{0, 0, 40, 30};
  CopyCacheToDC(form.get(), form->Data(), all, 0, 0, false, dc.get(), all);
  GdiFlush();
  const std::uint32_t red = 0xFF0000, white = 0xFFFFFF;
  EXPECT_EQ(target.Pixel(0, 0) & 0xFFFFFF, red);
  EXPECT_EQ(target.Pixel(10, 5) & 0xFFFFFF, white) << "the windowless child's place is left to it";
  EXPECT_EQ(target.Pixel(15, 8) & 0xFFFFFF, white);
  EXPECT_EQ(target.Pixel(16, 8) & 0xFFFFFF, red) << "its right edge is exclusive";
  EXPECT_EQ(target.Pixel(24, 5) & 0xFFFFFF, red) << "windowed children are left in";
  EXPECT_EQ(target.Pixel(3, 21) & 0xFFFFFF, red) << "invisible children are left in";
  EXPECT_EQ(target.Pixel(33, 6) & 0xFFFFFF, white) << "an opaque windowed child paints its place itself";

  // A shifted copy moves the cut-outs with it; the clip stays inside the target.
  paint::TBitmap32 shifted(40, 30);
  const platform::SelectGuard select2(dc.get(), static_cast<HBITMAP>(shifted.NativeHandle()));
  const RECT part{0, 0, 20, 30};
  CopyCacheToDC(form.get(), form->Data(), all, 3, 2, false, dc.get(), part);
  GdiFlush();
  EXPECT_EQ(shifted.Pixel(12, 8) & 0xFFFFFF, white) << "the child's place moved by (2, 3)";
  EXPECT_EQ(shifted.Pixel(10, 5) & 0xFFFFFF, red);
  EXPECT_EQ(shifted.Pixel(25, 5) & 0xFFFFFF, white) << "nothing outside the target rectangle";
}

TEST_F(Commands, PlainQuestionsGetTheirAnswers) {
  skin.Section(u"FORM", 0x00101010);
  auto form = ui::MakeOwned<Form>(u"FORM");
  form->SetBounds(3, 4, 30, 20);
  form->Data().Loaded();
  EXPECT_EQ(Command(*form, scIsSkinned), 1);
  EXPECT_EQ(Command(*form, scGetSkinData), reinterpret_cast<std::intptr_t>(&form->Data()));
  TFontOwnerQuery query;
  Command(*form, scGetSkinIndexInto, reinterpret_cast<std::intptr_t>(&query));
  EXPECT_EQ(query.SkinIndex, 0);
  Command(*form, scSetUpdating, 0, 1);
  EXPECT_TRUE(form->Data().FUpdating);
  Command(*form, scSetUpdating, 0, 0);
  EXPECT_FALSE(form->Data().FUpdating);
  Command(*form, scSetPrintDC, 0x1234);
  EXPECT_TRUE(form->Data().CtrlSkinState & kCtrlPrinting);
  Command(*form, scSetPrintDC, 0);
  EXPECT_FALSE(form->Data().CtrlSkinState & kCtrlPrinting);
  EXPECT_EQ(Command(*form, static_cast<TSkinCommand>(99)), 0) << "an unknown command is left to the window";
}

}  // namespace
}  // namespace vorlan::skin::test
