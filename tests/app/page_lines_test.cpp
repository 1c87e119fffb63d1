#include "app/page_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan::app {
namespace {

std::vector<std::u16string> Copied(const TPageLines& lines) {
  std::vector<std::u16string> copied;
  for (const std::u16string_view line : lines) copied.emplace_back(line);
  return copied;
}

TEST(PageLines, KeepsLinesApartWhateverTheyHold) {
  TPageLines lines;
  lines.push_back(u"first");
  lines.push_back(u"");
  std::u16string& built = lines.StartLine();
  built += u"built ";
  built += u"in parts";
  lines.StartLine();
  lines.push_back(u"a\r\nb");
  const std::vector<std::u16string> expected = {u"first", u"", u"built in parts", u"", u"a\r\nb"};
  EXPECT_EQ(Copied(lines), expected);
  ASSERT_EQ(lines.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << i;
}

TEST(PageLines, InsertsBeforeAnyLine) {
  const struct {
    TPageLines before;
    size_t at;
    TPageLines inserted;
    std::vector<std::u16string> after;
    const char* why;
  } cases[] = {
      {{u"a", u"b"}, 0, {u"x", u""}, {u"x", u"", u"a", u"b"}, "at the start"},
      {{u"a", u"", u"b"}, 2, {u"xy"}, {u"a", u"", u"xy", u"b"}, "in the middle, after an empty line"},
      {{u"a", u"b"}, 2, {u"x", u"y"}, {u"a", u"b", u"x", u"y"}, "at the end"},
      {{u"a"}, 1, {}, {u"a"}, "nothing"},
      {{}, 0, {u""}, {u""}, "one empty line into an empty list"},
  };
  for (const auto& c : cases) {
    TPageLines lines = c.before;
    lines.insert(std::next(lines.begin(), static_cast<std::ptrdiff_t>(c.at)), c.inserted.begin(), c.inserted.end());
    EXPECT_EQ(Copied(lines), c.after) << c.why;
  }
  TPageLines doubled = {u"a", u"b"};
  doubled.insert(std::next(doubled.begin()), doubled.begin(), doubled.end());
  EXPECT_EQ(Copied(doubled), (std::vector<std::u16string>{u"a", u"a", u"b", u"b"})) << "its own lines";
}

TEST(PageLines, EqualOnlyWithTheSameLines) {
  EXPECT_EQ((TPageLines{u"a", u""}), (TPageLines{u"a", u""}));
  EXPECT_NE((TPageLines{u"ab"}), (TPageLines{u"a", u"b"})) << "the same characters, other lines";
  EXPECT_NE((TPageLines{u""}), TPageLines{}) << "one empty line is a line";
  EXPECT_NE((TPageLines{u"a", u""}), (TPageLines{u"", u"a"}));
}

}  // namespace
}  // namespace vorlan::app
