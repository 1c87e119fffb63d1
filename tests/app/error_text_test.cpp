#include "app/error_text.h"

#include <gtest/gtest.h>

#include <string>

namespace vorlan::app {
namespace {

struct BoxCase {
  std::u16string message;
  std::u16string expected;
  const char* why;
};

TEST(ErrorBoxText, AppendsPeriodOnlyAfterCharactersAboveThePeriod) {
  const BoxCase cases[] = {
      {u"", u"", "an empty message stays empty"},
      {u"Текст не содержит массив", u"Текст не содержит массив.", "a letter gets a period"},
      {u"HTTP/1.1 404 Not Found", u"HTTP/1.1 404 Not Found.", "a letter at the end of a status line"},
      {u"code 5", u"code 5.", "a digit is above the period"},
      {u"done.", u"done.", "a period is not doubled"},
      {u"line\r\n", u"line\r\n", "a line break is below the period"},
      {u"trailing ", u"trailing ", "a space is below the period"},
      {u"list,", u"list,", "a comma is below the period"},
      {u"a-", u"a-", "a hyphen is below the period"},
      {u"a/", u"a/.", "a slash is just above the period"},
      {u"''' is not", u"''' is not.", "quotes inside do not matter"},
      {u"quote'", u"quote'", "an apostrophe is below the period"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorBoxText(c.message), c.expected) << c.why;
  }
}

}  // namespace
}  // namespace vorlan::app
