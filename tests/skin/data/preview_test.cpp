// The skin preview record from another process and what the manager does
// with it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "manager_test_support.h"
#include "skin/data/preview_data.h"
#include "skin/data/skin_manager.h"

namespace vorlan::skin {
namespace {

using testing::OptionsPackage;
using testing::RecordingBox;
using testing::StoredSkin;
using testing::TempDir;

template <std::size_t N>
void Put(std::array<char, N>& field, std::string_view text) {
  std::copy_n(text.begin(), std::min(text.size(), N), field.begin());
}

std::vector<std::uint8_t> Block(std::string_view name, std::string_view dir, std::string_view options,
                                std::size_t size = kPreviewDataSize) {
  TSkPreviewData record;
  record.Magic = kPreviewMagic;
  Put(record.SkinName, name);
  Put(record.SkinDir, dir);
  Put(record.Data, options);
  const auto bytes = PreviewDataBytes(record);
  std::vector<std::uint8_t> block(size, 0x5A);
  std::copy_n(bytes.begin(), std::min(size, bytes.size()), block.begin());
  return block;
}

TEST(PreviewData, WholeRecordsOnlyAndNothingReadPastAField) {
  const std::vector<std::uint8_t> good = Block("Edited", "C:\\Skins", "[GLOBALINFO]");
  ASSERT_TRUE(ParsePreviewData(good));
  EXPECT_EQ(FieldText(ParsePreviewData(good)->SkinName), "Edited");
  EXPECT_EQ(FieldText(ParsePreviewData(good)->SkinDir), "C:\\Skins");
  EXPECT_EQ(FieldText(ParsePreviewData(good)->Data), "[GLOBALINFO]");

  struct Row {
    std::vector<std::uint8_t> block;
    bool taken;
    const char* why;
  };
  std::vector<std::uint8_t> wrong_magic = good;
  wrong_magic[0] = 0x01;
  std::vector<std::uint8_t> swapped_magic = good;
  std::swap(swapped_magic[0], swapped_magic[2]);
  std::swap(swapped_magic[1], swapped_magic[3]);
  std::vector<std::uint8_t> high_magic = good;
  high_magic[3] = 0x01;
  const Row rows[] = {
      {{}, false, "an empty block"},
      {std::vector<std::uint8_t>(good.begin(), good.end() - 1), false, "one byte short of a record"},
      {std::vector<std::uint8_t>(good.begin(), good.begin() + 4), false, "only the magic"},
      {wrong_magic, false, "another magic"},
      {swapped_magic, false, "the magic in the other byte order"},
      {high_magic, false, "all four bytes of the magic count"},
      {Block("Edited", "", "", kPreviewDataSize + 100), true, "a longer block: its record is taken"},
  };
  for (const Row& row : rows) EXPECT_EQ(ParsePreviewData(row.block).has_value(), row.taken) << row.why;
}

TEST(PreviewData, FieldsWithoutTheirZeroEndAtTheFieldsEnd) {
  // Every field full to its last byte, and bytes after the record.
  const std::vector<std::uint8_t> block =
      Block(std::string(200, 'N'), std::string(600, 'D'), std::string(40000, 'T'), kPreviewDataSize + 10);
  const auto record = ParsePreviewData(block);
  ASSERT_TRUE(record);
  EXPECT_EQ(FieldText(record->SkinName), std::string(kPreviewNameSize, 'N'));
  EXPECT_EQ(FieldText(record->SkinDir), std::string(kPreviewDirSize, 'D'));
  EXPECT_EQ(FieldText(record->Data), std::string(kPreviewTextSize, 'T')) << "the bytes after the record stay out";
}

constexpr char kOnDisk[] = "[GLOBALINFO]\r\nVERSION=9.00\r\n[ONDISK]\r\n";
constexpr char kEdited[] = "[GLOBALINFO]\r\nVERSION=9.00\r\n[EDITED]\r\nCOLOR=4\r\n";
constexpr char kStored[] = "[GLOBALINFO]\r\nVERSION=9.00\r\n[STORED]\r\nGLYPH=@0000@0000@0010@0010@1@0\r\n";

class ManagerPreview : public ::testing::Test {
 protected:
  void SetUp() override {
    manager.SetMessageBox(&box);
    manager.InternalSkins.Add(StoredSkin(u"Stored", OptionsPackage(kStored)));
    manager.SetSkinName(u"Stored");
    edited_dir.Write("Edited/Options.dat", kOnDisk);
    const auto package = OptionsPackage(kOnDisk);
    edited_dir.Write("Edited.asz", std::string(package.begin(), package.end()));
  }
  std::u16string Loaded() const { return manager.Skin.gd.size() > 1 ? manager.Skin.gd[1].ClassName : u"(none)"; }
  std::vector<std::uint8_t> EditedBlock() const {
    std::string dir;
    for (char16_t c : edited_dir.Text()) dir.push_back(static_cast<char>(c));
    return Block("Edited", dir, kEdited);
  }

