#include "app/html_escape.h"

#include "platform/ascii.h"

namespace vorlan::app {
namespace {

// What stands for `c` in the page, or nothing when it stands for itself.
std::u16string_view EntityOf(char16_t c) {
  switch (c) {
    case u'&':
      return u"&amp;";
    case u'<':
      return u"&lt;";
    case u'>':
      return u"&gt;";
    case u'"':
      return u"&quot;";
    case u'\'':
      return u"&#39;";
    default:
      return {};
  }
}

}  // namespace

std::u16string HtmlEscape(std::u16string_view text) {
  std::u16string out;
  AppendHtmlEscaped(out, text);
  return out;
}

void AppendHtmlEscaped(std::u16string& out, std::u16string_view text) {
  // Runs between the characters to escape are appended whole.
  size_t done = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const std::u16string_view entity = EntityOf(text[i]);
    if (entity.empty()) continue;
    out.append(text.substr(done, i - done));
    out.append(entity);
    done = i + 1;
  }
  out.append(text.substr(done));
}

std::u16string FrameSourceAddress(std::u16string_view url) {
  std::u16string out;
  AppendFrameSourceAddress(out, url);
  return out;
}

void AppendFrameSourceAddress(std::u16string& out, std::u16string_view url) {
  if (platform::StartsWithIgnoreCase(url, u"http://") || platform::StartsWithIgnoreCase(url, u"https://")) {
    AppendHtmlEscaped(out, url);
  } else {
    out += u"about:blank";
  }
}

}  // namespace vorlan::app
