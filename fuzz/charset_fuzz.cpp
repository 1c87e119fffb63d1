// Charset choice and decoding of a response: the input's first line is the
// Content-Type field, the rest the body.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "http/charset.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t line_end = input.find('\n');
  const std::string_view field = input.substr(0, line_end);
  const std::string_view body = line_end == std::string_view::npos ? std::string_view() : input.substr(line_end + 1);

  using namespace vorlan::http;
  ContentTypeInfo info = ParseContentType(field, true);
  if (IsHtmlContentType(info.content_type)) {
    for (const auto& [name, value] : ScanHtmlMeta(body)) {
      if (name.size() == 12 && (name[0] == 'C' || name[0] == 'c')) info = ParseContentType(value, true);
    }
  }
  const std::string charset = ResponseCharset(info, body);
  const std::u16string text = DecodeText(body, charset);
  Check(body.empty() == text.empty());

  const std::string detected = DetectXmlCharset(body);
  DecodeText(body, detected);

  // Fixed decoders: one character per byte.
  Check(DecodeText(body, "").size() == body.size());
  const std::u16string ascii = DecodeText(body, "us-ascii");
  Check(ascii.size() == body.size());
  for (const char16_t c : ascii) Check(c < 0x80);
  return 0;
}
