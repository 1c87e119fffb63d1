#include <gtest/gtest.h>

#include "skin/data/skin_options.h"
#include "skin/data/skin_test_support.h"

namespace vorlan::skin {
namespace {

std::vector<std::u16string> SectionNames(const TSkinOptions& options) {
  std::vector<std::u16string> names;
  for (const auto& section : options.Sections()) names.push_back(section.Name);
  return names;
}

TEST(SkinOptions, DialectOfLinesSectionsAndKeys) {
  const TSkinOptions options = TSkinOptions::FromText(
      u"KEY=before any section\r\n"
      u"  [ FIRST ]  \r\n"
      u"; a comment=1\n"
      u"\tA = 1 \r"
      u"B==2\n"
      u"no equals sign\n"
      u"\n"
      u"[second]\r\n"
      u"a=lower\r\n"
      u"[FIRST]\r\n"
      u"A=from the second occurrence\r\n"
      u"[EMPTY]");
  EXPECT_EQ(SectionNames(options), (std::vector<std::u16string>{u"FIRST", u"second", u"FIRST", u"EMPTY"}));
  struct Case {
    std::u16string section, key;
    std::optional<std::u16string> value;
    const char* why;
  };
  const Case cases[] = {
      {u"FIRST", u"A", u"1", "key and value are trimmed"},
      {u"FIRST", u"B", u"=2", "the key ends at the first ="},
      {u"FIRST", u"; a comment", std::nullopt, "comments are skipped"},
      {u"first", u"A", std::nullopt, "section names are case-sensitive"},
      {u"second", u"A", std::nullopt, "keys are case-sensitive"},
      {u"second", u"a", u"lower", "lower-case keys are kept"},
      {u"", u"KEY", std::nullopt, "lines before the first section are ignored"},
      {u"EMPTY", u"A", std::nullopt, "an empty section has no keys"},
  };
  for (const Case& c : cases) {
    const auto value = options.Find(c.section, c.key);
    EXPECT_EQ(value.has_value(), c.value.has_value()) << c.why;
    if (value && c.value) {
      EXPECT_EQ(std::u16string(*value), *c.value) << c.why;
    }
  }
  EXPECT_EQ(options.FindSection(u"FIRST"), &options.Sections()[0]) << "the first occurrence is the one looked up";
}

TEST(SkinOptions, IntegerRules) {
  struct Case {
    std::u16string text;
    std::optional<std::int32_t> value;
  };
  const Case cases[] = {
      {u"0", 0},
      {u"14675939", 14675939},
      {u"-1", -1},
      {u"+7", 7},
      {u"$FF", 255},
      {u"0x1F", 31},
      {u"0XaB", 171},
      {u"-$10", -16},
      {u"$FFFFFFFF", -1},
      {u"2147483647", 2147483647},
      {u"-2147483648", -2147483647 - 1},
      {u"2147483648", std::nullopt},
      {u"$100000000", std::nullopt},
      {u"", std::nullopt},
      {u"-", std::nullopt},
      {u"$", std::nullopt},
      {u"12a", std::nullopt},
      {u"1.5", std::nullopt},
      {u"N/A", std::nullopt},
      {u" 5", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseSkinInteger(c.text), c.value) << std::string(c.text.begin(), c.text.end());
  }
  const TSkinOptions options = TSkinOptions::FromText(u"[S]\nN=12\nBAD=x1\n");
  EXPECT_EQ(options.ReadInteger(u"S", u"N", 5), 12);
  EXPECT_EQ(options.ReadInteger(u"S", u"BAD", 5), 5) << "unparsable gives the default";
  EXPECT_EQ(options.ReadInteger(u"S", u"MISSING", 5), 5);
}

TEST(SkinOptions, BooleanAndVersionRules) {
  const TSkinOptions options =
      TSkinOptions::FromText(u"[S]\nT1=TRUE\nT2=1\nF1=true\nF2=0\nF3=yes\nE=\nV1=10.00\nV2=7.45\nV3=10,5\nV4=abc\n");
  const std::pair<std::u16string, bool> bools[] = {{u"T1", true},  {u"T2", true},  {u"F1", false},
                                                   {u"F2", false}, {u"F3", false}, {u"E", false}};
  for (const auto& [key, expected] : bools) EXPECT_EQ(options.ReadBool(u"S", key, !expected), expected);
  EXPECT_TRUE(options.ReadBool(u"S", u"ABSENT", true));
  EXPECT_DOUBLE_EQ(options.ReadFloat(u"S", u"V1", 0), 10.0);
  EXPECT_DOUBLE_EQ(options.ReadFloat(u"S", u"V2", 0), 7.45);
  EXPECT_DOUBLE_EQ(options.ReadFloat(u"S", u"V3", -1), -1) << "only . separates decimals";
  EXPECT_DOUBLE_EQ(options.ReadFloat(u"S", u"V4", -1), -1);
}

TEST(SkinOptions, TextEncodings) {
  struct Case {
    std::vector<std::uint8_t> bytes;
    std::u16string value;
    const char* why;
  };
  const Case cases[] = {
      {{'[', 'S', ']', '\n', 'K', '=', 0xE9, 0x80}, u"\u00e9\u20ac", "no mark: ANSI (Windows-1252 here)"},
      {{0xEF, 0xBB, 0xBF, '[', 'S', ']', '\n', 'K', '=', 0xC3, 0xA9}, u"\u00e9", "UTF-8 mark"},
      {{0xFF, 0xFE, '[', 0, 'S', 0, ']', 0, '\n', 0, 'K', 0, '=', 0, 0x16, 0x04}, u"\u0416", "UTF-16 LE mark"},
      {{0xFE, 0xFF, 0, '[', 0, 'S', 0, ']', 0, '\n', 0, 'K', 0, '=', 0x04, 0x16}, u"\u0416", "UTF-16 BE mark"},
  };
  for (const Case& c : cases) {
    const TSkinOptions options = TSkinOptions::FromBytes(c.bytes);
    const auto value = options.Find(u"S", u"K");
    ASSERT_TRUE(value.has_value()) << c.why;
    if (std::string_view(c.why).starts_with("no mark")) {
#ifndef _WIN32
      EXPECT_EQ(std::u16string(*value), c.value) << c.why;
#endif
    } else {
      EXPECT_EQ(std::u16string(*value), c.value) << c.why;
    }
  }
}

}  // namespace
}  // namespace vorlan::skin
