#include <algorithm>
#include <vector>

#include "http/charset.h"
#include "platform/ascii.h"

namespace vorlan::http {
namespace {

using platform::EndsWithIgnoreCase;
using platform::EqualsIgnoreCase;
using platform::TrimMarkupSpace;

// The field split at the semicolons that stand outside double quotes.
std::vector<std::string_view> SplitParameters(std::string_view field) {
  std::vector<std::string_view> parts;
  bool quoted = false;
  size_t start = 0;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '"') {
      quoted = !quoted;
    } else if (field[i] == '\\' && quoted) {
      ++i;
    } else if (field[i] == ';' && !quoted) {
      parts.push_back(field.substr(start, i - start));
      start = i + 1;
    }
  }
  parts.push_back(field.substr(std::min(start, field.size())));
  return parts;
}

std::string_view Unquote(std::string_view value) {
  value = TrimMarkupSpace(value);
  if (!value.empty() && value.front() == '"') value.remove_prefix(1);
  if (!value.empty() && value.back() == '"') value.remove_suffix(1);
  return TrimMarkupSpace(value);
}

// "type/subtype" of a content type, without parameters.
struct MediaType {
  std::string_view type;
  std::string_view subtype;
};

MediaType SplitMediaType(std::string_view content_type) {
  const std::string_view essence = TrimMarkupSpace(content_type.substr(0, content_type.find(';')));
  const size_t slash = essence.find('/');
  if (slash == std::string_view::npos) return {essence, {}};
  return {TrimMarkupSpace(essence.substr(0, slash)), TrimMarkupSpace(essence.substr(slash + 1))};
}

bool IsEssence(std::string_view content_type, std::string_view essence) {
  return EqualsIgnoreCase(TrimMarkupSpace(content_type.substr(0, content_type.find(';'))), essence);
}

std::string DefaultTextCharset(std::string_view content_type) {
  const MediaType media = SplitMediaType(content_type);
  if (!EqualsIgnoreCase(media.type, "text")) return {};
  if (EqualsIgnoreCase(media.subtype, "xml") || EqualsIgnoreCase(media.subtype, "xml-external-parsed-entity") ||
      EndsWithIgnoreCase(media.subtype, "+xml")) {
    return "us-ascii";
  }
  return "ISO-8859-1";
}

}  // namespace

ContentTypeInfo ParseContentType(std::string_view field_value, bool field_present) {
  ContentTypeInfo info;
  if (!field_present) return info;
  const std::vector<std::string_view> parts = SplitParameters(field_value);
  bool charset_seen = false;
  for (size_t i = 0; i < parts.size(); ++i) {
    const std::string_view part = TrimMarkupSpace(parts[i]);
    if (i > 0) {
      const size_t equals = part.find('=');
      const std::string_view name = TrimMarkupSpace(part.substr(0, equals));
      if (EqualsIgnoreCase(name, "charset")) {
        if (!charset_seen && equals != std::string_view::npos) info.charset = Unquote(part.substr(equals + 1));
        charset_seen = true;
        continue;
      }
      if (part.empty()) continue;
      info.content_type += "; ";
    }
    info.content_type += part;
  }
  if (info.charset.empty()) info.charset = DefaultTextCharset(info.content_type);
  return info;
}

bool IsHtmlContentType(std::string_view content_type) {
  return IsEssence(content_type, "text/html") || IsEssence(content_type, "text/html-sandboxed") ||
         IsEssence(content_type, "application/xhtml+xml");
}

bool IsXmlContentType(std::string_view content_type) {
  if (IsEssence(content_type, "application/xml") || IsEssence(content_type, "application/xml-external-parsed-entity") ||
      IsEssence(content_type, "application/xml-dtd")) {
    return true;
  }
  const MediaType media = SplitMediaType(content_type);
  return !media.type.empty() && !EqualsIgnoreCase(media.type, "text") && EndsWithIgnoreCase(media.subtype, "+xml");
}

std::string ResponseCharset(const ContentTypeInfo& info, std::string_view body) {
  if (IsXmlContentType(info.content_type)) {
    std::string detected = DetectXmlCharset(body);
    // A body that names nothing keeps the charset its header gave.
    if (!detected.empty()) return detected;
  }
  return info.charset;
}

}  // namespace vorlan::http
