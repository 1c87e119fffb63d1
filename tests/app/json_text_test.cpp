#include "app/json_text.h"

#include <gtest/gtest.h>

#include <string>

#include "app/json_reader.h"

namespace vorlan::app {
namespace {

struct NumberCase {
  const char* written;
  std::u16string expected;
  const char* why;
};

TEST(JsonNumberText, ShortFormsAndFormsWithAPointAreWrittenAsDoubles) {
  const NumberCase cases[] = {
      {"9", u"9", "an integer"},
      {"9.0", u"9", "a zero fraction disappears"},
      {"90e-1", u"9", "an exponent is applied"},
      {"-0", u"0", "negative zero is zero"},
      {"0.0", u"0", "zero with a fraction"},
      {"9.5", u"9,5", "the fraction takes the locale's separator"},
      {"-2.25", u"-2,25", "negative fraction"},
      {"0.1", u"0,1", "shortest form, not the binary expansion"},
      {"0.30000000000000004", u"0,3", "rounded to 15 significant digits"},
      {"3.14159265358979323", u"3,14159265358979", "15 significant digits at most"},
      {"123456789012.5", u"123456789012,5", "a point keeps long forms on the double rule"},
      {"2.5e1", u"25", "exponent making a whole number"},
      {"1e15", u"1E15", "sixteen digits before the point go scientific"},
      {"1e14", u"100000000000000", "fifteen digits before the point stay fixed"},
      {"999999999999999.0", u"999999999999999", "the largest fifteen-digit whole number"},
      {"1.5e20", u"1,5E20", "scientific with a fraction and no exponent sign"},
      {"0.0001", u"0,0001", "0.0001 stays fixed"},
      {"0.00001", u"1E-5", "below 0.0001 goes scientific"},
      {"-1.25e-7", u"-1,25E-7", "negative scientific"},
      {"1e400", u"INF", "beyond the double range"},
      {"-1e400", u"-INF", "beyond the double range, negative"},
      {"1e-400", u"0", "below the smallest double"},
      {"0.000000000000000000000000000000000000000000000000000000000000001e300", u"1E237",
       "long forms with a point stay on the double rule"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(JsonNumberText(c.written, u','), c.expected) << c.why << " (" << c.written << ")";
  }
}

TEST(JsonNumberText, LongFormsWithoutAPointAreWrittenAs64BitIntegers) {
  const NumberCase cases[] = {
      {"12345678901", u"12345678901", "eleven characters: double rule, exact anyway"},
      {"123456789012", u"123456789012", "twelve digits"},
      {"-12345678901", u"-12345678901", "twelve characters with the sign"},
      {"1234567890123456789", u"1234567890123456789", "beyond a double's precision, exact"},
      {"9223372036854775807", u"9223372036854775807", "the largest 64-bit integer"},
      {"-9223372036854775808", u"-9223372036854775808", "the smallest 64-bit integer"},
      {"9223372036854775808", u"9,22337203685478E18", "beyond 64 bits: the double rule"},
      {"123456789012e3", u"123456789012000", "a whole number given with an exponent"},
      {"12345678901200e-2", u"123456789012", "a negative exponent that leaves a whole number"},
      {"12345678901234e-2", u"123456789012,34", "not a whole number: the double rule"},
      {"100000000000e-20", u"1E-9", "a tiny value: the double rule"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(JsonNumberText(c.written, u','), c.expected) << c.why << " (" << c.written << ")";
  }
}

TEST(JsonNumberText, UsesTheSeparatorItIsGiven) {
  EXPECT_EQ(JsonNumberText("9.5", u'.'), u"9.5");
  EXPECT_EQ(JsonNumberText("1.5e20", u'.'), u"1.5E20");
  EXPECT_EQ(FormatGeneralDouble(-0.5, u'.'), u"-0.5");
}

struct ValueCase {
  std::u16string json;
  std::u16string expected;
  const char* why;
};

TEST(JsonValueText, GivesTextByKind) {
  const ValueCase cases[] = {
      {u"\"a\\nb\"", u"a\nb", "a string's unescaped characters"},
      {u"42", u"42", "a number"},
      {u"null", u"", "null"},
      {u"true", u"", "true"},
      {u"false", u"", "false"},
      {u"[1]", u"", "an array"},
      {u"{\"a\":1}", u"", "an object"},
  };
  for (const auto& c : cases) {
    const auto value = ParseJson(c.json);
    ASSERT_TRUE(value.has_value()) << c.why;
    EXPECT_EQ(JsonValueText(&*value, u'.'), c.expected) << c.why;
  }
  EXPECT_EQ(JsonValueText(nullptr, u'.'), u"") << "a missing member";
}

}  // namespace
}  // namespace vorlan::app
