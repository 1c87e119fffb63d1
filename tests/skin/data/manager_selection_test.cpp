// Where the manager takes a skin from, and what a failed selection leaves.
#include <gtest/gtest.h>

#include "manager_test_support.h"
#include "skin/data/skin_manager.h"

namespace vorlan::skin {
namespace {

using testing::Bytes;
using testing::OptionsPackage;
using testing::RecordingBox;
using testing::ShownMessage;
using testing::StoredSkin;
using testing::TempDir;

constexpr char kFileSkin[] = "[GLOBALINFO]\r\nVERSION=8.10\r\n[FROMFILE]\r\nCOLOR=1\r\n";
constexpr char kDirSkin[] = "[GLOBALINFO]\r\nVERSION=9.00\r\n[FROMDIR]\r\nCOLOR=2\r\n";
constexpr char kStoredA[] = "[GLOBALINFO]\r\nVERSION=10.00\r\n[STOREDA]\r\nCOLOR=3\r\n";
constexpr char kStoredB[] = "[GLOBALINFO]\r\nVERSION=10.50\r\n[STOREDB]\r\n";

class ManagerSelection : public ::testing::Test {
 protected:
  void SetUp() override {
    manager.SetMessageBox(&box);
    manager.SetSkinDirectory(dir.Text());
    manager.InternalSkins.Add(StoredSkin(u"Stored A", OptionsPackage(kStoredA)));
    manager.InternalSkins.Add(StoredSkin(u"Stored B", OptionsPackage(kStoredB)));
    const auto package = OptionsPackage(kFileSkin);
    dir.Write("Packed.asz", std::string(package.begin(), package.end()));
    dir.Write("Unpacked/Options.dat", kDirSkin);
  }
  // The name of the skin's second section tells where it came from.
  std::u16string Loaded() const { return manager.Skin.gd.size() > 1 ? manager.Skin.gd[1].ClassName : u"(none)"; }

