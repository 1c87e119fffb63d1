#include "http/response.h"

#include "http/charset.h"
#include "platform/ascii.h"

namespace vorlan::http {

using platform::ContainsIgnoreCase;
using platform::ParseDecimal;
namespace {

int StatusCodeOf(std::string_view line) {
  const size_t space = line.find(' ');
  if (space == std::string_view::npos) return -1;
  std::string_view rest = line.substr(space + 1);
  while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  const std::optional<int64_t> code = ParseDecimal(rest.substr(0, rest.find(' ')));
  if (!code || *code > 0x7FFFFFFF) return -1;
  return static_cast<int>(*code);
}

}  // namespace

void THttpResponse::SetStatusLine(std::string line) {
  *this = THttpResponse();
  status_code = StatusCodeOf(line);
  const std::string_view number = line.size() >= 8 ? std::string_view(line).substr(5, 3) : std::string_view();
  version = number == "1.1" ? "1.1" : "1.0";
  status_line = std::move(line);
}

void THttpResponse::ExtractHeaderFields() {
  const std::optional<std::string> type_field = raw_headers.Value("Content-Type");
  const ContentTypeInfo type = ParseContentType(type_field.value_or(std::string()), type_field.has_value());
  content_type = type.content_type;
  charset = type.charset;
  const std::optional<int64_t> length = ParseDecimal(raw_headers.Value("Content-Length").value_or(""));
  content_length = length.value_or(-1);
  transfer_encoding = raw_headers.Value("Transfer-Encoding").value_or("");
  connection = raw_headers.Value("Connection").value_or("");
  proxy_connection = raw_headers.Value("Proxy-Connection").value_or("");
  location = raw_headers.Value("Location").value_or("");
}

bool THttpResponse::IsChunked() const { return ContainsIgnoreCase(transfer_encoding, "chunked"); }

}  // namespace vorlan::http
