#include "app/html_escape.h"

#include "platform/ascii.h"

namespace vorlan::app {
std::u16string HtmlEscape(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
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
        out.push_back(c);
    }
  }
  return out;
}

std::u16string FrameSourceAddress(std::u16string_view url) {
  if (platform::StartsWithIgnoreCase(url, u"http://") || platform::StartsWithIgnoreCase(url, u"https://")) {
    return HtmlEscape(url);
  }
  return u"about:blank";
}

}  // namespace vorlan::app
