#include "skin/data/skin_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/text.h"

namespace vorlan::skin {
namespace {

// Skins name their files without regard to letter case, as the system they
// are made on does; every system must find them.
TEST(SkinFiles, NamesAreFoundWhateverTheirLetterCase) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / "vorlan-skin-files-test";
  fs::remove_all(dir);
  fs::create_directories(dir / "Sub Dir");
  std::ofstream(dir / "Sub Dir" / "Master copy.bmp", std::ios::binary) << "BM";
  const std::u16string base = platform::Utf8ToUtf16(dir.string()) + u"\\";

  struct Case {
    std::u16string name;
    bool found;
    const char* why;
  } cases[] = {
      {u"Sub Dir\\Master copy.bmp", true, "as written"},
      {u"SUB DIR\\MASTER COPY.BMP", true, "upper case, directory and file"},
      {u"sub dir\\master Copy.Bmp", true, "mixed case"},
      {u"Sub Dir\\Master copy.bm", false, "a shorter name is another name"},
      {u"Sub Dir\\Master  copy.bmp", false, "a doubled space is another name"},
      {u"Other\\Master copy.bmp", false, "a missing directory"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SkinFileExists(base + c.name), c.found) << c.why;
    const auto bytes = ReadSkinFile(base + c.name);
    EXPECT_EQ(bytes.has_value(), c.found) << c.why;
    if (bytes) {
      EXPECT_EQ(bytes->size(), 2u) << c.why;
    }
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace vorlan::skin
