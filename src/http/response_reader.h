#pragma once

#include <cstdint>
#include <vector>

#include "http/http_limits.h"
#include "http/io_handler.h"
#include "http/response.h"

// Reading one answer from the connection: status line, header, body.
namespace vorlan::http {

// The status line and the header lines up to the empty line; a close by the
// peer inside the header ends it without an error. Fields are extracted.
void ReadStatusAndHeader(TIOHandlerStack& io, THttpResponse& response);

// The body as the response frames it, appended to `body`. Trailer lines of a
// chunked body join the raw header lines. An HTML body's meta elements are
// applied to the header fields afterwards.
void ReadResponseBody(TIOHandlerStack& io, THttpResponse& response, bool head_request, const TWaitLimits& limits,
                      std::vector<uint8_t>& body);

// The chunk size of a chunk-size line; 0 for an invalid one.
uint64_t ParseChunkSize(std::string_view line);

}  // namespace vorlan::http
