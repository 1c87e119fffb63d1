#include "http/header_list.h"

#include <gtest/gtest.h>

namespace vorlan::http {
namespace {

TEST(HeaderList, SetReplacesInPlaceAppendsOrRemoves) {
  THeaderList list;
  list.Set("Host", "a");
  list.Set("Accept", "b");
  list.Set("host", "c");
  EXPECT_EQ(list.Lines(), (std::vector<std::string>{"host: c", "Accept: b"})) << "replaced in place, name case ignored";
  list.Set("ACCEPT", "");
  EXPECT_EQ(list.Lines(), (std::vector<std::string>{"host: c"})) << "an empty value removes the field";
  list.Add("Cookie", "x=1");
  list.Add("Cookie", "y=2");
  EXPECT_EQ(list.size(), 3u) << "Add always appends";
}

TEST(HeaderList, ValueJoinsContinuationLinesAndTakesTheFirstField) {
  THeaderList list;
  list.AddRaw("Content-Type:   text/plain  ");
  list.AddRaw("X-Long: one");
  list.AddRaw("   two ");
  list.AddRaw("\tthree");
  list.AddRaw("x-long: second");
  EXPECT_EQ(list.Value("content-type"), "text/plain");
  EXPECT_EQ(list.Value("X-LONG"), "one two three");
  EXPECT_EQ(list.Values("x-long"), (std::vector<std::string>{"one two three", "second"}));
  EXPECT_FALSE(list.Value("Missing").has_value());
}

TEST(HeaderList, FoldsLongLinesOutsideQuotes) {
  std::string value;
  for (int i = 0; i < 300; ++i) value += "n" + std::to_string(i) + "=v; ";
  const std::string line = "Cookie: " + value;
  const std::vector<std::string> folded = FoldHeaderLine(line, 100);
  ASSERT_GT(folded.size(), 1u);
  std::string rejoined;
  for (size_t i = 0; i < folded.size(); ++i) {
    EXPECT_LE(folded[i].size(), 100u) << "line " << i;
    if (i > 0) {
      EXPECT_EQ(folded[i][0], ' ') << "continuation lines begin with a space";
      EXPECT_NE(folded[i][1], ' ');
    }
    rejoined += (i > 0 ? " " : "") + std::string(i > 0 ? folded[i].substr(1) : folded[i]);
  }
  EXPECT_EQ(rejoined, line.substr(0, line.size() - 1)) << "nothing lost but blanks at the breaks";

  const std::string quoted = "X: \"" + std::string(50, 'a') + " " + std::string(50, 'b') + "\", tail";
  const std::vector<std::string> kept = FoldHeaderLine(quoted, 60);
  ASSERT_EQ(kept.size(), 3u);
  EXPECT_EQ(kept[1], " \"" + std::string(50, 'a') + " " + std::string(50, 'b') + "\",")
      << "no break inside double quotes, even past the width";
  EXPECT_EQ(FoldHeaderLine(std::string(2000, 'z'), 1024).size(), 1u) << "no break place: the line stays whole";
  EXPECT_EQ(FoldHeaderLine("short", 1024), (std::vector<std::string>{"short"}));
}

TEST(HeaderList, SetFoldsAndReplacesTheWholeFoldedField) {
  THeaderList list;
  std::string long_value;
  for (int i = 0; i < 200; ++i) long_value += "item" + std::to_string(i) + ", ";
  list.Set("X-List", long_value);
  list.Set("After", "1");
  ASSERT_GT(list.size(), 2u);
  list.Set("x-list", "short");
  EXPECT_EQ(list.Lines(), (std::vector<std::string>{"x-list: short", "After: 1"}));
}

}  // namespace
}  // namespace vorlan::http
