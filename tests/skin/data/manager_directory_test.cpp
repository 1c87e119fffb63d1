// Resolving the skin directory, listing skins and extracting internal skins.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "manager_test_support.h"
#include "skin/data/manager_directory.h"
#include "skin/data/skin_manager.h"

namespace vorlan::skin {
namespace {

using testing::RecordingBox;
using testing::ShownMessage;
using testing::StoredSkin;
using testing::TempDir;

TEST(SkinDirectory, ResolvesAgainstTheProgramDirectory) {
  const std::u16string program = u"C:\\Apps\\Vorlan\\";
  struct Row {
    std::u16string value, expected;
    const char* why;
  };
  const Row rows[] = {
      {u"c:\\Skins", u"c:\\Skins\\", "a full path is used as written"},
      {u"D:/Skins/", u"D:/Skins\\", "a final slash becomes a backslash"},
      {u"\\\\server\\skins", u"\\\\server\\skins\\", "a network path is used as written"},
      {u"Skins", u"C:\\Apps\\Vorlan\\Skins\\", "a bare name lies in the program directory"},
      {u"Skins\\Dark", u"C:\\Apps\\Vorlan\\Skins\\Dark\\", "so does a relative path"},
      {u".\\Skins", u"C:\\Apps\\Vorlan\\Skins\\", "dot backslash"},
      {u"./Skins", u"C:\\Apps\\Vorlan\\Skins\\", "dot slash"},
      {u".", u"C:\\Apps\\Vorlan\\", "the program directory itself"},
      {u"..\\Skins", u"C:\\Apps\\Skins\\", "the parent of the program directory"},
      {u"/usr/share/skins", u"/usr/share/skins\\", "an absolute POSIX path"},
  };
  for (const Row& row : rows) EXPECT_EQ(ResolveSkinDirectory(row.value, program), row.expected) << row.why;
}

TEST(SkinDirectory, TrailingSeparator) {
  EXPECT_EQ(WithTrailingBackslash(u"c"), u"c:\\");
  EXPECT_EQ(WithTrailingBackslash(u"c:\\x/"), u"c:\\x\\");
  EXPECT_EQ(WithTrailingBackslash(u"c:\\x\\"), u"c:\\x\\");
  EXPECT_EQ(WithTrailingBackslash(u"x"), u"x:\\");
}

class SkinLists : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.Write("beta.asz", "package");
    dir.Write("Alpha/Options.dat", "[GLOBALINFO]");
    dir.Write("NoOptions/readme.txt", "");
    dir.Write("upper.ASZ", "not listed: the extension is case-sensitive");
    dir.Write(".hidden.asz", "");
    dir.Write("gamma.asz", "");
    manager.SetSkinDirectory(dir.Text());
    manager.InternalSkins.Add(StoredSkin(u"Zeta (internal)", {}));
  }
  TempDir dir;
  TSkinManager manager;
};

TEST_F(SkinLists, ListsByTypeSorted) {
  struct Row {
    TSkinTypes type;
    bool with_internal;
    std::vector<std::u16string> expected;
  };
  const Row rows[] = {
      {stAllSkins, true, {u"Alpha", u"beta", u"gamma", u"Zeta (internal)"}},
      {stPacked, true, {u"beta", u"gamma", u"Zeta (internal)"}},
      {stUnpacked, false, {u"Alpha"}},
      {stAllSkins, false, {u"Alpha", u"beta", u"gamma"}},
  };
  for (const Row& row : rows) {
    std::vector<std::u16string> names{u"replaced"};
    const std::u16string first =
        row.with_internal ? manager.GetSkinNames(names, row.type) : manager.GetExternalSkinNames(names, row.type);
    EXPECT_EQ(names, row.expected) << row.type;
    if (row.with_internal) {
      EXPECT_EQ(first, u"Zeta (internal)") << "internal skins come first before sorting";
    }
  }
  const std::u16string random = manager.GetRandomSkin();
  EXPECT_FALSE(random.empty());
}

TEST(ExtractInternalSkin, WritesThePackageOrExplains) {
  TempDir dir;
  RecordingBox box;
  TSkinManager manager;
  manager.SetMessageBox(&box);
  const std::vector<std::uint8_t> data = {'A', 'S', 'z', 'f', 0, 0, 0, 0};
  manager.InternalSkins.Add(StoredSkin(u"Mine", data));

  manager.ExtractInternalSkin(u"Mine", dir.Text() + u"/");
  std::ifstream file(dir.Path / "Mine extracted.asz", std::ios::binary);
  const std::vector<std::uint8_t> written{std::istreambuf_iterator<char>(file), {}};
  EXPECT_EQ(written, data);
  EXPECT_TRUE(box.Shown.empty());

  manager.ExtractInternalSkin(u"mine", dir.Text());
  manager.ExtractInternalSkin(u"Mine", dir.Text() + u"/missing");
  const std::vector<ShownMessage> expected = {{TSkinBoxKind::Error, u"Skin does not exists."},
                                              {TSkinBoxKind::Error, u"Directory does not exists."}};
  EXPECT_EQ(box.Shown, expected);

  manager.ExtractByIndex(0, dir.Text() + u"/made/here");
  EXPECT_TRUE(std::filesystem::exists(dir.Path / "made" / "here" / "Mine extracted.asz"))
      << "ExtractByIndex creates the directory";
}

TEST(ExtractByIndex, AnUnwritableTargetIsAnErrorWithTheSystemsMessage) {
  TempDir dir;
  RecordingBox box;
  TSkinManager manager;
  manager.SetMessageBox(&box);
  manager.InternalSkins.Add(StoredSkin(u"Mine", {'A', 'S', 'z', 'f'}));
  // A directory where the package should go: no system lets it be opened as a file.
  std::filesystem::create_directories(dir.Path / "Mine extracted.asz");

  manager.ExtractByIndex(0, dir.Text());
  ASSERT_EQ(box.Shown.size(), 1u) << "the failure is reported, not passed over as success";
  EXPECT_EQ(box.Shown[0].Kind, TSkinBoxKind::Error);
  const std::u16string& text = box.Shown[0].Text;
  EXPECT_EQ(text.rfind(u"Cannot create file \"", 0), 0u) << platform::Utf16ToUtf8(text);
  EXPECT_NE(text.find(u"Mine extracted.asz\". "), std::u16string::npos) << "the path, then the system's reason";
  EXPECT_GT(text.size(), text.find(u"\". ") + 3) << "the system's reason is not empty";
}

}  // namespace
}  // namespace vorlan::skin
