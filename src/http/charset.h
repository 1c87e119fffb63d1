#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Choosing a response body's character set and turning its bytes into text.
namespace vorlan::http {

struct ContentTypeInfo {
  std::string content_type;  // the media type without its charset parameter
  std::string charset;       // empty when none is known
};

// The Content-Type field's value (std::nullopt-like: pass an empty view when
// the field is absent) split into content type and charset, with the
// defaults for "text" types.
ContentTypeInfo ParseContentType(std::string_view field_value, bool field_present);

// HTML content types whose bodies are scanned for meta elements.
bool IsHtmlContentType(std::string_view content_type);

// Header fields given by the meta elements of an HTML body (name, value), in
// document order.
std::vector<std::pair<std::string, std::string>> ScanHtmlMeta(std::string_view body);

// XML content types, whose charset is detected from the body itself.
bool IsXmlContentType(std::string_view content_type);

// The charset named by an XML body's byte order mark or declaration; empty
// when nothing names one.
std::string DetectXmlCharset(std::string_view body);

// The charset to decode with: the XML detection for XML types, otherwise the
// response's charset.
std::string ResponseCharset(const ContentTypeInfo& info, std::string_view body);

// All bytes decoded by the named charset (unknown names: one character per
// byte). Never fails; a byte order mark stays in the text.
std::u16string DecodeText(std::string_view bytes, std::string_view charset);

}  // namespace vorlan::http
