// The default manager and the dialog flag it keeps, the ThirdParty class
// lists, and the border widths of image entries.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "manager_test_support.h"
#include "skin/data/skin_manager.h"

namespace vorlan::skin {
namespace {

using testing::OptionsPackage;
using testing::RecordingBox;
using testing::StoredSkin;

TEST(DefaultManager, TheFirstManagerKeepsTheDialogFlagUntilItGoes) {
  ASSERT_EQ(DefaultManager(), nullptr) << "no manager outlives its test";
  RecordingBox box;
  auto first = std::make_unique<TSkinManager>();
  first->SetMessageBox(&box);
  first->InternalSkins.Add(StoredSkin(u"S", OptionsPackage("[GLOBALINFO]\r\nVERSION=10\r\n")));
  TSkinManager second;
  second.SetMessageBox(&box);
  second.InternalSkins.Add(StoredSkin(u"S", OptionsPackage("[GLOBALINFO]\r\nVERSION=10\r\n")));
  EXPECT_EQ(DefaultManager(), first.get());
  EXPECT_TRUE(StdDialogsNotSkinned()) << "nothing selected yet";

  TSkinningRules no_dialogs;
  no_dialogs.Exclude(srStdDialogs);
  struct Step {
    std::function<void()> change;
    bool not_skinned;
    const char* why;
  };
  const Step steps[] = {
      {[&] { first->SetSkinName(u"S"); }, false, "the default manager selected a skin with every rule"},
      {[&] { second.SetActive(false); }, false, "another manager's state is not the hook's concern"},
      {[&] { second.SetSkinningRules(no_dialogs); }, false, "nor are its rules"},
      {[&] { first->SetSkinningRules(no_dialogs); }, true, "the default manager's rules without dialogs"},
      {[&] { first->SetSkinningRules({}); }, false, "and with them again"},
      {[&] { first->SetActive(false); }, true, "an inactive default skins no dialogs"},
      {[&] { first->SetActive(true); }, false, "active again"},
      {[&] { first.reset(); }, true, "the default manager is gone"},
  };
  for (const Step& step : steps) {
    step.change();
    EXPECT_EQ(StdDialogsNotSkinned(), step.not_skinned) << step.why;
  }
  EXPECT_EQ(DefaultManager(), nullptr) << "the second manager does not take over by itself";
  TSkinManager third;
  EXPECT_EQ(DefaultManager(), &third) << "the next manager created is the first again";
}

TEST(ThirdPartyLists, DefaultsLinesAndWritingBack) {
  ThirdPartyList lists;
  EXPECT_EQ(lists.Texts[ThirdButtons], u"TButton");
  EXPECT_EQ(lists.Texts[ThirdEdits], u" ") << "every other kind defaults to one space";
  EXPECT_TRUE(lists.Contains(ThirdButtons, u"TButton"));
  EXPECT_FALSE(lists.Contains(ThirdButtons, u"TBUTTON")) << "class names are case-sensitive";
  EXPECT_FALSE(lists.Contains(ThirdEdits, u"TButton")) << "each kind has its own list";

  lists.Texts[ThirdEdits] = u"TEdit\r\nTMemo\nTRichEdit\rTMaskEdit\r\n";
  lists.Texts[ThirdButtons].clear();
  lists.FillDefaultsAndRebuild();
  EXPECT_EQ(lists.ThirdLists[ThirdEdits], (std::vector<std::u16string>{u"TEdit", u"TMemo", u"TRichEdit", u"TMaskEdit"}))
      << "CR LF, LF and CR all end a line; the last line break adds no empty name";
  EXPECT_EQ(lists.Texts[ThirdButtons], u"TButton") << "an emptied text gets its default back";

  lists.ThirdLists[ThirdGrids] = {u"TStringGrid", u"TDrawGrid"};
  lists.WriteBack();
  EXPECT_EQ(lists.Texts[ThirdGrids], u"TStringGrid\r\nTDrawGrid\r\n");
  EXPECT_EQ(lists.Texts[ThirdEdits], u"TEdit\r\nTMemo\r\nTRichEdit\r\nTMaskEdit\r\n");
}

TEST(MaskWidths, OwnWidthThenBorderWidthThenTheFrame) {
  TSkinManager manager;
  const auto entry = [](int w, int border, int images, int mask_type) {
    TSkinMaskData mask;
    mask.WL = mask.WR = static_cast<std::int16_t>(w);
    mask.WT = static_cast<std::int16_t>(w > 0 ? w + 1 : w);
    mask.WB = static_cast<std::int16_t>(w > 0 ? w + 2 : w);
    mask.BorderWidth = static_cast<std::int16_t>(border);
    mask.ImageCount = static_cast<std::int16_t>(images);
    mask.MaskType = static_cast<std::int16_t>(mask_type);
    mask.R = {10, 10, 70, 40};  // 60 × 30
    return mask;
  };
  struct Row {
    TSkinMaskData mask;
    std::int32_t left, top, right, bottom;
    const char* why;
  };
  const Row rows[] = {
      {entry(3, 9, 1, 0), 3, 4, 3, 5, "the entry's own widths first"},
      {entry(0, 7, 1, 0), 7, 7, 7, 7, "then its border width"},
      {entry(-2, -1, 3, 1), 20, 15, 20, 15, "then the frame: 60 div 3 images, 30 div 2 for a mask below"},
      {entry(-2, 0, 2, 2), 30, 10, 30, 10, "three parts high: 30 div 3"},
      {entry(-2, 0, 1, -1), 60, 0, 60, 0, "mask type -1 has no frame height"},
  };
  for (const Row& row : rows) {
    manager.Skin.ma = {row.mask};
    EXPECT_EQ(manager.MaskWidthLeft(0), row.left) << row.why;
    EXPECT_EQ(manager.MaskWidthTop(0), row.top) << row.why;
    EXPECT_EQ(manager.MaskWidthRight(0), row.right) << row.why;
    EXPECT_EQ(manager.MaskWidthBottom(0), row.bottom) << row.why;
  }

  manager.Skin.ma = {entry(0, 0, 0, 0)};
  EXPECT_EQ(manager.MaskWidthRight(0), 0) << "no images: no frame";
  EXPECT_EQ(manager.MaskWidthLeft(0), 60) << "the left width counts an entry without images as one";
  EXPECT_EQ(manager.Skin.ma[0].ImageCount, 1);
  EXPECT_EQ(manager.MaskWidthRight(0), 60) << "and the entry keeps that count";
  for (std::int32_t invalid : {-1, 1}) {
    EXPECT_EQ(manager.MaskWidthLeft(invalid), 0);
    EXPECT_EQ(manager.MaskWidthBottom(invalid), 0);
  }
}

}  // namespace
}  // namespace vorlan::skin
