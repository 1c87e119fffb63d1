#include "app/command_line.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/text.h"

namespace vorlan::app {
namespace {

TEST(CommandLine, SkinArgument) {
  const struct {
    std::vector<std::u16string> Args;
    std::optional<std::u16string> Expected;
    const char* Why;
  } rows[] = {
      {{}, std::nullopt, "no arguments: the stored skin"},
      {{u"--skin", u"C:\\Skins\\Blue.asz"}, u"C:\\Skins\\Blue.asz", "a package file"},
      {{u"--skin"}, std::nullopt, "the option without its value"},
      {{u"--skin", u""}, std::nullopt, "an empty value names nothing"},
      {{u"-x", u"--skin", u"a", u"--skin", u"b"}, u"b", "the last one counts; others are left alone"},
      {{u"--SKIN", u"a"}, std::nullopt, "the option is written in small letters"},
      {{u"--skin", u"--skin"}, u"--skin", "a value is taken as it stands"},
  };
  for (const auto& row : rows) EXPECT_EQ(SkinArgument(row.Args), row.Expected) << row.Why;
}

TEST(CommandLine, ProgramFolderArgument) {
  const struct {
    std::vector<std::u16string> Args;
    bool Expected;
    const char* Why;
  } rows[] = {
      {{}, false, "no arguments: the working directory stays"},
      {{u"--work-in-program-folder"}, true, "the option alone"},
      {{u"--skin", u"a.asz", u"--work-in-program-folder"}, true, "after a skin"},
      {{u"--skin", u"--work-in-program-folder"}, false, "a skin's value is no option"},
      {{u"--Work-In-Program-Folder"}, false, "the option is written in small letters"},
  };
  for (const auto& row : rows) EXPECT_EQ(ProgramFolderArgument(row.Args), row.Expected) << row.Why;
}

TEST(CommandLine, SplitSkinPath) {
  const struct {
    std::u16string_view Path;
    std::optional<TSkinLocation> Expected;
    const char* Why;
  } rows[] = {
      {u"C:\\Skins\\Blue.asz", TSkinLocation{u"C:\\Skins\\", u"Blue.asz"}, "a package file"},
      {u"C:\\Skins\\Blue\\", TSkinLocation{u"C:\\Skins\\", u"Blue"}, "a directory with a separator after it"},
      {u"C:/skins/Blue", TSkinLocation{u"C:\\skins\\", u"Blue"}, "forward separators"},
      {u"C:\\Blue", TSkinLocation{u"C:\\", u"Blue"}, "a skin at a drive's root"},
      {u"C:\\", std::nullopt, "a drive's root is no skin"},
      {u"Blue", std::nullopt, "a bare name has no directory"},
      {u"", std::nullopt, "nothing"},
      {u"C:\\Skins\\..", std::nullopt, "a step up names no skin"},
  };
  for (const auto& row : rows) {
    const auto got = SplitSkinPath(row.Path);
    ASSERT_EQ(got.has_value(), row.Expected.has_value()) << row.Why;
    if (got) {
      EXPECT_EQ(platform::Utf16ToUtf8(got->Directory), platform::Utf16ToUtf8(row.Expected->Directory)) << row.Why;
      EXPECT_EQ(platform::Utf16ToUtf8(got->Name), platform::Utf16ToUtf8(row.Expected->Name)) << row.Why;
    }
  }
}

}  // namespace
}  // namespace vorlan::app
