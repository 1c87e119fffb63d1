#pragma once

#include <cstdint>
#include <string>

#include "http/header_list.h"

// The answer of the server as the client reads it.
namespace vorlan::http {

struct THttpResponse {
  std::string status_line;
  int status_code = -1;
  std::string version = "1.0";
  THeaderList raw_headers;

  // Extracted from the raw header lines.
  std::string content_type;
  std::string charset;
  int64_t content_length = -1;
  std::string transfer_encoding;
  std::string connection;
  std::string proxy_connection;
  std::string location;
  bool keep_alive = false;

  // Clears everything and sets the status line with its code and version.
  void SetStatusLine(std::string line);
  // Sets the fields above from the raw header lines.
  void ExtractHeaderFields();
  bool HasContentLength() const { return content_length >= 0; }
  bool IsChunked() const;
};

}  // namespace vorlan::http
