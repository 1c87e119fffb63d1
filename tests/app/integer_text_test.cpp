#include "app/integer_text.h"

#include <gtest/gtest.h>

#include <string>

#include "app/lookup_error.h"

namespace vorlan::app {
namespace {

struct IntegerCase {
  std::u16string text;
  std::optional<int32_t> expected;
  const char* why;
};

TEST(IntegerConversion, ReadsDecimalAndHexadecimalForms) {
  const IntegerCase cases[] = {
      {u"9", 9, "one digit"},
      {u"192", 192, "several digits"},
      {u"007", 7, "leading zeros of a decimal"},
      {u"+5", 5, "plus sign"},
      {u"-1", -1, "minus sign"},
      {u"   12", 12, "leading spaces"},
      {u"$1F", 31, "dollar hexadecimal"},
      {u"x1f", 31, "x hexadecimal, lower-case digits"},
      {u"X10", 16, "X hexadecimal"},
      {u"0x10", 16, "0x hexadecimal"},
      {u"0XfF", 255, "0X hexadecimal, mixed case"},
      {u"-$10", -16, "sign before the hexadecimal prefix"},
      {u"  -0x7FFFFFFF", -2147483647, "spaces, sign and prefix together"},
      {u"2147483647", 2147483647, "largest 32-bit value"},
      {u"-2147483648", -2147483647 - 1, "smallest 32-bit value"},
      {u"$7FFFFFFF", 2147483647, "largest value in hexadecimal"},
      {u"-$80000000", -2147483647 - 1, "smallest value in hexadecimal"},
      {u"0000000000000000000000000001", 1, "many leading zeros are no overflow"},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseInteger(c.text), c.expected) << c.why;
}

TEST(IntegerConversion, RejectsEverythingElse) {
  const IntegerCase cases[] = {
      {u"", std::nullopt, "empty text"},
      {u"   ", std::nullopt, "spaces only"},
      {u"-", std::nullopt, "sign only"},
      {u"$", std::nullopt, "prefix only"},
      {u"0x", std::nullopt, "0x prefix only"},
      {u"9,5", std::nullopt, "a decimal comma"},
      {u"9.5", std::nullopt, "a decimal point"},
      {u"12 ", std::nullopt, "a trailing space"},
      {u"\t12", std::nullopt, "a leading tab is no space"},
      {u"- 12", std::nullopt, "a space after the sign"},
      {u"+-1", std::nullopt, "two signs"},
      {u"1e3", std::nullopt, "an exponent"},
      {u"0x1G", std::nullopt, "a non-hex digit"},
      {u"1A", std::nullopt, "hex digit without a prefix"},
      {u"00x1", std::nullopt, "prefix after a zero"},
      {u"2147483648", std::nullopt, "one above the largest value"},
      {u"-2147483649", std::nullopt, "one below the smallest value"},
      {u"$80000000", std::nullopt, "hexadecimal beyond the largest value"},
      {u"$FFFFFFFF", std::nullopt, "all-ones is out of range, not -1"},
      {u"99999999999999999999", std::nullopt, "far out of range"},
      {u"\uFF11", std::nullopt, "a full-width digit"},
      {u"INF", std::nullopt, "the text of an infinity"},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseInteger(c.text), c.expected) << c.why;
}

struct MessageCase {
  std::u16string text;
  std::u16string message;
  const char* why;
};

TEST(IntegerConversion, FailureNamesTheTextBetweenDoubledQuotes) {
  const MessageCase cases[] = {
      {u"", u"'''' is not a valid integer value", "an empty text gives four quotes"},
      {u"9,5", u"''9,5'' is not a valid integer value", "the text as it is"},
      {u" x ", u"'' x '' is not a valid integer value", "spaces are kept in the message"},
      {u"сезон", u"''сезон'' is not a valid integer value", "non-ASCII text"},
  };
  for (const auto& c : cases) {
    try {
      IntegerFromText(c.text);
      ADD_FAILURE() << c.why << ": no error";
    } catch (const LookupError& error) {
      EXPECT_EQ(error.Message(), c.message) << c.why;
    }
  }
  EXPECT_EQ(IntegerFromText(u" 42"), 42);
}

}  // namespace
}  // namespace vorlan::app
