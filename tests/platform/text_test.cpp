#include "platform/text.h"

#include <gtest/gtest.h>

namespace vorlan::platform {
namespace {

struct Utf8Case {
  std::string input;
  std::u16string expected;
  const char* why;
};

TEST(Utf8ToUtf16, DecodesAndReplacesInvalidSequences) {
  const Utf8Case cases[] = {
      {"", u"", "empty"},
      {"abc", u"abc", "ASCII"},
      {"\xD0\x9F\xD1\x80\xD0\xB8", u"При", "two-byte Cyrillic"},
      {"\xF0\x9F\x98\x80", u"\U0001F600", "four bytes become a surrogate pair"},
      {"a\xFF"
       "b",
       u"a\uFFFD"
       u"b",
       "a byte that never starts a sequence"},
      {"\xC0\xAF", u"\uFFFD\uFFFD", "overlong two-byte form"},
      {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD", "overlong three-byte form"},
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD", "encoded surrogate"},
      {"\xE2\x82", u"\uFFFD", "truncated at the end: one replacement"},
      {"\xE2\x82"
       "A",
       u"\uFFFD"
       u"A",
       "truncated before ASCII"},
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD", "above U+10FFFF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8ToUtf16(c.input), c.expected) << c.why;
  }
}

TEST(Utf16ToUtf8, EncodesPairsAndReplacesLoneSurrogates) {
  EXPECT_EQ(Utf16ToUtf8(u"При"), "\xD0\x9F\xD1\x80\xD0\xB8");
  EXPECT_EQ(Utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD") << "lone high surrogate";
  EXPECT_EQ(Utf16ToUtf8(std::u16string{char16_t(0xDC00), u'a'}),
            "\xEF\xBF\xBD"
            "a")
      << "lone low surrogate";
  EXPECT_EQ(Utf16ToUtf8(std::u16string{char16_t(0xD800), char16_t(0xD800), char16_t(0xDC00)}),
            "\xEF\xBF\xBD\xF0\x90\x80\x80")
      << "high surrogate followed by a pair";
}

}  // namespace
}  // namespace vorlan::platform
