#include <gtest/gtest.h>

#include "http/http_client.h"
#include "http/http_errors.h"
#include "http/memory_network.h"

namespace vorlan::http {
namespace {

using testing::MemoryAnswer;
using testing::MemoryNetwork;

constexpr char kOk[] = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\n[]";
constexpr char kFields[] =
    "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"
    "Accept-Encoding: identity\r\n"
    "User-Agent: Mozilla/3.0 (compatible; VorlanTV client)\r\n";

std::string Expected(const std::string& target, const std::string& host, const std::string& extra = "") {
  return "GET " + target + " HTTP/1.1\r\nHost: " + host + "\r\n" + kFields + extra + "\r\n";
}

// Sends one GET of `url` and returns the bytes that went out.
std::string RequestBytes(std::u16string_view url) {
  MemoryNetwork network({{kOk}});
  THttpClient client(network.Connector());
  client.Get(url);
  return network.Sent().at(0);
}

TEST(ClientRequest, ExactBytesOfTheTwoServices) {
  EXPECT_EQ(
      RequestBytes(u"http://api.example/api/videos.json?kinopoisk_id=123&api_token=0123456789abcdef0123456789abcdef"),
      Expected("/api/videos.json?kinopoisk_id=123&api_token=0123456789abcdef0123456789abcdef", "api.example"));
  EXPECT_EQ(RequestBytes(u"http://pics.example/400/200/nature/"), Expected("/400/200/nature/", "pics.example"));
}

TEST(ClientRequest, TargetTextGoesOutUnencoded) {
  struct Row {
    std::u16string number;
    std::string sent;
    const char* why;
  } rows[] = {
      {u"1 2", "1 2", "a space stays a space"},
      {u"фильм", "?????", "each character above U+007F becomes ?"},
      {u"12#34", "12#34", "# and what follows stay in the query"},
      {u"1\\2", "1\\2", "a backslash in the query stays"},
      {u"%41", "%41", "nothing is percent-decoded either"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(RequestBytes(u"http://h/api/videos.json?kinopoisk_id=" + row.number + u"&api_token=t"),
              Expected("/api/videos.json?kinopoisk_id=" + row.sent + "&api_token=t", "h"))
        << row.why;
  }
}

TEST(ClientRequest, HostFieldAndPortRules) {
  struct Row {
    std::u16string url;
    std::string host_field;
    uint16_t port;
    const char* why;
  } rows[] = {
      {u"http://h:8080/", "h:8080", 8080, "explicit other port"},
      {u"http://h:80/", "h", 80, "explicit 80 gives the host alone"},
      {u"http://h/", "h", 80, "http defaults to 80"},
      {u"HTTP://h:80/", "h", 80, "protocol letter case ignored"},
      {u"http://h:0080/", "h:0080", 80, "port compared as text"},
      {u"http://[::1]:81/", "[::1]:81", 81, "IPv6 host in brackets"},
  };
  for (const Row& row : rows) {
    MemoryNetwork network({{kOk}});
    THttpClient client(network.Connector());
    client.Get(row.url);
    const std::string sent = network.Sent().at(0);
    EXPECT_NE(sent.find("\r\nHost: " + row.host_field + "\r\n"), std::string::npos) << row.why << "\n" << sent;
    EXPECT_EQ(network.Targets().at(0).port, row.port) << row.why;
  }
}

TEST(ClientRequest, NoBodyOrConnectionFields) {
  const std::string sent = RequestBytes(u"http://h/x");
  for (const char* field :
       {"Connection:", "Content-Length:", "Range:", "Content-Range:", "Cookie:", "Authorization:"}) {
    EXPECT_EQ(sent.find(field), std::string::npos) << field;
  }
}

TEST(ClientRequest, LaterUrlsBuildOnTheCurrentOne) {
  MemoryNetwork network({{kOk}, {kOk}, {kOk}, {kOk}});
  THttpClient client(network.Connector());
  client.Get(u"http://h:81/a/b/page#top?x=1");
  client.Get(u"../c/doc");
  client.Get(u"/root/");
  client.Get(u"other.html?y");
  const std::vector<std::string> sent = network.Sent();
  ASSERT_EQ(sent.size(), 4u);
  EXPECT_TRUE(sent[0].starts_with("GET /a/b/page?x=1 HTTP/1.1\r\nHost: h:81\r\n")) << "the bookmark is never sent";
  EXPECT_TRUE(sent[1].starts_with("GET /a/c/doc HTTP/1.1\r\nHost: h:81\r\n")) << "relative path, earlier host and port";
  EXPECT_TRUE(sent[2].starts_with("GET /root/ HTTP/1.1\r\n")) << "absolute path replaces";
  EXPECT_TRUE(sent[3].starts_with("GET /root/other.html?y HTTP/1.1\r\n"));
}

TEST(ClientRequest, ProtocolFailuresBeforeAnythingIsSent) {
  struct Row {
    std::u16string url;
    std::string message;
    const char* why;
  } rows[] = {
      {u"ftp://h/x", "Unknown Protocol", "no port for an unknown protocol"},
      {u"/only/a/path", "Unknown Protocol", "no earlier port"},
      {u"https://h/x", "IOHandler value is not valid", "no TLS layer"},
      {u"http://:81/", "", "no host: an empty message"},
  };
  for (const Row& row : rows) {
    MemoryNetwork network({{kOk}});
    THttpClient client(network.Connector());
    try {
      client.Get(row.url);
      ADD_FAILURE() << row.why << ": no error";
    } catch (const Error& error) {
      EXPECT_EQ(error.what(), row.message) << row.why;
    }
    EXPECT_TRUE(network.Targets().empty()) << row.why;
  }
}

TEST(ClientRequest, UnknownProtocolKeepsTheEarlierPort) {
  MemoryNetwork network({MemoryAnswer({kOk, kOk}, false)});
  THttpClient client(network.Connector());
  client.Get(u"http://h:81/");
  client.Get(u"ftp://h/x");
  EXPECT_EQ(network.Targets().size(), 1u) << "the kept connection to h:81 is reused";
  EXPECT_TRUE(network.Sent().at(0).ends_with(Expected("/x", "h:81"))) << network.Sent().at(0);
}

TEST(ClientRequest, CookiesGoBackToTheirHostOnly) {
  const std::string set =
      "HTTP/1.1 200 OK\r\nSet-Cookie: pic=7; Path=/\r\nSet-Cookie: seen=1\r\nContent-Length: 0\r\n\r\n";
  MemoryNetwork network({{set}, {kOk}, {kOk}});
  THttpClient client(network.Connector());
  client.Get(u"http://pics.example/400/200/nature/");
  client.Get(u"http://api.example/api/videos.json?kinopoisk_id=1");
  client.Get(u"http://pics.example/400/200/nature/");
  const std::vector<std::string> sent = network.Sent();
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_EQ(sent[1].find("Cookie:"), std::string::npos) << "not to the other host";
  EXPECT_EQ(sent[2], Expected("/400/200/nature/", "pics.example", "Cookie: seen=1; pic=7\r\n"))
      << "longer path first, the Cookie field last";
}

TEST(ClientRequest, BasicAuthorisationFromUrlCredentials) {
  const std::string challenge =
      "HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"r\"\r\nContent-Length: 0\r\n\r\n";
  MemoryNetwork network({{challenge}, {kOk}});
  THttpClient client(network.Connector());
  EXPECT_EQ(client.Get(u"http://user:pw@h/x"), u"[]");
  const std::vector<std::string> sent = network.Sent();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0].find("Authorization:"), std::string::npos);
  EXPECT_NE(sent[1].find("\r\nAuthorization: Basic dXNlcjpwdw==\r\n"), std::string::npos) << sent[1];
}

TEST(ClientRequest, UnauthorisedWithoutCredentialsFailsAndLeavesTheSchemeAttached) {
  const std::string challenge =
      "HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"r\"\r\nContent-Length: 6\r\n\r\ndenied";
  MemoryNetwork network({{challenge}, {kOk}});
  THttpClient client(network.Connector());
  try {
    client.Get(u"http://h/x");
    ADD_FAILURE() << "401 must fail";
  } catch (const EHttpProtocolException& error) {
    EXPECT_STREQ(error.what(), "HTTP/1.1 401 Unauthorized");
    EXPECT_EQ(error.ErrorCode(), 401);
    EXPECT_EQ(error.ErrorMessage(), u"denied");
  }
  client.Get(u"http://h/y");
  EXPECT_NE(network.Sent().at(1).find("\r\nAuthorization: Basic Og==\r\n"), std::string::npos)
      << "later requests carry the scheme's field for an empty user";
}

}  // namespace
}  // namespace vorlan::http
