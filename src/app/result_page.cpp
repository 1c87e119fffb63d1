#include "app/result_page.h"

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/app_title.h"
#include "app/html_escape.h"
#include "platform/file_write.h"
#include "platform/text.h"

namespace vorlan::app {
namespace {

// The fixed parts of a record's lines.
constexpr std::u16string_view kTitleBefore = u"<h4>";
constexpr std::u16string_view kTitleAfter = u"</h4>";
constexpr std::u16string_view kEnglishTitleBefore = u"<small>";
constexpr std::u16string_view kEnglishTitleAfter = u"</small><br>";
constexpr std::u16string_view kTranslatorBefore = u"Озвучил: ";
constexpr std::u16string_view kTranslatorAfter = u"<br>";
constexpr std::u16string_view kSeasonsLabel = u"Сезонов: ";
constexpr std::u16string_view kEpisodesLabel = u"Серий: ";
constexpr std::u16string_view kCountAfter = u" <br>";
constexpr std::u16string_view kFrameBefore =
    u"<div class=\"embed-responsive embed-responsive-16by9\"><p><iframe class=\"embed-responsive-item\" src=\"";
constexpr std::u16string_view kFrameAfter = u"\"></iframe></p></div><hr>";
constexpr size_t kLongestCount = 11;  // -2147483648

// The characters of a record's lines other than its texts, at most.
constexpr size_t kRecordMarkup = kTitleBefore.size() + kTitleAfter.size() + kEnglishTitleBefore.size() +
                                 kEnglishTitleAfter.size() + kTranslatorBefore.size() + kTranslatorAfter.size() +
                                 kSeasonsLabel.size() + kEpisodesLabel.size() +
                                 2 * (kLongestCount + kCountAfter.size()) + kFrameBefore.size() + kFrameAfter.size();

void AppendDecimal(std::u16string& out, int32_t value) {
  char digits[12];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

// before + the escaped text + after, as the next line.
void AppendEscapedLine(TPageLines& lines, std::u16string_view before, std::u16string_view text,
                       std::u16string_view after) {
  std::u16string& line = lines.StartLine();
  line += before;
  AppendHtmlEscaped(line, text);
  line += after;
}

void AppendCountLine(TPageLines& lines, std::u16string_view label, int32_t count) {
  std::u16string& line = lines.StartLine();
  line += label;
  AppendDecimal(line, count);
  line += kCountAfter;
}

void AppendVideo(const TItem& item, TPageLines& lines) {
  AppendEscapedLine(lines, kTitleBefore, item.TitleRu, kTitleAfter);
  AppendEscapedLine(lines, kEnglishTitleBefore, item.TitleEn, kEnglishTitleAfter);
  AppendEscapedLine(lines, kTranslatorBefore, item.Translator, kTranslatorAfter);
  if (item.SeasonsCount != 0) AppendCountLine(lines, kSeasonsLabel, item.SeasonsCount);
  if (item.EpisodesCount != 0) AppendCountLine(lines, kEpisodesLabel, item.EpisodesCount);
  std::u16string& frame = lines.StartLine();
  frame += kFrameBefore;
  AppendFrameSourceAddress(frame, item.Url);
  frame += kFrameAfter;
}

// Room for the records' lines and the two lines after them (escaping may
// still need more), so that the page's text grows at most once or twice.
void ReserveRecords(const TVideoList& videos, TPageLines& lines, size_t chars_after) {
  size_t chars = chars_after;
  for (const TItem& item : videos) {
    chars += kRecordMarkup + item.TitleRu.size() + item.TitleEn.size() + item.Translator.size() + item.Url.size();
  }
  lines.Reserve(videos.size() * 6 + 2, chars);
}

}  // namespace

void BuildResultPage(const TVideoList& videos, TPageLines& lines, std::u16string_view portal_host) {
  const std::u16string portal(portal_host);
  lines.push_back(u"<html>");
  lines.push_back(u"<head>");
  lines.push_back(u"<title>" + std::u16string(kApplicationTitle) + u"</title>");
  lines.push_back(u"<link rel=\"stylesheet\" href=\"http://" + portal +
                  u"/templates/vorlantv/css/bootstrap.css\" media=\"screen\"><link rel=\"stylesheet\" href=\"http://" +
                  portal + u"/templates/vorlantv/css/vorlan6.css\" media=\"screen\"></head>");
  lines.push_back(u"<body><div class=\"container\">");
  const std::u16string portal_link =
      u"<center><a href=\"https://" + portal + u"\">Портал Ворланыча</a></center></body>";
  constexpr std::u16string_view kPageEnd = u"</html>";
  ReserveRecords(videos, lines, portal_link.size() + kPageEnd.size());
  for (const TItem& item : videos) AppendVideo(item, lines);
  lines.push_back(portal_link);
  lines.push_back(kPageEnd);
}

std::string ResultPageBytes(const TPageLines& lines) {
  std::u16string text;
  for (const std::u16string_view line : lines) {
    text += line;
    text += u"\r\n";
  }
  return "\xEF\xBB\xBF" + platform::Utf16ToUtf8(text);
}

void SaveResultPage(const TPageLines& lines, std::u16string_view file_name) {
  platform::WriteWholeFile(file_name, ResultPageBytes(lines));
}

}  // namespace vorlan::app
