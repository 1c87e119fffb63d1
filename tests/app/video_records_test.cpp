#include "app/video_records.h"

#include <gtest/gtest.h>

#include <string>

#include "app/lookup_error.h"

namespace vorlan::app {
namespace {

std::u16string MessageOf(std::u16string_view response) {
  try {
    ReadVideoList(response, u',');
  } catch (const LookupError& error) {
    return error.Message();
  }
  return u"(no error)";
}

struct FailureCase {
  std::u16string response;
  std::u16string message;
  const char* why;
};

TEST(VideoRecords, BadAnswersFailWithTheProgramsMessages) {
  const FailureCase cases[] = {
      {u"", u"Текст не содержит JSON-данные", "empty answer"},
      {u"[{\"title_ru\":\"a\"}", u"Текст не содержит JSON-данные", "truncated array"},
      {u"[] []", u"Текст не содержит JSON-данные", "array followed by other text"},
      {u"<html>Not found</html>", u"Текст не содержит JSON-данные", "an HTML page"},
      {u"\u00EF\u00BB\u00BF[]", u"Текст не содержит JSON-данные", "a byte order mark decoded as Latin-1"},
      {u"{\"title_ru\":\"a\"}", u"Текст не содержит массив", "one object"},
      {u"42", u"Текст не содержит массив", "one number"},
      {u"\"[]\"", u"Текст не содержит массив", "one string"},
      {u"null", u"Текст не содержит массив", "null"},
      {u"[1]", u"Invalid class typecast", "first element a number"},
      {u"[[]]", u"Invalid class typecast", "first element an array"},
      {u"[{}, \"x\"]", u"Invalid class typecast", "second element a string"},
      {u"[{\"seasons_count\":null}]", u"'''' is not a valid integer value", "null count gives empty text"},
      {u"[{\"episodes_count\":true}]", u"'''' is not a valid integer value", "true count gives empty text"},
      {u"[{\"seasons_count\":9.5}]", u"''9,5'' is not a valid integer value",
       "a fractional count shows the locale's separator"},
      {u"[{\"seasons_count\":\"nine\"}]", u"''nine'' is not a valid integer value", "a word"},
      {u"[{\"episodes_count\":2147483648}]", u"''2147483648'' is not a valid integer value", "beyond 32 bits"},
      {u"[{\"episodes_count\":[9]}]", u"'''' is not a valid integer value", "an array count gives empty text"},
      {u"[{\"seasons_count\":1},{\"seasons_count\":\"x\"}]", u"''x'' is not a valid integer value",
       "an error in the second element"},
  };
  for (const auto& c : cases) EXPECT_EQ(MessageOf(c.response), c.message) << c.why;
}

TEST(VideoRecords, ReadsTheMembersIntoRecordsInOrder) {
  const TVideoList videos = ReadVideoList(
      u"[{\"title_ru\":\"Теория Большого взрыва\",\"title_en\":\"The Big Bang Theory\",\"token\":\"ab\","
      u"\"type\":\"serial\",\"kinopoisk_id\":306084,\"translator\":\"Кураж-бамбей\",\"translator_id\":8,"
      u"\"iframe_url\":\"http://x.example/serial/ab/iframe\",\"seasons_count\":9,\"episodes_count\":192,"
      u"\"category\":null,\"last_episode_time\":\"2015-11-23 22:07:56\"},"
      u"{\"Title_ru\":\"case\",\"title_en\":null,\"translator\":\"first\",\"translator\":\"second\","
      u"\"seasons_count\":\"9\",\"episodes_count\":\" -$1F\"},"
      u"{\"seasons_count\":100000000000e-11,\"episodes_count\":\"x10\"}]",
      u',');
  ASSERT_EQ(videos.size(), 3u);
  EXPECT_EQ(videos[0].TitleRu, u"Теория Большого взрыва");
  EXPECT_EQ(videos[0].TitleEn, u"The Big Bang Theory");
  EXPECT_EQ(videos[0].Translator, u"Кураж-бамбей");
  EXPECT_EQ(videos[0].Url, u"http://x.example/serial/ab/iframe");
  EXPECT_EQ(videos[0].SeasonsCount, 9);
  EXPECT_EQ(videos[0].EpisodesCount, 192);

  EXPECT_EQ(videos[1].TitleRu, u"") << "a name differing in letter case is not read";
  EXPECT_EQ(videos[1].TitleEn, u"") << "null gives empty text";
  EXPECT_EQ(videos[1].Translator, u"first") << "the first of two members wins";
  EXPECT_EQ(videos[1].Url, u"") << "a missing member gives empty text";
  EXPECT_EQ(videos[1].SeasonsCount, 9) << "a count given as a string";
  EXPECT_EQ(videos[1].EpisodesCount, -31) << "spaces, sign and hexadecimal in a string";

  EXPECT_EQ(videos[2].SeasonsCount, 1) << "a long form that is a whole number";
  EXPECT_EQ(videos[2].EpisodesCount, 16);
}

TEST(VideoRecords, MissingCountsStayZeroAndEmptyArraysGiveNoRecords) {
  EXPECT_TRUE(ReadVideoList(u"[]", u'.').empty());
  EXPECT_TRUE(ReadVideoList(u"\uFEFF \r\n[ ] \r\n", u'.').empty());
  const TVideoList videos = ReadVideoList(u"[{}]", u'.');
  ASSERT_EQ(videos.size(), 1u);
  EXPECT_EQ(videos[0].SeasonsCount, 0);
  EXPECT_EQ(videos[0].EpisodesCount, 0);
  EXPECT_EQ(videos[0].TitleRu, u"");
}

}  // namespace
}  // namespace vorlan::app
