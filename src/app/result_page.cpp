#include "app/result_page.h"

#include <utility>

#include "app/app_title.h"
#include "app/html_escape.h"
#include "platform/file_write.h"
#include "platform/text.h"

namespace vorlan::app {
namespace {

std::u16string Decimal(int32_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

// before + the escaped text + after, built in one string.
std::u16string EscapedLine(std::u16string_view before, std::u16string_view text, std::u16string_view after) {
  std::u16string line;
  line.reserve(before.size() + text.size() + after.size());
  line += before;
  AppendHtmlEscaped(line, text);
  line += after;
  return line;
}

void AppendVideo(const TItem& item, TPageLines& lines) {
  lines.push_back(EscapedLine(u"<h4>", item.TitleRu, u"</h4>"));
  lines.push_back(EscapedLine(u"<small>", item.TitleEn, u"</small><br>"));
  lines.push_back(EscapedLine(u"Озвучил: ", item.Translator, u"<br>"));
  if (item.SeasonsCount != 0) lines.push_back(u"Сезонов: " + Decimal(item.SeasonsCount) + u" <br>");
  if (item.EpisodesCount != 0) lines.push_back(u"Серий: " + Decimal(item.EpisodesCount) + u" <br>");
  std::u16string frame =
      u"<div class=\"embed-responsive embed-responsive-16by9\"><p><iframe class=\"embed-responsive-item\" src=\"";
  AppendFrameSourceAddress(frame, item.Url);
  frame += u"\"></iframe></p></div><hr>";
  lines.push_back(std::move(frame));
}

}  // namespace

void BuildResultPage(const TVideoList& videos, TPageLines& lines, std::u16string_view portal_host) {
  const std::u16string portal(portal_host);
  lines.reserve(lines.size() + videos.size() * 6 + 8);
  lines.push_back(u"<html>");
  lines.push_back(u"<head>");
  lines.push_back(u"<title>" + std::u16string(kApplicationTitle) + u"</title>");
  lines.push_back(u"<link rel=\"stylesheet\" href=\"http://" + portal +
                  u"/templates/vorlantv/css/bootstrap.css\" media=\"screen\"><link rel=\"stylesheet\" href=\"http://" +
                  portal + u"/templates/vorlantv/css/vorlan6.css\" media=\"screen\"></head>");
  lines.push_back(u"<body><div class=\"container\">");
  for (const TItem& item : videos) AppendVideo(item, lines);
  lines.push_back(u"<center><a href=\"https://" + portal + u"\">Портал Ворланыча</a></center></body>");
  lines.push_back(u"</html>");
}

std::string ResultPageBytes(const TPageLines& lines) {
  std::u16string text;
  for (const std::u16string& line : lines) {
    text += line;
    text += u"\r\n";
  }
  return "\xEF\xBB\xBF" + platform::Utf16ToUtf8(text);
}

void SaveResultPage(const TPageLines& lines, std::u16string_view file_name) {
  platform::WriteWholeFile(file_name, ResultPageBytes(lines));
}

}  // namespace vorlan::app
