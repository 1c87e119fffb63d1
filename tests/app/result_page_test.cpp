#include "app/result_page.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <random>
#include <string>

#include "app/html_escape.h"
#include "platform/text.h"

namespace vorlan::app {
namespace {

const std::u16string kHead[] = {
    u"<html>",
    u"<head>",
    u"<title>VorlanTV клиент 1.0</title>",
    u"<link rel=\"stylesheet\" href=\"http://portal.test/templates/vorlantv/css/bootstrap.css\" "
    u"media=\"screen\"><link rel=\"stylesheet\" href=\"http://portal.test/templates/vorlantv/css/vorlan6.css\" "
    u"media=\"screen\"></head>",
    u"<body><div class=\"container\">",
};
const std::u16string kFoot[] = {
    u"<center><a href=\"https://portal.test\">Портал Ворланыча</a></center></body>",
    u"</html>",
};

std::u16string Frame(std::u16string_view src) {
  return u"<div class=\"embed-responsive embed-responsive-16by9\"><p><iframe class=\"embed-responsive-item\" src=\"" +
         std::u16string(src) + u"\"></iframe></p></div><hr>";
}

TPageLines Page(const TVideoList& videos) {
  TPageLines lines;
  BuildResultPage(videos, lines, u"portal.test");
  return lines;
}

TPageLines WithHeadAndFoot(const TPageLines& body) {
  TPageLines lines(std::begin(kHead), std::end(kHead));
  lines.insert(lines.end(), body.begin(), body.end());
  lines.insert(lines.end(), std::begin(kFoot), std::end(kFoot));
  return lines;
}

TEST(ResultPage, EmptyListGivesSevenLines) { EXPECT_EQ(Page({}), WithHeadAndFoot({})); }

TEST(ResultPage, CountLinesAppearOnlyForNonZeroCounts) {
  TItem plain{u"Фильм", u"Film", u"Дубляж", u"http://v.test/1", 0, 0};
  TItem seasons_only = plain;
  seasons_only.SeasonsCount = 9;
  TItem negative = plain;
  negative.SeasonsCount = -2147483647 - 1;
  negative.EpisodesCount = -1;
  TItem both = plain;
  both.SeasonsCount = 2147483647;
  both.EpisodesCount = 192;

  const std::u16string title = u"<h4>Фильм</h4>";
  const std::u16string english = u"<small>Film</small><br>";
  const std::u16string voice = u"Озвучил: Дубляж<br>";
  const std::u16string frame = Frame(u"http://v.test/1");
  EXPECT_EQ(Page({plain}), WithHeadAndFoot({title, english, voice, frame})) << "both counts 0: four lines";
  EXPECT_EQ(Page({seasons_only}), WithHeadAndFoot({title, english, voice, u"Сезонов: 9 <br>", frame}))
      << "seasons only: five lines";
  EXPECT_EQ(Page({negative}),
            WithHeadAndFoot({title, english, voice, u"Сезонов: -2147483648 <br>", u"Серий: -1 <br>", frame}))
      << "negative counts are written with their sign";
  EXPECT_EQ(Page({both, plain}), WithHeadAndFoot({title, english, voice, u"Сезонов: 2147483647 <br>",
                                                  u"Серий: 192 <br>", frame, title, english, voice, frame}))
      << "six lines, then the next record in list order";
}

TEST(ResultPage, EmptyFieldsStillGiveTheirLines) {
  EXPECT_EQ(Page({TItem{}}),
            WithHeadAndFoot({u"<h4></h4>", u"<small></small><br>", u"Озвучил: <br>", Frame(u"about:blank")}));
}

struct EscapeCase {
  std::u16string text;
  std::u16string escaped;
  const char* why;
};

TEST(ResultPage, FieldTextsAreEscaped) {
  const EscapeCase cases[] = {
      {u"A & B <i>\"x\" 'y'</i>", u"A &amp; B &lt;i&gt;&quot;x&quot; &#39;y&#39;&lt;/i&gt;", "all five characters"},
      {u"&amp;", u"&amp;amp;", "an entity is escaped again, shown as typed"},
      {u"two\r\nlines", u"two\r\nlines", "line breaks stay inside the entry"},
      {u"Кураж-бамбей", u"Кураж-бамбей", "other characters unchanged"},
  };
  for (const auto& c : cases) {
    TItem item{c.text, c.text, c.text, u"", 0, 0};
    const TPageLines lines = Page({item});
    ASSERT_EQ(lines.size(), 11u) << c.why;
    EXPECT_EQ(lines[5], u"<h4>" + c.escaped + u"</h4>") << c.why;
    EXPECT_EQ(lines[6], u"<small>" + c.escaped + u"</small><br>") << c.why;
    EXPECT_EQ(lines[7], u"Озвучил: " + c.escaped + u"<br>") << c.why;
  }
}

TEST(ResultPage, FrameAddressesAreLimitedToHttpAndHttps) {
  const EscapeCase cases[] = {
      {u"http://v.test/serial/ab/iframe", u"http://v.test/serial/ab/iframe", "plain http"},
      {u"HTTPS://v.test/x", u"HTTPS://v.test/x", "letter case of the scheme ignored"},
      {u"hTtP://v.test/?a=1&b=\"2\"", u"hTtP://v.test/?a=1&amp;b=&quot;2&quot;", "escaped inside the attribute"},
      {u"javascript:alert(1)", u"about:blank", "script address"},
      {u" http://v.test/", u"about:blank", "a leading space is not the scheme"},
      {u"//v.test/x", u"about:blank", "scheme-relative"},
      {u"ftp://v.test/x", u"about:blank", "another scheme"},
      {u"http:/v.test", u"about:blank", "one slash"},
      {u"data:text/html,<script>", u"about:blank", "data address"},
      {u"", u"about:blank", "empty"},
  };
  for (const auto& c : cases) EXPECT_EQ(FrameSourceAddress(c.text), c.escaped) << c.why;
}

std::u16string EscapedOneByOne(std::u16string_view text) {
  std::u16string out;
  for (char16_t c : text) {
    switch (c) {
      case u'&':
        out += u"&amp;";
        break;
      case u'<':
        out += u"&lt;";
        break;
      case u'>':
        out += u"&gt;";
        break;
      case u'"':
        out += u"&quot;";
        break;
      case u'\'':
        out += u"&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::u16string CountLine(std::u16string_view label, int32_t count) {
  return std::u16string(label) + platform::Utf8ToUtf16(std::to_string(count)) + u" <br>";
}

// Pages of random records against their lines built one by one from the rules.
TEST(ResultPage, RandomRecordsGiveTheLinesOfTheRules) {
  const std::u16string pieces[] = {u"a",  u" ",     u"Я",  u"&",          u"<",
                                   u">",  u"\"",    u"'",  u"&amp;",      u"\r\n",
                                   u"/x", u"?a=1&", u"\t", u"\U0001F600", std::u16string(1, char16_t(0xDC00))};
  const struct {
    std::u16string scheme;
    bool kept;
  } schemes[] = {{u"http://", true}, {u"HTTPS://", true},  {u"hTtP://", true}, {u"javascript:", false},
                 {u"", false},       {u" http://", false}, {u"ftp://", false}};
  const int32_t counts[] = {0, 0, 0, 1, -1, 9, 192, INT32_MAX, INT32_MIN};
  std::mt19937 rng(28);
  const auto text = [&] {
    std::u16string s;
    for (int n = static_cast<int>(rng() % 8); n > 0; --n) s += pieces[rng() % std::size(pieces)];
    return s;
  };
  for (int round = 0; round < 300; ++round) {
    TVideoList videos;
    TPageLines body;
    for (int n = static_cast<int>(rng() % 12); n > 0; --n) {
      const auto& scheme = schemes[rng() % std::size(schemes)];
      TItem item{text(),
                 text(),
                 text(),
                 scheme.scheme + text(),
                 counts[rng() % std::size(counts)],
                 counts[rng() % std::size(counts)]};
      body.push_back(u"<h4>" + EscapedOneByOne(item.TitleRu) + u"</h4>");
      body.push_back(u"<small>" + EscapedOneByOne(item.TitleEn) + u"</small><br>");
      body.push_back(u"Озвучил: " + EscapedOneByOne(item.Translator) + u"<br>");
      if (item.SeasonsCount != 0) body.push_back(CountLine(u"Сезонов: ", item.SeasonsCount));
      if (item.EpisodesCount != 0) body.push_back(CountLine(u"Серий: ", item.EpisodesCount));
      body.push_back(Frame(scheme.kept ? EscapedOneByOne(item.Url) : u"about:blank"));
      videos.push_back(std::move(item));
    }
    ASSERT_EQ(Page(videos), WithHeadAndFoot(body)) << "round " << round;
  }
}

TEST(ResultPage, FileBytesAreMarkThenUtf8LinesEachEndedByCrLf) {
  EXPECT_EQ(ResultPageBytes({}), "\xEF\xBB\xBF");
  EXPECT_EQ(ResultPageBytes({u"a", u"", u"Я"}),
            "\xEF\xBB\xBF"
            "a\r\n\r\n\xD0\xAF\r\n");
  EXPECT_EQ(ResultPageBytes({std::u16string(1, char16_t(0xD800)) + u"x"}), "\xEF\xBB\xBF\xEF\xBF\xBDx\r\n")
      << "a lone surrogate becomes U+FFFD";
  EXPECT_EQ(ResultPageBytes({u"\U0001F600"}), "\xEF\xBB\xBF\xF0\x9F\x98\x80\r\n") << "a pair is one character";
  EXPECT_EQ(ResultPageBytes({u"a\nb"}),
            "\xEF\xBB\xBF"
            "a\nb\r\n")
      << "breaks inside a line are kept as they are";
}

}  // namespace
}  // namespace vorlan::app
