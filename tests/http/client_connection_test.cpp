#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "http/http_client.h"
#include "http/http_errors.h"
#include "http/loopback_server.h"

namespace vorlan::http {
namespace {

using testing::Answer;
using testing::Close;
using testing::LoopbackServer;
using testing::ReadRequest;
using testing::Reset;
using testing::Send;
using testing::WaitForClientClose;

std::string ErrorOf(THttpClient& client, std::u16string_view url) {
  try {
    client.Get(url);
  } catch (const Error& error) {
    return error.what();
  }
  return "";
}

const std::string kOk = Answer("HTTP/1.1 200 OK", {}, "ok");

TEST(ClientConnection, SendsTheExactRequestOverTcp) {
  LoopbackServer server({{ReadRequest(), Send(kOk)}});
  THttpClient client;
  EXPECT_EQ(client.Get(server.Url("/400/200/nature/")), u"ok");
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0],
            "GET /400/200/nature/ HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(server.Port()) +
                "\r\nAccept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"
                "Accept-Encoding: identity\r\nUser-Agent: Mozilla/3.0 (compatible; VorlanTV client)\r\n\r\n");
}

TEST(ClientConnection, KeepAliveReusesTheSocketAndAHostSwitchReplacesIt) {
  LoopbackServer pictures({{ReadRequest(), Send(kOk), ReadRequest(), Send(kOk)}, {ReadRequest(), Send(kOk)}});
  LoopbackServer catalogue({{ReadRequest(), Send(kOk)}});
  THttpClient client;
  client.Get(pictures.Url("/a"));
  client.Get(pictures.Url("/b"));
  EXPECT_EQ(pictures.Connections(), 1) << "same host and port: same connection";
  client.Get(catalogue.Url("/c"));
  EXPECT_EQ(catalogue.Connections(), 1);
  client.Get(pictures.Url("/d"));
  EXPECT_EQ(pictures.Connections(), 2) << "back to the first service: a new connection";
  EXPECT_EQ(pictures.Requests().size(), 3u);
}

TEST(ClientConnection, ConnectionCloseAndVersionOneZeroBodies) {
  LoopbackServer server({{ReadRequest(), Send(Answer("HTTP/1.1 200 OK", {"Connection: close"}, "12345"))},
                         {ReadRequest(), Send(Answer("HTTP/1.1 200 OK", {"Proxy-Connection: close"}, "proxied"))},
                         {ReadRequest(), Send("HTTP/1.0 200 OK\r\n\r\nuntil the end"), Close()},
                         {ReadRequest(), Send(kOk)}});
  THttpClient client;
  EXPECT_EQ(client.Get(server.Url("/")), u"12345");
  EXPECT_FALSE(client.HasOpenConnection()) << "Connection: close closes after the body";
  EXPECT_EQ(client.Get(server.Url("/")), u"proxied");
  EXPECT_FALSE(client.HasOpenConnection()) << "so does Proxy-Connection: close";
  EXPECT_EQ(client.Get(server.Url("/")), u"until the end");
  EXPECT_EQ(client.Get(server.Url("/")), u"ok");
  EXPECT_EQ(server.Connections(), 4);
}

TEST(ClientConnection, StaleConnectionsAreReplacedWithoutError) {
  for (const bool reset : {false, true}) {
    LoopbackServer server({{ReadRequest(), Send(kOk), reset ? Reset() : Close()}, {ReadRequest(), Send(kOk)}});
    THttpClient client;
    client.Get(server.Url("/first"));
    ASSERT_TRUE(server.WaitForFinishedScripts(1));
    EXPECT_EQ(ErrorOf(client, server.Url("/second")), "") << (reset ? "reset" : "closed");
    EXPECT_EQ(server.Connections(), 2);
  }
}

TEST(ClientConnection, ErrorAnswerIsConsumedAndTheConnectionReused) {
  LoopbackServer server(
      {{ReadRequest(), Send(Answer("HTTP/1.1 404 Not Found", {"Content-Type: text/html"}, "<html>missing</html>")),
        ReadRequest(), Send(kOk)}});
  THttpClient client;
  EXPECT_EQ(ErrorOf(client, server.Url("/missing")), "HTTP/1.1 404 Not Found");
  EXPECT_EQ(client.Get(server.Url("/present")), u"ok");
  EXPECT_EQ(server.Connections(), 1);
}