  TempDir edited_dir;
  RecordingBox box;
  TSkinManager manager;
};

TEST_F(ManagerPreview, IgnoredCasesChangeNothing) {
  const std::vector<std::uint8_t> block = EditedBlock();
  std::vector<std::uint8_t> bad_magic = block;
  bad_magic[1] = 0xA5;
  struct Row {
    std::uintptr_t wparam;
    std::vector<std::uint8_t> block;
    bool answered;
    const char* why;
  };
  const Row rows[] = {
      {6, block, false, "another WParam"},
      {0, block, false, "WParam 0"},
      {kPreviewWParam, bad_magic, false, "a wrong magic"},
      {kPreviewWParam, std::vector<std::uint8_t>(block.begin(), block.end() - 1), false, "a short copy"},
      {kPreviewWParam, block, true, "already answered"},
  };
  for (const Row& row : rows) {
    EXPECT_FALSE(manager.ReceivePreview(row.wparam, row.block, row.answered)) << row.why;
    EXPECT_EQ(manager.PreviewBuffer.Magic, 0u) << row.why;
    EXPECT_FALSE(manager.PreviewPending()) << row.why;
    manager.LoadPreviewSkin();  // a stray scPreviewSkin without a received record
    EXPECT_FALSE(manager.PreviewMode()) << row.why;
    EXPECT_EQ(Loaded(), u"STORED") << row.why;
  }
}

TEST_F(ManagerPreview, LoadsTheReceivedOptionsFromTheSkinsDirectory) {
  ASSERT_TRUE(manager.ReceivePreview(kPreviewWParam, EditedBlock(), false));
  EXPECT_TRUE(manager.PreviewPending());
  EXPECT_FALSE(manager.ReceivePreview(kPreviewWParam, Block("Other", "", kStored), false))
      << "a copy while the previous one waits for its load";
  EXPECT_EQ(FieldText(manager.PreviewBuffer.SkinName), "Edited");
  EXPECT_EQ(Loaded(), u"STORED") << "nothing loads before scPreviewSkin";

  manager.LoadPreviewSkin();
  EXPECT_TRUE(manager.PreviewMode());
  EXPECT_FALSE(manager.PreviewPending());
  EXPECT_FALSE(manager.NoAutoUpdate());
  EXPECT_EQ(manager.SkinName(), u"Edited");
  EXPECT_EQ(manager.SkinDirectory(), edited_dir.Text());
  EXPECT_EQ(Loaded(), u"EDITED") << "the editor's text, not the directory's file nor the package beside it";
  EXPECT_FALSE(manager.SkinIsPacked) << "the directory wins over the package in preview mode";
  EXPECT_EQ(manager.Skin.gd[1].Props[0].Color, 4);

  // The text is dropped after the load; a later reload reads the skin's own file.
  manager.SetHueOffset(10);
  EXPECT_EQ(Loaded(), u"ONDISK");
  // The next preview is taken again.
  EXPECT_TRUE(manager.ReceivePreview(kPreviewWParam, EditedBlock(), false));
  manager.LoadPreviewSkin();
  EXPECT_EQ(Loaded(), u"EDITED");
  EXPECT_TRUE(box.Shown.empty());
}

TEST_F(ManagerPreview, APreviewThatCannotBeShownLeavesTheSkinShownBefore) {
  const std::u16string shown_directory = manager.SkinDirectory();
  const std::size_t stored_masks = manager.Skin.ma.size();
  ASSERT_GT(stored_masks, 0u);
  std::string edited;
  for (char16_t c : edited_dir.Text()) edited.push_back(static_cast<char>(c));
  struct Row {
    const char* name;
    const char* text;
    const char16_t* loaded;
    bool error;
    const char* why;
  };
  const Row rows[] = {
      {"Edited", "", u"ONDISK", false, "no text: the skin's own options file, not a skin without sections"},
      {"Missing", "", u"STORED", false, "no text and no skin of that name: the skin shown before"},
      {"Edited", "[GLOBALINFO]\r\nVERSION=9.00\r\n[BROKEN]\r\nGLYPH=@00x0@0000@0010@0010@1@0\r\n", u"STORED", true,
       "a text that fails to load: the skin shown before, whole again"},
  };
  for (const Row& row : rows) {
    manager.SetSkinDirectory(shown_directory);
    manager.SetSkinName(u"Stored");
    box.Shown.clear();
    ASSERT_TRUE(manager.ReceivePreview(kPreviewWParam, Block(row.name, edited, row.text), false)) << row.why;
    manager.LoadPreviewSkin();
    EXPECT_EQ(Loaded(), row.loaded) << row.why;
    EXPECT_EQ(box.Shown.size(), row.error ? 1u : 0u) << row.why;
    if (std::u16string(row.loaded) == u"STORED") {
      EXPECT_EQ(manager.SkinName(), u"Stored") << row.why;
      EXPECT_EQ(manager.SkinDirectory(), shown_directory) << row.why;
      EXPECT_EQ(manager.Skin.ma.size(), stored_masks) << row.why << ": its image entries too";
      EXPECT_GE(manager.GetMaskIndex(u"STORED", u"GLYPH"), 0) << row.why;
    }
    EXPECT_FALSE(manager.NoAutoUpdate()) << row.why;
  }
}

}  // namespace
}  // namespace vorlan::skin
