#include "http/uri.h"

#include <vector>

namespace vorlan::http {
namespace {

constexpr size_t npos = std::u16string_view::npos;

// Backslashes become slashes from after the scheme's ":" (and "//") up to the
// query or fragment.
std::u16string NormalizeSlashes(std::u16string_view url) {
  std::u16string result(url);
  size_t start = result.find(u':');
  if (start == npos) {
    start = 0;
  } else {
    ++start;
    if (result.compare(start, 2, u"//") == 0) start += 2;
  }
  size_t end = result.find_first_of(u"?#", start);
  if (end == npos) end = result.size();
  for (size_t i = start; i < end; ++i) {
    if (result[i] == u'\\') result[i] = u'/';
  }
  return result;
}

std::u16string_view CutAt(std::u16string_view& text, char16_t separator) {
  const size_t at = text.find(separator);
  if (at == npos) return {};
  std::u16string_view after = text.substr(at + 1);
  text = text.substr(0, at);
  return after;
}

void SplitPath(std::u16string_view path_text, TUri& uri) {
  const size_t last_slash = path_text.rfind(u'/');
  if (last_slash == npos) {
    uri.document = path_text;
  } else {
    uri.path += path_text.substr(0, last_slash + 1);
    uri.document = path_text.substr(last_slash + 1);
  }
}

void ParseAuthority(std::u16string_view authority, TUri& uri) {
  const size_t at = authority.rfind(u'@');
  if (at != npos) {
    std::u16string_view user_info = authority.substr(0, at);
    authority = authority.substr(at + 1);
    const size_t colon = user_info.find(u':');
    uri.username = user_info.substr(0, colon);
    if (colon != npos && !uri.username.empty()) uri.password = user_info.substr(colon + 1);
  }
  const size_t open = authority.find(u'[');
  const size_t close = open == npos ? npos : authority.find(u']', open + 1);
  if (close != npos) {
    uri.host = authority.substr(open + 1, close - open - 1);
    uri.ipv6 = true;
    const size_t colon = authority.find(u':', close + 1);
    if (colon != npos) uri.port = authority.substr(colon + 1);
    return;
  }
  const size_t colon = authority.find(u':');
  uri.host = authority.substr(0, colon);
  if (colon != npos) uri.port = authority.substr(colon + 1);
}

}  // namespace

TUri TUri::Parse(std::u16string_view url) {
  TUri uri;
  const std::u16string normalized = NormalizeSlashes(url);
  std::u16string_view rest = normalized;
  const size_t scheme_end = rest.find(u"://");
  if (scheme_end != npos) {
    uri.protocol = rest.substr(0, scheme_end);
    rest = rest.substr(scheme_end + 3);
    uri.params = CutAt(rest, u'?');
    const size_t slash = rest.find(u'/');
    ParseAuthority(rest.substr(0, slash), uri);
    uri.path = u"/";
    if (slash != npos) SplitPath(rest.substr(slash + 1), uri);
  } else {
    uri.params = CutAt(rest, u'?');
    SplitPath(rest, uri);
  }
  std::u16string_view document = uri.document;
  uri.bookmark = CutAt(document, u'#');
  uri.document = std::u16string(document);
  return uri;
}

std::u16string ResolveRelativePath(std::u16string_view base, std::u16string_view relative) {
  std::u16string combined(base);
  if (!combined.empty() && combined.back() != u'/' && !relative.empty()) combined += u'/';
  combined += relative;
  std::vector<std::u16string_view> segments;
  std::u16string_view rest = combined;
  if (!rest.empty() && rest.front() == u'/') rest.remove_prefix(1);
  while (!rest.empty()) {
    const size_t slash = rest.find(u'/');
    const std::u16string_view segment = rest.substr(0, slash);
    rest = slash == npos ? std::u16string_view() : rest.substr(slash + 1);
    if (segment == u".") continue;
    if (segment == u"..") {
      if (!segments.empty()) segments.pop_back();
      continue;
    }
    segments.push_back(segment);
  }
  std::u16string resolved = u"/";
  for (std::u16string_view segment : segments) {
    resolved += segment;
    resolved += u'/';
  }
  return resolved;
}

}  // namespace vorlan::http
