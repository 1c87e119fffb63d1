#include "app/json_reader.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/text.h"

namespace vorlan::app {
namespace {

struct GrammarCase {
  std::u16string text;
  bool parses;
  const char* why;
};

void ExpectGrammar(const GrammarCase& c) { EXPECT_EQ(ParseJson(c.text).has_value(), c.parses) << c.why; }

TEST(JsonGrammar, AcceptsEveryKindOfValueAtTopLevel) {
  const GrammarCase cases[] = {
      {u"[]", true, "empty array"},
      {u"{}", true, "empty object"},
      {u"\"text\"", true, "a string"},
      {u"0", true, "zero"},
      {u"-12.5e+3", true, "sign, fraction and signed exponent"},
      {u"1E5", true, "upper-case exponent"},
      {u"true", true, "true"},
      {u"false", true, "false"},
      {u"null", true, "null"},
      {u"[1,\"a\",true,false,null,{},[]]", true, "every kind inside an array"},
      {u"{\"a\":{\"b\":[{\"c\":null}]}}", true, "nesting"},
      {u" \t\r\n[ 1 , 2 ]", true, "blanks before and between tokens"},
      {u"{ \"a\" : 1 , \"a\" : 2 }", true, "blanks around colons; duplicate names"},
      {u"", false, "empty text"},
      {u" \r\n", false, "blanks only"},
  };
  for (const auto& c : cases) ExpectGrammar(c);
}

TEST(JsonGrammar, RejectsWhatRfc4627DoesNotAllow) {
  const GrammarCase cases[] = {
      {u"01", false, "leading zero"},
      {u"[-01]", false, "leading zero after a minus"},
      {u"[+1]", false, "plus sign"},
      {u"[1.]", false, "no digit after the point"},
      {u"[.5]", false, "no digit before the point"},
      {u"[1e]", false, "no exponent digits"},
      {u"[1e+]", false, "no exponent digits after its sign"},
      {u"[-]", false, "minus alone"},
      {u"[1,]", false, "trailing comma in an array"},
      {u"{\"a\":1,}", false, "trailing comma in an object"},
      {u"[,1]", false, "leading comma"},
      {u"[1 2]", false, "missing comma"},
      {u"{\"a\" 1}", false, "missing colon"},
      {u"{a:1}", false, "unquoted name"},
      {u"{1:1}", false, "number as name"},
      {u"['a']", false, "single quotes"},
      {u"[True]", false, "literals are lower case"},
      {u"[nul]", false, "truncated literal"},
      {u"[nulls]", false, "literal with extra letters"},
      {u"[NaN]", false, "NaN is no JSON number"},
      {u"[Infinity]", false, "Infinity is no JSON number"},
      {u"[1", false, "truncated array"},
      {u"{\"a\":1", false, "truncated object"},
      {u"{\"a\"", false, "object truncated after a name"},
      {u"\"abc", false, "unterminated string"},
      {u"]", false, "closing bracket alone"},
      {u"[0x10]", false, "hexadecimal number"},
  };
  for (const auto& c : cases) ExpectGrammar(c);
}

TEST(JsonGrammar, ValueMustEndExactlyAtTheEndOfTheText) {
  const GrammarCase cases[] = {
      {u"[] ", true, "a blank after an array belongs to it"},
      {u"{}\r\n\t ", true, "blanks after an object belong to it"},
      {u"[1] x", false, "other text after an array"},
      {u"[1][2]", false, "two arrays"},
      {u"[1],", false, "comma after the array"},
      {u"1 ", false, "a blank after a top-level number"},
      {u"\"a\" ", false, "a blank after a top-level string"},
      {u"true\n", false, "a line feed after a top-level literal"},
      {u"null\t", false, "a tab after null"},
      {u"[1]\f", false, "a form feed is not a blank"},
      {u"[1]\u00a0", false, "a no-break space is not a blank"},
      {std::u16string(u"[1]\0", 4), false, "a NUL after the array is other text"},
  };
  for (const auto& c : cases) ExpectGrammar(c);
}

TEST(JsonGrammar, SkipsOneLeadingByteOrderMark) {
  const GrammarCase cases[] = {
      {u"\uFEFF[1]", true, "the mark is skipped"},
      {u"\uFEFF \n[1]", true, "blanks after the mark are skipped"},
      {u" \uFEFF[1]", false, "a mark after a blank is text"},
      {u"\uFEFF\uFEFF[1]", false, "only one mark is skipped"},
      {u"\u00EF\u00BB\u00BF[1]", false, "the mark's bytes read as Latin-1 characters are text"},
  };
  for (const auto& c : cases) ExpectGrammar(c);
}

TEST(JsonGrammar, RefusesNestingBeyondTheLimitWithoutCrashing) {
  const auto nested = [](int depth) {
    return std::u16string(static_cast<size_t>(depth), u'[') + std::u16string(static_cast<size_t>(depth), u']');
  };
  EXPECT_TRUE(ParseJson(nested(kMaxJsonNesting)).has_value());
  EXPECT_FALSE(ParseJson(nested(kMaxJsonNesting + 1)).has_value());
  EXPECT_FALSE(ParseJson(std::u16string(100000, u'[')).has_value());
}

struct StringCase {
  std::u16string json;
  std::u16string expected;
  const char* why;
};

TEST(JsonStrings, DecodesEscapesAndKeepsOtherCharacters) {
  const StringCase cases[] = {
      {u"\"\\\"\\\\\\/\"", u"\"\\/", "quote, backslash, slash"},
      {u"\"\\b\\f\\n\\r\\t\"", u"\b\f\n\r\t", "control escapes"},
      {u"\"\\u0041\\u00e9\\u0416\"", u"A\u00e9\u0416", "\\u escapes of one unit, either hex case"},
      {u"\"\\u00C9\"", u"\u00C9", "upper-case hex digits"},
      {u"\"\\ud83d\\ude00\"", u"\U0001F600", "a surrogate pair becomes one character"},
      {u"\"\\ud83d\"", std::u16string(1, char16_t(0xD83D)), "a lone high surrogate stays"},
      {u"\"\\ude00x\"", std::u16string(1, char16_t(0xDE00)) + u"x", "a lone low surrogate stays"},
      {u"\"\\u0000\"", std::u16string(1, u'\0'), "an escaped NUL is a character"},
      {u"\"Теория Большого взрыва\"", u"Теория Большого взрыва", "Cyrillic passes through"},
      {u"\"\U0001F600\"", u"\U0001F600", "a raw astral character passes through"},
      {u"\"a\tb\nc\"", u"a\tb\nc", "raw control characters are taken as they are"},
      {u"\"\"", u"", "empty string"},
      {std::u16string(u"\"") + char16_t(0xD800) + u"\"", u"\uFFFD", "a lone surrogate in the text becomes U+FFFD"},
  };
  for (const auto& c : cases) {
    const auto value = ParseJson(c.json);
    ASSERT_TRUE(value.has_value()) << c.why;
    ASSERT_TRUE(value->IsString()) << c.why;
    EXPECT_EQ(value->AsString(), c.expected) << c.why;
  }
}

TEST(JsonStrings, Utf8BytesDecodeAndBadSequencesBecomeReplacementCharacters) {
  const struct {
    std::string bytes;
    std::u16string expected;
    const char* why;
  } cases[] = {
      {"\"\xD0\xAF\xE2\x82\xAC\xF0\x9F\x98\x80\"", u"\u042F\u20AC\U0001F600", "two-, three- and four-byte sequences"},
      {"\"a\xC3(b\"", u"a\uFFFD(b", "a truncated sequence"},
      {"\"\xC0\xAF\"", u"\uFFFD\uFFFD", "an overlong form"},
      {"\"\xED\xA0\x80x\"", u"\uFFFD\uFFFD\uFFFDx", "an encoded surrogate"},
      {"\"\xF4\x90\x80\x80\"", u"\uFFFD\uFFFD\uFFFD\uFFFD", "beyond U+10FFFF"},
      {"\"\xD0\xAF\\n\xD0\xAF\"", u"\u042F\n\u042F", "escapes between multi-byte characters"},
  };
  for (const auto& c : cases) {
    const auto value = ParseJsonUtf8(c.bytes);
    ASSERT_TRUE(value && value->IsString()) << c.why;
    EXPECT_EQ(value->AsString(), c.expected) << c.why;
  }
}

// A string with nothing to unescape or decode is copied as it stands; any
// other goes through the decoding. An escape in front sends the same
// characters the second way, and both must give the same text.
TEST(JsonStrings, StringsReadStraightAndThroughDecodingAgree) {
  const struct {
    std::u16string written;
    std::u16string text;
  } pieces[] = {
      {u"a", u"a"},
      {u" &<>'", u" &<>'"},
      {u"\t", u"\t"},
      {u"Я", u"Я"},
      {u"\u20ac", u"\u20ac"},
      {u"\U0001F600", u"\U0001F600"},
      {std::u16string(1, char16_t(0xD800)) + u"x", u"\uFFFDx"},
      {std::u16string(1, char16_t(0xDC00)), u"\uFFFD"},
      {u"\\n", u"\n"},
      {u"\\\"\\/", u"\"/"},
      {u"\\u0416", u"Ж"},
      {u"\\ud83d", std::u16string(1, char16_t(0xD83D))},
  };
  std::mt19937 rng(28);
  for (int round = 0; round < 2000; ++round) {
    std::u16string written, text;
    for (int n = static_cast<int>(rng() % 10); n > 0; --n) {
      const auto& piece = pieces[rng() % std::size(pieces)];
      written += piece.written;
      text += piece.text;
    }
    const std::u16string json = u"\"" + written + u"\"";
    const auto straight = ParseJson(json);
    const auto decoded = ParseJson(u"\"\\u0041" + written + u"\"");
    // UTF-8 bytes are copied straight only while they are ASCII.
    const auto from_utf8 = ParseJsonUtf8(platform::Utf16ToUtf8(json));
    ASSERT_TRUE(straight && straight->IsString() && decoded && decoded->IsString() && from_utf8 &&
                from_utf8->IsString())
        << "round " << round;
    EXPECT_EQ(straight->AsString(), text) << "round " << round;
    EXPECT_EQ(decoded->AsString(), u"A" + text) << "round " << round;
    EXPECT_EQ(from_utf8->AsString(), text) << "round " << round;
  }
}

TEST(JsonDocument, ValuesLiveInTheDocumentNotInTheText) {
  JsonDocument kept;
  {
    std::u16string text = u"[{\"name\":\"Я\\n\",\"plain\":\"abc\",\"n\":-1.5e3},[true,null]]";
    JsonDocument parsed = ParseJson(text);
    text.assign(text.size(), u'#');
    kept = std::move(parsed);
  }
  ASSERT_TRUE(kept && kept->IsArray());
  const JsonArray elements = kept->AsArray();
  ASSERT_EQ(elements.size(), 2u);
  const JsonObject object = elements[0].AsObject();
  ASSERT_EQ(object.size(), 3u);
  EXPECT_EQ(object[0].first, u"name");
  EXPECT_EQ(object[0].second.AsString(), u"Я\n");
  EXPECT_EQ(object[1].second.AsString(), u"abc");
  EXPECT_EQ(object[2].second.AsNumber().written, "-1.5e3");
  ASSERT_EQ(elements[1].AsArray().size(), 2u);
  EXPECT_TRUE(elements[1].AsArray()[0].AsBool());
  EXPECT_TRUE(elements[1].AsArray()[1].IsNull());
}

TEST(JsonStrings, RejectsBadEscapes) {
  const GrammarCase cases[] = {
      {u"\"\\x41\"", false, "unknown escape"},
      {u"\"\\u12\"", false, "\\u with two digits"},
      {u"\"\\u12g4\"", false, "\\u with a non-hex digit"},
      {u"\"\\\"", false, "escaped quote leaves the string open"},
      {u"\"\\", false, "backslash at the end"},
      {u"\"\\U0041\"", false, "\\U is not an escape"},
  };
  for (const auto& c : cases) ExpectGrammar(c);
}

TEST(JsonStrings, AnEscapeCutByTheEndOfTheTextIsNotReadOnward) {
  // Each text is copied into a buffer of exactly its size, so that reading
  // past its end touches memory that is not the text's.
  const std::string whole = "\"\\u0041\"";
  for (std::size_t cut = 2; cut <= 6; ++cut) {  // from the backslash alone to three hex digits
    const std::vector<char> exact(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
    EXPECT_FALSE(ParseJsonUtf8(std::string_view(exact.data(), exact.size())).has_value()) << whole.substr(0, cut);
  }
}

TEST(JsonObjects, FirstMemberOfAnExactNameWins) {
  const auto value = ParseJson(u"{\"Title_ru\":\"case\",\"translator\":\"first\",\"translator\":\"second\"}");
  ASSERT_TRUE(value && value->IsObject());
  const JsonObject& object = value->AsObject();
  ASSERT_NE(FindMember(object, u"translator"), nullptr);
  EXPECT_EQ(FindMember(object, u"translator")->AsString(), u"first");
  EXPECT_EQ(FindMember(object, u"title_ru"), nullptr) << "names are compared case-sensitively";
  EXPECT_EQ(FindMember(object, u"translato"), nullptr) << "no prefix match";
}

TEST(JsonObjects, EscapedNamesAreComparedAfterUnescaping) {
  const auto value = ParseJson(u"{\"title\\u005fru\":\"x\"}");
  ASSERT_TRUE(value && value->IsObject());
  EXPECT_NE(FindMember(value->AsObject(), u"title_ru"), nullptr);
}

TEST(JsonNumbers, KeepTheirWrittenForm) {
  const auto value = ParseJson(u"[9.0,90e-1,-0]");
  ASSERT_TRUE(value && value->IsArray());
  const JsonArray& array = value->AsArray();
  ASSERT_EQ(array.size(), 3u);
  EXPECT_EQ(array[0].AsNumber().written, "9.0");
  EXPECT_EQ(array[1].AsNumber().written, "90e-1");
  EXPECT_EQ(array[2].AsNumber().written, "-0");
}

}  // namespace
}  // namespace vorlan::app