TEST(ClientConnection, ChunkedBodyInManyPiecesStaysExact) {
  std::string body;
  std::string chunked;
  for (int i = 0; i < 200; ++i) {
    const std::string piece(1000 + i * 37, static_cast<char>('a' + i % 26));
    body += piece;
    char size[32];
    std::snprintf(size, sizeof size, "%x;n=%d\r\n", static_cast<unsigned>(piece.size()), i);
    chunked += size + piece + "\r\n";
  }
  chunked += "0\r\nX-Sum: done\r\n\r\n";
  LoopbackServer server({{ReadRequest(), Send("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"), Send(chunked),
                          ReadRequest(), Send(Answer("HTTP/1.1 200 OK", {}, body))}});
  THttpClient client;
  std::vector<uint8_t> stream;
  client.Get(server.Url("/big"), stream);
  EXPECT_EQ(std::string(stream.begin(), stream.end()), body);
  EXPECT_EQ(client.Response().raw_headers.Value("X-Sum"), "done") << "trailers join the raw header";
  stream.clear();
  client.Get(server.Url("/big"), stream);
  EXPECT_EQ(stream.size(), body.size());
}

TEST(ClientConnection, FailuresGiveTheLayersMessages) {
  const uint16_t closed_port = [] {
    platform::ListeningSocket probe;
    return probe.Port();
  }();
  LoopbackServer silent({{ReadRequest(), Close()}, {ReadRequest(), Reset()}, {ReadRequest(), WaitForClientClose()}});
  THttpClient client;
  client.WaitLimits().read = std::chrono::milliseconds(300);
  struct Row {
    std::u16string url;
    std::string message;
    const char* why;
  } rows[] = {
      {silent.Url("/"), "Connection Closed Gracefully.", "closed without an answer"},
      {silent.Url("/"), "Socket Error # 10054\r\nConnection reset by peer.", "reset without an answer"},
      {silent.Url("/"), "Read timed out.", "a server that never answers"},
      {u"http://127.0.0.1:" + std::u16string(u"") +
           [&] {
             const std::string port = std::to_string(closed_port);
             return std::u16string(port.begin(), port.end());
           }() +
           u"/",
       "Socket Error # 10061\r\nConnection refused.", "nobody listens"},
      {u"http://" + std::u16string(70, u'a') + u".invalid/", "Socket Error # 11001\r\nHost not found.",
       "a name no resolver knows"},
  };
  for (const Row& row : rows) {
    const std::string message = ErrorOf(client, row.url);
#ifdef _WIN32
    // Wine's socket layer takes the reset in as an orderly close before the
    // program can receive it; Windows itself reports 10054.
    if (message == "Connection Closed Gracefully." && row.message.starts_with("Socket Error # 10054")) continue;
#endif
    EXPECT_EQ(message, row.message) << row.why;
  }
  EXPECT_EQ(silent.Connections(), 3);
}

TEST(ClientConnection, AConnectThatIsNeverAcceptedEndsAtTheConnectLimit) {
  EXPECT_EQ(THttpClient().WaitLimits().connect, std::chrono::milliseconds(15'000));
  // A listener that never accepts: once its accept queue is full, the system
  // leaves further connects unanswered.
  platform::ListeningSocket listener;
  const platform::SocketAddress address =
      platform::ResolveHost("127.0.0.1", listener.Port(), platform::AddressFamily::kIPv4);
  std::vector<platform::Socket> queued;
  bool full = false;
  while (!full && queued.size() < 1000) {
    try {
      queued.push_back(platform::Socket::Connect(address, platform::Deadline::After(std::chrono::milliseconds(200))));
    } catch (const platform::TimeoutError&) {
      full = true;
    }
  }
  ASSERT_TRUE(full) << "the accept queue never filled";

  THttpClient client;
  client.WaitLimits().connect = std::chrono::milliseconds(400);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ErrorOf(client, u"http://127.0.0.1:" + platform::Utf8ToUtf16(std::to_string(listener.Port())) + u"/"),
            platform::kConnectTimedOutMessage);
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, std::chrono::milliseconds(400)) << "the connect waited for the answer";
  EXPECT_LT(waited, std::chrono::seconds(10)) << "and not much beyond its limit";
}

TEST(ClientConnection, LocalhostNameIsTheLoopbackAddress) {
  LoopbackServer server({{ReadRequest(), Send(kOk)}});
  THttpClient client;
  const std::string port = std::to_string(server.Port());
  EXPECT_EQ(client.Get(u"http://LOCALHOST:" + std::u16string(port.begin(), port.end()) + u"/"), u"ok");
  EXPECT_NE(server.Requests().at(0).find("\r\nHost: LOCALHOST:" + port + "\r\n"), std::string::npos);
}

}  // namespace
}  // namespace vorlan::http
