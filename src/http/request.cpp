#include "http/request.h"

#include <string_view>

namespace vorlan::http {

THeaderList ComposeRequestHeader(const THttpRequest& request, const std::string& cookie) {
  THeaderList header;
  const auto put = [&header](std::string_view name, const std::string& value) {
    if (!value.empty()) header.Set(name, value);
  };
  put("Connection", request.connection);
  put("Content-Version", request.content_version);
  put("Content-Disposition", request.content_disposition);
  put("Content-Encoding", request.content_encoding);
  put("Content-Language", request.content_language);
  if (!request.content_type.empty()) {
    put("Content-Type",
        request.charset.empty() ? request.content_type : request.content_type + "; charset=" + request.charset);
  }
  if (request.content_length >= 0) put("Content-Length", std::to_string(request.content_length));
  put("Cache-control", request.cache_control);
  put("Date", request.date);
  put("ETag", request.etag);
  put("Expires", request.expires);
  put("Pragma", request.pragma);
  put("Transfer-Encoding", request.transfer_encoding);
  for (const std::string& line : request.custom_headers.Lines()) header.AddRaw(line);

  put("Proxy-Connection", request.proxy_connection);
  put("Host", request.host);
  put("Accept", request.accept);
  put("Accept-Charset", request.accept_charset);
  put("Accept-Encoding", request.accept_encoding);
  put("Accept-Language", request.accept_language);
  put("From", request.from);
  put("Referer", request.referer);
  put("User-Agent", request.user_agent);
  put("Range", request.ranges);
  put("If-Modified-Since", request.if_modified_since);
  put("Authorization", request.authorization);
  put("X-HTTP-Method-Override", request.method_override);

  if (!cookie.empty()) header.Add("Cookie", cookie);
  return header;
}

std::string WithIdentityEncoding(const std::string& accept_encoding) {
  if (accept_encoding.find(kIdentityEncoding) != std::string::npos) return accept_encoding;
  if (accept_encoding.empty()) return kIdentityEncoding;
  return accept_encoding + ", " + kIdentityEncoding;
}

}  // namespace vorlan::http
