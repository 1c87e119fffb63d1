#pragma once

#include <cstdint>
#include <string>

#include "http/header_list.h"

// The request fields of the client, kept across requests.
namespace vorlan::http {

inline constexpr char kDefaultAccept[] = "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";
inline constexpr char kDefaultUserAgent[] = "Mozilla/3.0 (compatible; VorlanTV client)";
inline constexpr char kIdentityEncoding[] = "identity";

struct THttpRequest {
  // Entity fields.
  std::string connection;
  std::string content_version;
  std::string content_disposition;
  std::string content_encoding;
  std::string content_language;
  std::string content_type;
  std::string charset;
  int64_t content_length = -1;
  int64_t content_range_start = -1;
  int64_t content_range_end = -1;
  int64_t content_range_instance_length = -1;
  std::string cache_control;
  std::string date;  // preformatted; empty when unset
  std::string etag;
  std::string expires;
  std::string pragma;
  std::string transfer_encoding;
  THeaderList custom_headers;

  // Request fields.
  std::string proxy_connection;
  std::string host;
  std::string accept = kDefaultAccept;
  std::string accept_charset;
  std::string accept_encoding;
  std::string accept_language;
  std::string from;
  std::string referer;
  std::string user_agent = kDefaultUserAgent;
  std::string ranges;  // e.g. "bytes=0-99"; empty: no Range field
  std::string if_modified_since;
  std::string authorization;
  std::string method_override;

  std::string method = "GET";
  std::string target;  // path, document and query
  std::u16string username;
  std::u16string password;
};

// The header lines in the order the wire expects; `cookie` (if not empty) is
// appended last.
THeaderList ComposeRequestHeader(const THttpRequest& request, const std::string& cookie);

// "identity" added to an Accept-Encoding value that does not already have it.
std::string WithIdentityEncoding(const std::string& accept_encoding);

}  // namespace vorlan::http
