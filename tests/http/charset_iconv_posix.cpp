#include <gtest/gtest.h>

#include "platform/codepage.h"

namespace vorlan::platform {
namespace {

// Every code page of the character sets the program is likely to meet must
// come from iconv here; a missing converter would silently fall back to 8-bit.
TEST(DecodeCodePagePosix, ProvidesTheCommonCodePages) {
  const unsigned code_pages[] = {437,   850,   852,   866,   874,   932,   936,   949,   950,   1250,  1251,  1252,
                                 1253,  1254,  1255,  1256,  1257,  1258,  20866, 20932, 21866, 28591, 28592, 28593,
                                 28594, 28595, 28596, 28597, 28598, 28599, 28603, 28605, 38598, 50220, 50225, 54936,
                                 65000, 10000, 10007, 37,    500,   1026,  1361,  20273, 20880};
  for (const unsigned code_page : code_pages) {
    EXPECT_TRUE(DecodeCodePage("abc", code_page).has_value()) << code_page;
  }
}

TEST(DecodeCodePagePosix, UnknownCodePagesAreNotProvided) {
  for (const unsigned code_page : {0u, 1u, 42u, 65001u, 99999u}) {
    EXPECT_FALSE(DecodeCodePage("abc", code_page).has_value()) << code_page;
  }
}

struct BrokenInputRow {
  unsigned code_page;
  std::string bytes;
  std::u16string text;
  const char* why;
};

TEST(DecodeCodePagePosix, UndefinedAndCutOffBytesNeverFail) {
  const BrokenInputRow rows[] = {
      {1251,
       "a\x98"
       "b",
       u"a\u0098b", "byte undefined in windows-1251 keeps its number, as on Windows"},
      {1252, "\x81\x8D", u"\u0081\u008D", "bytes undefined in windows-1252"},
      {932, "a\x82", u"a\uFFFD", "lead byte cut off by the end"},
      {936,
       "\xFF"
       "a",
       u"\uFFFDa", "byte that starts no sequence"},
      {65000, "+AGE-x", u"ax", "UTF-7"},
  };
  for (const BrokenInputRow& row : rows) {
    const auto text = DecodeCodePage(row.bytes, row.code_page);
    ASSERT_TRUE(text.has_value()) << row.why;
    EXPECT_EQ(*text, row.text) << row.why;
  }
}

}  // namespace
}  // namespace vorlan::platform
