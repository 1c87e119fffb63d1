#include <gtest/gtest.h>

#include <set>
#include <string>

#include "http/charset.h"
#include "http/charset_names.h"
#include "http/charset_table.h"
#include "platform/codepage.h"
#include "platform/text.h"

namespace vorlan::http {
namespace {

struct CodePageRow {
  const char* name;
  unsigned code_page;
};

TEST(CharsetTable, NamesAndAliasesWithTheirCodePages) {
  const CodePageRow rows[] = {
      {"US-ASCII", 20127},
      {"us-ascii", 20127},
      {"ANSI_X3.4-1968", 20127},
      {"ISO-8859-1", 28591},
      {"latin1", 28591},
      {"LATIN1", 28591},
      {"iso-ir-100", 28591},
      {"UTF-8", 65001},
      {"utf-8", 65001},
      {"UTF-16", 1200},
      {"UTF-16LE", 1200},
      {"UTF-16BE", 1201},
      {"KOI8-R", 20866},
      {"koi8-r", 20866},
      {"KOI8-U", 21866},
      {"IBM866", 866},
      {"cp866", 866},
      {"windows-1250", 1250},
      {"windows-1251", 1251},
      {"WINDOWS-1251", 1251},
      {"windows-1252", 1252},
      {"windows-1253", 1253},
      {"windows-1254", 1254},
      {"windows-1255", 1255},
      {"windows-1256", 1256},
      {"windows-1257", 1257},
      {"windows-1258", 1258},
      {"Shift_JIS", 932},
      {"shift_jis", 932},
      {"MS_Kanji", 932},
      {"EUC-JP", 20932},
      {"GB2312", 936},
      {"GBK", 936},
      {"GB18030", 54936},
      {"Big5", 950},
      {"EUC-KR", 949},
      {"ISO-8859-2", 28592},
      {"latin2", 28592},
      {"ISO-8859-3", 28593},
      {"ISO-8859-4", 28594},
      {"ISO-8859-5", 28595},
      {"cyrillic", 28595},
      {"ISO-8859-6", 28596},
      {"ISO-8859-7", 28597},
      {"greek", 28597},
      {"ISO-8859-8", 28598},
      {"ISO-8859-8-I", 38598},
      {"ISO-8859-9", 28599},
      {"ISO-8859-11", 874},
      {"ISO-8859-13", 28603},
      {"ISO-8859-15", 28605},
      {"Latin-9", 28605},
      {"ISO-8859-10", 0},
      {"ISO-8859-14", 0},
      {"ISO-8859-16", 0},
      {"no-such-charset", 0},
      {"", 0},
      {" utf-8", 0},
      {"utf8", 0},
  };
  for (const CodePageRow& row : rows) EXPECT_EQ(CharsetCodePage(row.name), row.code_page) << row.name;
}

TEST(CharsetTable, EveryNameOnceAndEveryIso8859Known) {
  std::set<std::string> seen;
  for (const CharsetEntry& entry : CharsetEntries()) {
    std::string lower(entry.name);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(seen.insert(lower).second) << "listed twice: " << entry.name;
  }
  for (int n = 1; n <= 16; ++n) {
    if (n == 12) continue;  // never published
    const std::string name = "ISO-8859-" + std::to_string(n);
    EXPECT_TRUE(IsKnownCharset(name)) << name;
  }
  EXPECT_FALSE(IsKnownCharset("ISO-8859-12"));
}

struct DecodeRow {
  const char* charset;
  std::string bytes;
  std::u16string text;
  const char* why;
};

TEST(DecodeText, ChoosesTheDecoderByCodePage) {
  const std::string cyrillic_json = "[{\"title_ru\":\"\xD0\xA2\xD0\xB5\xD0\xBE\xD1\x80\xD0\xB8\xD1\x8F\"}]";
  const DecodeRow rows[] = {
      {"utf-8", cyrillic_json, u"[{\"title_ru\":\"Теория\"}]", "Cyrillic JSON in UTF-8"},
      {"", cyrillic_json,
       u"[{\"title_ru\":\"\u00D0\u00A2\u00D0\u00B5\u00D0\u00BE\u00D1\u0080\u00D0\u00B8\u00D1\u008F\"}]",
       "no charset: one character per byte"},
      {"ISO-8859-1", "caf\xE9\x80\xFF", u"caf\u00E9\u0080\u00FF", "Latin-1 bytes are their own numbers"},
      {"latin1", "\xA9", u"\u00A9", "alias of Latin-1"},
      {"utf-8", "\xEF\xBB\xBF[]", u"\uFEFF[]", "UTF-8 byte order mark stays as U+FEFF"},
      {"", "\xEF\xBB\xBF[]", u"\u00EF\u00BB\u00BF[]", "byte order mark as three characters"},
      {"x-no-such-set", "\xE9\xFF", u"\u00E9\u00FF", "unknown name: 8-bit"},
      {"ISO-8859-16", "\xA1", u"\u00A1", "a set without code page: 8-bit"},
      {"US-ASCII", "a\x80\xFFz\x7F", u"a??z\x7F", "ASCII turns high bytes into ?"},
      {"us-ascii", "\xC3\xA9", u"??", "ASCII does not read UTF-8"},
      {"UTF-8", "a\xC3(b", u"a\uFFFD(b", "cut-off sequence"},
      {"UTF-8", "\xC0\xAF", u"\uFFFD\uFFFD", "overlong form"},
      {"UTF-8", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD", "encoded surrogate"},
      {"UTF-8", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD", "beyond U+10FFFF"},
      {"UTF-8", "\xF0\x9F\x98\x80", u"\U0001F600", "four-byte sequence"},
      {"UTF-8", "\xE2\x82", u"\uFFFD", "cut off by the end"},
      {"UTF-16LE", std::string("A\x00\x16\x04", 4), u"A\u0416", "UTF-16LE"},
      {"UTF-16BE",
       std::string("\x00"
                   "A\x04\x16",
                   4),
       u"A\u0416", "UTF-16BE"},
      {"UTF-16",
       std::string("\xFF\xFE"
                   "A\x00",
                   4),
       u"\uFEFFA", "UTF-16 with its little-endian mark kept"},
      {"UTF-16",
       std::string("\xFE\xFF\x00"
                   "A",
                   4),
       u"\uFEFFA", "UTF-16 with a big-endian mark"},
      {"UTF-16LE",
       std::string("A\x00"
                   "B",
                   3),
       u"A\uFFFD", "odd byte count"},
      {"UTF-16LE", std::string("\x00\xD8", 2), u"\xD800", "lone surrogate kept"},
      {"UTF-32BE",
       std::string("\x00\x01\xF6\x00\x00\x00\x00"
                   "A",
                   8),
       u"\U0001F600A", "UTF-32BE"},
      {"UTF-32LE",
       std::string("\x00\x00\x11\x00"
                   "A\x00\x00",
                   7),
       u"\uFFFD\uFFFD", "beyond U+10FFFF, cut off"},
      {"UCS-4BE", std::string("\x00\x00\xD8\x00", 4), u"\uFFFD", "surrogate value"},
      {"utf-8", "", u"", "empty body"},
      {"windows-1251", "", u"", "empty body through the system"},
      {"windows-1251", "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0", u"Привет, мир", "windows-1251"},
      {"KOI8-R", "\xF0\xD2\xC9\xD7\xC5\xD4, \xCD\xC9\xD2", u"Привет, мир", "KOI8-R"},
      {"KOI8-U", "\xBD\xC1\xCE\xCF\xCB \xA7\xA7", u"Ґанок її", "KOI8-U"},
      {"IBM866", "\x8F\xE0\xA8\xA2\xA5\xE2", u"Привет", "IBM866"},
      {"ISO-8859-5", "\xBF\xE0\xD8\xD2\xD5\xE2", u"Привет", "ISO-8859-5"},
      {"windows-1250", "\xAF\xF3\xB3\xE6", u"Żółć", "windows-1250"},
      {"ISO-8859-2", "\xAF\xF3\xB3\xE6", u"Żółć", "ISO-8859-2"},
      {"windows-1252", "caf\xE9 \x80", u"café €", "windows-1252"},
      {"ISO-8859-15", "caf\xE9 \xA4", u"café €", "ISO-8859-15"},
      {"windows-1253", "\xC5\xEB\xEB\xDC\xE4\xE1", u"Ελλάδα", "windows-1253"},
      {"ISO-8859-7", "\xC5\xEB\xEB\xDC\xE4\xE1", u"Ελλάδα", "ISO-8859-7"},
      {"windows-1254", "\xDDstanbul \xF0", u"İstanbul ğ", "windows-1254"},
      {"windows-1255", "\xF9\xEC\xE5\xED", u"שלום", "windows-1255"},
      {"windows-1256", "\xE3\xD1\xCD\xC8\xC7", u"مرحبا", "windows-1256"},
      {"windows-1257", "\xC0\xFEuolas", u"Ąžuolas", "windows-1257"},
      {"windows-1258", "\xD0\xE0", u"Đà", "windows-1258"},
      {"Shift_JIS",
       "\x93\xFA\x96{\x8C\xEA\x83"
       "e\x83L\x83X\x83g",
       u"日本語テキスト", "Shift_JIS"},
      {"EUC-JP", "\xC6\xFC\xCB\xDC\xB8\xEC\xA5\xC6\xA5\xAD\xA5\xB9\xA5\xC8", u"日本語テキスト", "EUC-JP"},
      {"GB2312", "\xD6\xD0\xCE\xC4", u"中文", "GB2312"},
      {"GBK", "\xD6\xD0\xCE\xC4", u"中文", "GBK"},
      {"Big5", "\xA4\xA4\xA4\xE5", u"中文", "Big5"},
      {"EUC-KR", "\xC7\xD1\xB1\xB9\xBE\xEE", u"한국어", "EUC-KR"},
      {"ISO-8859-9", "\xDDstanbul", u"İstanbul", "ISO-8859-9"},
      {"ISO-8859-4", "\xC0\xAA", u"ĀĒ", "ISO-8859-4"},
      {"ISO-8859-13", "\xC0\xFE", u"Ąž", "ISO-8859-13"},
      {"ISO-8859-3", "\xA1", u"Ħ", "ISO-8859-3"},
      {"ISO-8859-6", "\xE5\xD1\xCD\xC8\xC7", u"مرحبا", "ISO-8859-6"},
      {"ISO-8859-8", "\xF9\xEC\xE5\xED", u"שלום", "ISO-8859-8"},
      {"windows-874", "\xC0\xD2\xC9\xD2\xE4\xB7\xC2", u"ภาษาไทย", "windows-874"},
      {"IBM437", "\x82\xAB", u"é½", "IBM437"},
      {"IBM850", "\x82\xAB", u"é½", "IBM850"},
      {"cp1251", "\xC0\xFF", u"\u0410\u044F", "alias of windows-1251"},
  };
  for (const DecodeRow& row : rows) {
    EXPECT_EQ(platform::Utf16ToUtf8(DecodeText(row.bytes, row.charset)), platform::Utf16ToUtf8(row.text))
        << row.why << " (" << row.charset << ")";
  }
}

// Code pages that not every system installs (Wine has neither): where the
// system lacks one, the text is decoded one character per byte.
TEST(DecodeText, CodePagesTheSystemMayLack) {
  const DecodeRow rows[] = {
      {"GB18030", "\xD6\xD0\xCE\xC4\xA8\xA6\xA2\xE3", u"中文é€", "GB18030"},
      {"GB18030", "\x81\x30\x8A\x32\x94\x39\xFC\x36", u"\u00E5\U0001F600", "four-byte sequences"},
      {"ISO-2022-JP", "\x1B$BF|K\\\x1B(B", u"日本", "ISO-2022-JP"},
  };
  for (const DecodeRow& row : rows) {
    const bool provided = platform::DecodeCodePage(row.bytes, CharsetCodePage(row.charset)).has_value();
    const std::u16string expected = provided ? row.text : DecodeText(row.bytes, "");
    EXPECT_EQ(platform::Utf16ToUtf8(DecodeText(row.bytes, row.charset)), platform::Utf16ToUtf8(expected))
        << row.why << (provided ? "" : " (not provided: 8-bit)");
  }
}

TEST(DecodeText, EightBitKeepsEveryByte) {
  std::string bytes;
  std::u16string text;
  for (int b = 0; b < 256; ++b) {
    bytes.push_back(static_cast<char>(b));
    text.push_back(static_cast<char16_t>(b));
  }
  EXPECT_EQ(DecodeText(bytes, ""), text);
  EXPECT_EQ(DecodeText(bytes, "ISO-8859-1"), text);
}

TEST(DecodeText, SingleByteCodePagesGiveOneCharacterPerByte) {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<char>(b));
  for (const char* charset : {"windows-1250", "windows-1251", "windows-1252", "KOI8-R", "KOI8-U", "IBM866",
                              "ISO-8859-2", "ISO-8859-5", "ISO-8859-15"}) {
    const std::u16string text = DecodeText(bytes, charset);
    ASSERT_EQ(text.size(), bytes.size()) << charset;
    for (int b = 0; b < 0x80; ++b) EXPECT_EQ(text[b], static_cast<char16_t>(b)) << charset << " byte " << b;
  }
}

}  // namespace
}  // namespace vorlan::http
