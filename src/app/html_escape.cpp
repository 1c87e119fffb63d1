#include "app/html_escape.h"

namespace vorlan::app {
namespace {

bool StartsWithIgnoringAsciiCase(std::u16string_view text, std::u16string_view lower_prefix) {
  if (text.size() < lower_prefix.size()) return false;
  for (size_t i = 0; i < lower_prefix.size(); ++i) {
    char16_t c = text[i];
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    if (c != lower_prefix[i]) return false;
  }
  return true;
}

}  // namespace

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
  if (StartsWithIgnoringAsciiCase(url, u"http://") || StartsWithIgnoringAsciiCase(url, u"https://")) {
    return HtmlEscape(url);
  }
  return u"about:blank";
}

}  // namespace vorlan::app