  TempDir dir;
  RecordingBox box;
  TSkinManager manager;
};

TEST_F(ManagerSelection, TakesFilesThenDirectoriesThenInternalSkins) {
  struct Row {
    std::u16string name, expected_section, expected_name;
    bool packed, path_in_dir;
    const char* why;
  };
  const Row rows[] = {
      {u"Packed", u"FROMFILE", u"Packed", true, true, "a package file in the skin directory"},
      {u"Packed.ASZ", u"FROMFILE", u"Packed", true, true, "the extension in any case is dropped"},
      {u"Unpacked", u"FROMDIR", u"Unpacked", false, true, "a sub-directory with Options.dat"},
      {u"Stored B", u"STOREDB", u"Stored B", true, false, "an internal skin by its exact name"},
      {u"stored b", u"STOREDA", u"Stored A", true, false, "names are case-sensitive: the first internal skin"},
      {u"Nowhere", u"STOREDA", u"Stored A", true, false, "an unknown name falls back to the first internal skin"},
  };
  for (const Row& row : rows) {
    manager.SetSkinName(row.name);
    EXPECT_EQ(Loaded(), row.expected_section) << row.why;
    EXPECT_EQ(manager.SkinName(), row.expected_name) << row.why;
    EXPECT_EQ(manager.SkinIsPacked, row.packed) << row.why;
    EXPECT_EQ(manager.Skin.CommonSkinData.SkinPath.empty(), !row.path_in_dir) << row.why;
    EXPECT_TRUE(manager.Skin.CommonSkinData.Active) << row.why;
  }
  EXPECT_TRUE(box.Shown.empty());
}

TEST_F(ManagerSelection, SkinPathOfFileAndDirectorySkins) {
  manager.SetSkinName(u"Unpacked");
  EXPECT_EQ(manager.Skin.CommonSkinData.SkinPath, manager.GetFullSkinDirectory() + u"Unpacked\\");
  manager.SetSkinName(u"Packed");
  EXPECT_EQ(manager.Skin.CommonSkinData.SkinPath, manager.GetFullSkinDirectory());
  EXPECT_EQ(manager.GetFullSkinDirectory().back(), u'\\');
}

TEST_F(ManagerSelection, NoSkinAnywhereSwitchesTheManagerOff) {
  manager.InternalSkins.Clear();
  int activations = 0;
  manager.OnActivate = [&](TSkinManager&) { ++activations; };
  manager.SetSkinName(u"Nowhere");
  EXPECT_FALSE(manager.Active());
  EXPECT_TRUE(manager.Skin.gd.empty());
  EXPECT_EQ(manager.SkinInfo(), u"N/A");
  EXPECT_EQ(activations, 1) << "the selection still reports an activation";
}

TEST_F(ManagerSelection, PackageWithoutOptionsIsAFormatError) {
  manager.SetSkinName(u"Stored A");
  const auto package = OptionsPackage("");
  dir.Write("Empty.asz", std::string(package.begin(), package.end()));
  manager.SetSkinName(u"Empty");
  ASSERT_EQ(box.Shown.size(), 1u);
  EXPECT_EQ(
      box.Shown[0],
      (ShownMessage{TSkinBoxKind::Plain,
                    u"Internal format error in the \"Empty\" skin. Please, update this skin to latest version."}));
  EXPECT_EQ(Loaded(), u"STOREDA") << "nothing is loaded over the previous skin";
}

TEST_F(ManagerSelection, BrokenOptionsRestoreTheOldNameAndShowTheError) {
  manager.SetSkinName(u"Unpacked");
  dir.Write("Broken/Options.dat", "[GLOBALINFO]\r\nBOXCHECKED=@00x9@0080@0070@0095@3@0\r\n");
  manager.SetSkinName(u"Broken");
  EXPECT_EQ(manager.SkinName(), u"Unpacked");
  ASSERT_EQ(box.Shown.size(), 1u);
  EXPECT_EQ(box.Shown[0].Kind, TSkinBoxKind::Error);
  EXPECT_NE(box.Shown[0].Text.find(u"is not a valid integer value"), std::u16string::npos);
  EXPECT_FALSE(SkinChanging()) << "the skin-change flag is cleared after a failure";
}

TEST_F(ManagerSelection, NewerSkinVersionsWarnButLoad) {
  struct Row {
    const char* version;
    bool warns;
  };
  for (const Row& row : {Row{"11.00", true}, Row{"10.99", false}, Row{"7.0", false}}) {
    box.Shown.clear();
    dir.Write("Versioned/Options.dat", std::string("[GLOBALINFO]\r\nVERSION=") + row.version + "\r\n");
    manager.SetSkinName(u"Stored A");
    manager.SetSkinName(u"Versioned");
    EXPECT_EQ(box.Shown.size(), row.warns ? 1u : 0u) << row.version;
    if (row.warns) {
      EXPECT_EQ(box.Shown[0], (ShownMessage{TSkinBoxKind::Warning, std::u16string(kVersionWarning)}));
    }
    EXPECT_EQ(manager.SkinName(), u"Versioned") << row.version;
    EXPECT_TRUE(manager.SkinningRules().Contains(srStdDialogs)) << "dialog skinning is given back";
    if (row.warns) {
      EXPECT_FALSE(box.DialogsSkinnedWhileShown[0]) << "the warning keeps the platform's look";
    }
    EXPECT_FALSE(StdDialogsNotSkinned()) << "and the hook skins dialogs again afterwards";
  }
}

TEST_F(ManagerSelection, NotAPackageIsShownWithDialogsUnskinned) {
  manager.SetSkinName(u"Stored A");
  dir.Write("Bogus.asz", "PK\x03\x04 not a skin package");
  manager.SetSkinName(u"Bogus");
  ASSERT_EQ(box.Shown.size(), 2u);
  EXPECT_EQ(box.Shown[0], (ShownMessage{TSkinBoxKind::Error, u"Loaded data is not a packed VeltrixSkin file"}));
  EXPECT_FALSE(box.DialogsSkinnedWhileShown[0]) << "the error box keeps the platform's look";
  EXPECT_EQ(box.Shown[1].Kind, TSkinBoxKind::Plain) << "then the format error";
  EXPECT_FALSE(StdDialogsNotSkinned()) << "dialog skinning comes back";
  EXPECT_TRUE(manager.SkinningRules().Contains(srStdDialogs));
}

TEST_F(ManagerSelection, FalseIsDefaultIsIgnoredWhileADefaultExists) {
  ASSERT_TRUE(manager.IsDefault()) << "the first manager of the process";
  manager.SetSkinName(u"Stored A");
  ASSERT_FALSE(StdDialogsNotSkinned());
  manager.SetIsDefault(false);
  EXPECT_TRUE(manager.IsDefault());
  EXPECT_EQ(DefaultManager(), &manager);
  TSkinningRules rules;
  rules.Exclude(srStdDialogs);
  manager.SetSkinningRules(rules);
  EXPECT_TRUE(StdDialogsNotSkinned()) << "the default manager still sets the dialog flag";

  TSkinManager second;
  second.SetMessageBox(&box);
  EXPECT_FALSE(second.IsDefault());
  second.SetIsDefault(true);
  EXPECT_EQ(DefaultManager(), &second);
  EXPECT_FALSE(StdDialogsNotSkinned()) << "the new default is active with every rule: dialogs are skinned";
  second.SetIsDefault(false);
  manager.SetIsDefault(false);
  EXPECT_EQ(DefaultManager(), &second) << "neither gives the default up";
}

TEST_F(ManagerSelection, SkinInfoWritesTheVersionShortly) {
  EXPECT_EQ(manager.SkinInfo(), u"N/A");
  manager.SetSkinName(u"Stored A");
  EXPECT_EQ(manager.SkinInfo(), u"10");
  manager.SetSkinName(u"Stored B");
  EXPECT_EQ(manager.SkinInfo(), u"10.5");
  manager.SetSkinName(u"Packed");
  EXPECT_EQ(manager.SkinInfo(), u"8.1");
}

TEST_F(ManagerSelection, SwitchingOffRemovesTheSkinAndItsIndexes) {
  manager.SetSkinName(u"Stored A");
  ASSERT_GE(manager.ConstData.Sections[ssTransparent], 0);
  int deactivations = 0;
  manager.OnDeactivate = [&](TSkinManager&) { ++deactivations; };
  manager.SetActive(false);
  for (std::int32_t index : manager.ConstData.Sections) EXPECT_EQ(index, -1);
  std::vector<std::u16string> sections{u"left over"};
  manager.GetSkinSections(sections);
  EXPECT_TRUE(sections.empty());
  EXPECT_EQ(deactivations, 1);
  manager.SetActive(true);
  EXPECT_EQ(Loaded(), u"STOREDA") << "switching on loads the named skin again";
}

TEST_F(ManagerSelection, InactiveManagerOnlyStoresTheName) {
  manager.SetActive(false);
  manager.SetSkinName(u"Packed");
  EXPECT_EQ(manager.SkinName(), u"Packed");
  EXPECT_TRUE(manager.Skin.gd.empty());
}

TEST_F(ManagerSelection, BrightnessIsLimited) {
  for (auto [set, stored] : {std::pair{150, 100}, {-101, -100}, {37, 37}}) {
    manager.SetBrightness(set);
    EXPECT_EQ(manager.Brightness(), stored) << set;
  }
}

TEST_F(ManagerSelection, AdjustmentSettersReloadTheSkin) {
  manager.SetSkinName(u"Packed");  // FROMFILE COLOR=1: red 1
  int changes = 0;
  manager.OnAfterChange = [&](TSkinManager&) { ++changes; };
  manager.SetBrightness(10);
  EXPECT_EQ(manager.Skin.gd[1].Props[0].Color, 11 + (10 << 8) + (10 << 16));
  manager.SetBrightness(10);
  EXPECT_EQ(changes, 1) << "an unchanged value does not reload";
  EXPECT_EQ(Loaded(), u"FROMFILE");
}

TEST_F(ManagerSelection, BeginAndEndUpdateApplyOnce) {
  manager.BeginUpdate();
  manager.SetSkinName(u"Stored A");
  EXPECT_FALSE(manager.Skin.CommonSkinData.Active) << "loaded but not applied";
  int changes = 0;
  manager.OnAfterChange = [&](TSkinManager&) { ++changes; };
  manager.EndUpdate(true, false);
  EXPECT_TRUE(manager.Skin.CommonSkinData.Active);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(manager.AnimEffects().SkinChanging.Active) << "the animation setting comes back";
}

TEST_F(ManagerSelection, LoadingDefersApplyingUntilLoaded) {
  TSkinManager second;
  second.SetMessageBox(&box);
  second.BeginLoading();
  second.InternalSkins.Add(StoredSkin(u"Stored A", OptionsPackage(kStoredA)));
  second.SetSkinName(u"Stored A");
  EXPECT_FALSE(second.Skin.gd.empty());
  EXPECT_FALSE(second.Skin.CommonSkinData.Active);
  second.SetMenuSupport({});
  second.Loaded();
  EXPECT_TRUE(second.Skin.CommonSkinData.Active);
  EXPECT_EQ(second.MenuSupport().IcoLineSkin, u"ICOLINE");
}

}  // namespace
}  // namespace vorlan::skin
