#include <gtest/gtest.h>

#include "http/http_client.h"
#include "http/http_errors.h"
#include "http/memory_network.h"
#include "http/response_reader.h"

namespace vorlan::http {
namespace {

using testing::MemoryAnswer;
using testing::MemoryNetwork;

struct Outcome {
  std::string body;
  std::string error;  // empty on success
};

// One GET over a connection that answers `reply` (delivered in `piece`-byte
// pieces when given) and then closes, unless `hold_open`.
Outcome Fetch(const std::string& reply, bool hold_open = false, size_t piece = 0) {
  MemoryAnswer answer({reply}, hold_open);
  answer.piece = piece;
  MemoryNetwork network({answer});
  THttpClient client(network.Connector());
  std::vector<uint8_t> stream{'>'};
  try {
    client.Get(u"http://h/x", stream);
  } catch (const Error& error) {
    EXPECT_EQ(stream, std::vector<uint8_t>{'>'}) << "a failed GET leaves the stream as it was";
    return {"", error.what()};
  }
  return {std::string(stream.begin() + 1, stream.end()), ""};
}

TEST(ClientResponse, BodyFramings) {
  struct Row {
    std::string reply;
    bool hold_open;
    Outcome expected;
    const char* why;
  } rows[] = {
      {"HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello", true, {"hello", ""}, "length"},
      {"HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhelloEXTRA", true, {"hello", ""}, "length stops on time"},
      {"HTTP/1.0 200 OK\r\n\r\nuntil close", false, {"until close", ""}, "no length: read until the close"},
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n", true, {"hello", ""}, "chunked"},
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: Chunked\r\nContent-Length: 3\r\n\r\n"
       "3;name=\"v\"\r\nabc\r\nA ; ext\r\n0123456789\r\n0\r\nX-Trailer: 1\r\n\r\n",
       true,
       {"abc0123456789", ""},
       "chunk extensions, hex sizes, trailers; chunked beats the length"},
      {"HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n", true, {"", ""}, "empty body with a length"},
      {"HTTP/1.1 204 No Content\r\n\r\n", true, {"", ""}, "204 has no body"},
      {"HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 100 Continue\r\nX: y\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: "
       "2\r\n\r\nok",
       true,
       {"ok", ""},
       "100 answers are skipped"},
      {"HTTP/1.1 200 OK\nContent-Length: 2\n\nok", true, {"ok", ""}, "bare LF line ends"},
      {"HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nshort",
       false,
       {"", "Connection Closed Gracefully."},
       "a cut-off length body fails"},
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhel",
       false,
       {"", "Connection Closed Gracefully."},
       "a cut-off chunk fails"},
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n",
       false,
       {"", "Connection Closed Gracefully."},
       "no last chunk fails"},
      {"HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello", false, {"hello", ""}, "close right after a full body"},
      {"", false, {"", "Connection Closed Gracefully."}, "closed before the status line"},
      {"HTTP/1.1 200 OK\r\nContent-Length: 268435457\r\n\r\n",
       true,
       {"", "Response body too large."},
       "length over the limit"},
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n10000001\r\n",
       true,
       {"", "Response body too large."},
       "chunk over the limit"},
      {"HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\n", true, {"", "Read timed out."}, "a stalled body times out"},
  };
  for (const Row& row : rows) {
    const Outcome outcome = Fetch(row.reply, row.hold_open);
    EXPECT_EQ(outcome.error, row.expected.error) << row.why;
    EXPECT_EQ(outcome.body, row.expected.body) << row.why;
    EXPECT_EQ(Fetch(row.reply, row.hold_open, 1).error, row.expected.error) << row.why << " (one byte at a time)";
  }
}

TEST(ClientResponse, HeaderEndsQuietlyWhenTheServerCloses) {
  const Outcome outcome = Fetch("HTTP/1.1 200 OK\r\nX-Partial: 1\r\nX-Cut");
  EXPECT_EQ(outcome.error, "");
  EXPECT_EQ(outcome.body, "");
}

