#include "http/response_reader.h"

#include <string>
#include <string_view>

#include "http/charset.h"
#include "http/http_errors.h"
#include "platform/ascii.h"

namespace vorlan::http {

using platform::TrimControlAndSpace;
namespace {

// Header or trailer lines up to the empty line, at most kMaxHeaderLines.
void ReadFieldLines(TIOHandlerStack& io, THeaderList& into, bool stop_quietly_on_close) {
  int count = 0;
  for (;;) {
    std::string line;
    try {
      line = io.ReadLn();
    } catch (const EConnectionClosedGracefully&) {
      if (!stop_quietly_on_close) throw;
      io.Disconnect();
      return;
    }
    if (line.empty()) return;
    if (count == kMaxHeaderLines) throw Error(std::string(kTooManyHeaderLines));
    into.AddRaw(std::move(line));
    ++count;
  }
}

bool HasBody(TIOHandlerStack& io, const THttpResponse& response, bool head_request, const TWaitLimits& limits) {
  if (!response.IsChunked() && response.content_length == 0) return false;
  const int code = response.status_code;
  if (head_request || (code >= 100 && code < 200) || code == 204 || code == 304) return false;
  if (code >= 300 && code < 400) return io.CheckForDataOnSource(limits.redirect_body);
  return true;
}

[[noreturn]] void ThrowTooLarge(TIOHandlerStack& io) {
  io.Disconnect();
  throw Error(std::string(kResponseBodyTooLarge));
}

void ReadChunkedBody(TIOHandlerStack& io, THttpResponse& response, std::vector<uint8_t>& body) {
  uint64_t total = 0;
  for (;;) {
    const uint64_t size = ParseChunkSize(io.ReadLn());
    if (size == 0) break;
    if (size > static_cast<uint64_t>(kMaxBodySize) - total) ThrowTooLarge(io);
    total += size;
    io.ReadBytes(static_cast<int64_t>(size), body);
    io.ReadLn();
  }
  ReadFieldLines(io, response.raw_headers, false);
}

void ApplyHtmlMeta(THttpResponse& response, std::string_view body) {
  if (!IsHtmlContentType(response.content_type)) return;
  const auto fields = ScanHtmlMeta(body);
  if (fields.empty()) return;
  for (const auto& [name, value] : fields) response.raw_headers.Set(name, value);
  response.ExtractHeaderFields();
}

}  // namespace

uint64_t ParseChunkSize(std::string_view line) {
  line = TrimControlAndSpace(line.substr(0, line.find(';')));
  if (line.empty() || line.size() > 16) return 0;
  uint64_t size = 0;
  for (char c : line) {
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return 0;
    }
    size = size << 4 | static_cast<uint64_t>(digit);
  }
  return size;
}

void ReadStatusAndHeader(TIOHandlerStack& io, THttpResponse& response) {
  response.SetStatusLine(io.ReadLn());
  ReadFieldLines(io, response.raw_headers, true);
  response.ExtractHeaderFields();
}

void ReadResponseBody(TIOHandlerStack& io, THttpResponse& response, bool head_request, const TWaitLimits& limits,
                      std::vector<uint8_t>& body) {
  if (!HasBody(io, response, head_request, limits)) return;
  const size_t start = body.size();
  if (response.IsChunked()) {
    ReadChunkedBody(io, response, body);
  } else if (response.HasContentLength()) {
    if (response.content_length > kMaxBodySize) ThrowTooLarge(io);
    io.ReadBytes(response.content_length, body);
  } else {
    io.ReadUntilClose(body, start + static_cast<size_t>(kMaxBodySize));
  }
  const std::string_view text(reinterpret_cast<const char*>(body.data()) + start, body.size() - start);
  ApplyHtmlMeta(response, text);
}

}  // namespace vorlan::http