TEST(ClientResponse, StatusesThatFailCarryTheStatusLine) {
  struct Row {
    std::string reply;
    std::string message;
    int code;
    std::u16string body;
    const char* why;
  } rows[] = {
      {"HTTP/1.1 404 Not Found\r\nContent-Type: text/html\r\nContent-Length: 9\r\n\r\n<p>no</p>",
       "HTTP/1.1 404 Not Found", 404, u"<p>no</p>", "404 with its body"},
      {"HTTP/1.1 302 Found\r\nLocation: /elsewhere\r\nContent-Length: 0\r\n\r\n", "HTTP/1.1 302 Found", 302, u"",
       "redirects are not followed"},
      {"HTTP/1.1 301 Moved\r\n\r\n", "HTTP/1.1 301 Moved", 301, u"", "3xx without Location"},
      {"HTTP/1.1 304 Not Modified\r\n\r\n", "HTTP/1.1 304 Not Modified", 304, u"", "304"},
      {"HTTP/1.1 500 Internal Server Error\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: 4\r\n\r\n"
       "\xd0\x9e\xd0\xb9",
       "HTTP/1.1 500 Internal Server Error", 500, u"Ой", "the error body decoded by its charset"},
      {"HTTP/1.1 OK\r\nContent-Length: 0\r\n\r\n", "HTTP/1.1 OK", -1, u"", "a status line without a number"},
      {"garbage\r\n\r\n", "garbage", -1, u"", "no space at all"},
      {"HTTP/1.1 199 Odd\r\n\r\n", "HTTP/1.1 199 Odd", 199, u"", "1xx other than 100"},
      {"HTTP/1.1 407 Proxy\r\nContent-Length: 0\r\n\r\n", "HTTP/1.1 407 Proxy", 407, u"", "407"},
      {"HTTP/1.1 404 Not Found\r\nContent-Length: 10\r\n\r\nshort", "HTTP/1.1 404 Not Found", 404, u"short",
       "a cut-off error body still reports the status"},
  };
  for (const Row& row : rows) {
    MemoryNetwork network({MemoryAnswer({row.reply}, true)});
    THttpClient client(network.Connector());
    client.WaitLimits().redirect_body = std::chrono::milliseconds(1);
    try {
      client.Get(u"http://h/x");
      ADD_FAILURE() << row.why << ": no error";
    } catch (const EHttpProtocolException& error) {
      EXPECT_EQ(error.what(), row.message) << row.why;
      EXPECT_EQ(error.ErrorCode(), row.code) << row.why;
      EXPECT_EQ(error.ErrorMessage(), row.body) << row.why;
    }
    EXPECT_EQ(network.Targets().size(), 1u) << row.why << ": nothing followed";
  }
}

TEST(ClientResponse, LimitsOnLinesAndHeaderSize) {
  const auto header_of = [](int lines) {
    std::string reply = "HTTP/1.1 200 OK\r\n";
    for (int i = 0; i < lines - 1; ++i) reply += "X-" + std::to_string(i) + ": v\r\n";
    return reply + "Content-Length: 2\r\n\r\nok";
  };
  EXPECT_EQ(Fetch(header_of(255), true).error, "") << "255 header lines are fine";
  EXPECT_EQ(Fetch(header_of(256), true).error, "Too many header lines.");

  const std::string line_of = [] { return std::string(16384, 'x'); }();
  EXPECT_EQ(Fetch("HTTP/1.1 200 OK\r\nX: " + std::string(16384 - 4, 'v') + "\r\nContent-Length: 0\r\n\r\n", true).error,
            "")
      << "16384 bytes before the LF (CR included) are allowed";
  EXPECT_EQ(Fetch("HTTP/1.1 200 OK\r\nX: " + std::string(16384 - 3, 'v') + "\r\nContent-Length: 0\r\n\r\n", true).error,
            "Max line length exceeded.");
  EXPECT_EQ(Fetch("HTTP/1.1 200 OK\r\nX: " + line_of, true).error, "Max line length exceeded.")
      << "a line without end fails once it is too long";
}

TEST(ClientResponse, TextFormDecodesByCharsetAndHtmlMeta) {
  struct Row {
    std::string fields;
    std::string body;
    std::u16string text;
    const char* why;
  } rows[] = {
      {"Content-Type: application/json; charset=utf-8", "[\"\xd0\x9e\"]", u"[\"О\"]", "utf-8 charset"},
      {"Content-Type: application/json", "\xd0\x9e", u"\u00d0\u009e", "no charset: one character per byte"},
      {"Content-Type: text/html", "<html><head><meta charset=\"windows-1251\"></head><body>\xce\xe9</body></html>",
       u"<html><head><meta charset=\"windows-1251\"></head><body>Ой</body></html>", "meta charset wins"},
  };
  for (const Row& row : rows) {
    const std::string reply = "HTTP/1.1 200 OK\r\n" + row.fields +
                              "\r\nContent-Length: " + std::to_string(row.body.size()) + "\r\n\r\n" + row.body;
    MemoryNetwork network({MemoryAnswer(reply)});
    THttpClient client(network.Connector());
    EXPECT_EQ(client.Get(u"http://h/x"), row.text) << row.why;
  }
}

TEST(ClientResponse, ResponseFields) {
  MemoryNetwork network(
      {{"HTTP/1.1  201   Created\r\nX-A: 1\r\n  2\r\nConnection:  Close \r\n"
        "Content-Type: text/plain\r\nContent-Length: 0\r\n\r\n"}});
  THttpClient client(network.Connector());
  client.Get(u"http://h/x");
  const THttpResponse& response = client.Response();
  EXPECT_EQ(response.status_code, 201) << "blanks after the first space are skipped";
  EXPECT_EQ(response.version, "1.1");
  EXPECT_EQ(response.raw_headers.Value("x-a"), "1 2");
  EXPECT_EQ(response.content_type, "text/plain");
  EXPECT_EQ(response.charset, "ISO-8859-1");
  EXPECT_FALSE(response.keep_alive) << "Connection: close";
}

TEST(ChunkSize, ReadsHexAndTreatsInvalidAsZero) {
  struct Row {
    const char* line;
    uint64_t size;
  } rows[] = {{"5", 5},
              {" a ", 10},
              {"1F;x=y", 31},
              {"zz", 0},
              {"", 0},
              {"-1", 0},
              {"ffffffffffffffff", 0xffffffffffffffffu},
              {"10000000000000000", 0}};
  for (const Row& row : rows) EXPECT_EQ(ParseChunkSize(row.line), row.size) << row.line;
}

}  // namespace
}  // namespace vorlan::http
