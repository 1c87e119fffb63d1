#include <gtest/gtest.h>

#include "http/cookie_manager.h"

namespace vorlan::http {
namespace {

using std::chrono::seconds;

const TCookieTime kNow = CookieTimeFromCivil(2024, 5, 1, 12, 0, 0);

TCookieUrl At(std::string host, std::string path, std::string document = "", std::string protocol = "http") {
  return TCookieUrl{std::move(protocol), std::move(host), path, path + document};
}

TEST(CookieDate, ReadsTheUsualFormsAndRejectsBadOnes) {
  struct Row {
    const char* text;
    std::optional<TCookieTime> expected;
    const char* why;
  } rows[] = {
      {"Wed, 21 Oct 2015 07:28:00 GMT", CookieTimeFromCivil(2015, 10, 21, 7, 28, 0), "RFC 1123"},
      {"Wednesday, 21-Oct-15 07:28:00 GMT", CookieTimeFromCivil(2015, 10, 21, 7, 28, 0), "RFC 850, two-digit year"},
      {"Wed Oct 21 07:28:00 2015", CookieTimeFromCivil(2015, 10, 21, 7, 28, 0), "asctime"},
      {"21 oct 1994 1:2:3", CookieTimeFromCivil(1994, 10, 21, 1, 2, 3), "short time fields"},
      {"Thu, 01 Jan 70 00:00:00 GMT", CookieTimeFromCivil(1970, 1, 1, 0, 0, 0), "70 is 1970"},
      {"Wed, 31 Feb 2015 07:28:00 GMT", std::nullopt, "no 31 February"},
      {"Wed, 21 Oct 2015 24:00:00 GMT", std::nullopt, "hour out of range"},
      {"Wed, 21 Oct 1600 07:28:00 GMT", std::nullopt, "before 1601"},
      {"Wed, 21 Oct 2015", std::nullopt, "no time"},
      {"tomorrow", std::nullopt, "not a date"},
  };
  for (const Row& row : rows) EXPECT_EQ(ParseCookieDate(row.text), row.expected) << row.why;
}

TEST(SetCookie, ParsesNameValueAndAttributesLastOneWins) {
  const std::optional<TSetCookie> cookie =
      ParseSetCookie(" sid = a b ; Path=/x; path=/y; Domain=.Example.COM:8080; secure; HTTPONLY; Max-Age=60");
  ASSERT_TRUE(cookie.has_value());
  EXPECT_EQ(cookie->name, "sid");
  EXPECT_EQ(cookie->value, "a b");
  EXPECT_EQ(cookie->path, "/y") << "the last Path counts";
  EXPECT_EQ(cookie->domain, "example.com") << "leading dot and port dropped, lower-cased";
  EXPECT_TRUE(cookie->secure);
  EXPECT_TRUE(cookie->http_only);
  EXPECT_EQ(cookie->max_age, 60);

  EXPECT_FALSE(ParseSetCookie("novalue").has_value()) << "no = in the first pair";
  EXPECT_FALSE(ParseSetCookie("=v; Path=/").has_value()) << "empty name";
  EXPECT_EQ(ParseSetCookie("a=; Path=rel")->path, std::nullopt) << "a relative Path is ignored";
  EXPECT_EQ(ParseSetCookie("a=1; Max-Age=1x")->max_age, std::nullopt) << "a malformed Max-Age is ignored";
  EXPECT_EQ(ParseSetCookie("a=1; Max-Age=-5")->max_age, -5);
}

TEST(CookieManager, DomainRulesDecideWhoGetsTheCookie) {
  struct Row {
    const char* field;
    const char* set_by;
    const char* asked_by;
    bool stored;
    bool sent;
    const char* why;
  } rows[] = {
      {"a=1", "pics.example.com", "pics.example.com", true, true, "host-only to its own host"},
      {"a=1", "pics.example.com", "sub.pics.example.com", true, false, "host-only not to a subdomain"},
      {"a=1", "Pics.Example.com", "pics.example.com", true, true, "host compared without letter case"},
      {"a=1; Domain=example.com", "pics.example.com", "www.example.com", true, true, "domain cookie to a sibling"},
      {"a=1; Domain=.example.com", "pics.example.com", "example.com", true, true, "domain itself"},
      {"a=1; Domain=example.com", "pics.example.com", "badexample.com", true, false, "suffix without a dot"},
      {"a=1; Domain=other.com", "pics.example.com", "other.com", false, false, "foreign domain rejected"},
      {"a=1; Domain=0.0.1", "127.0.0.1", "127.0.0.1", false, false, "no domain match on IP addresses"},
      {"a=1; Domain=127.0.0.1", "127.0.0.1", "127.0.0.1", true, true, "an IP equal to the domain"},
  };
  for (const Row& row : rows) {
    TCookieManager store;
    EXPECT_EQ(store.AddServerCookie(row.field, At(row.set_by, "/"), kNow), row.stored) << row.why;
    EXPECT_EQ(store.CookieHeader(At(row.asked_by, "/"), kNow), row.sent ? "a=1" : "") << row.why;
  }
}

TEST(CookieManager, PathRulesAndDefaultPath) {
  struct Row {
    const char* field;
    const char* set_path;
    const char* request_path;
    bool sent;
    const char* why;
  } rows[] = {
      {"a=1; Path=/api", "/", "/api", true, "equal path"},
      {"a=1; Path=/api", "/", "/api/videos.json", true, "next character is /"},
      {"a=1; Path=/api", "/", "/apis", false, "a prefix that is not a segment"},
      {"a=1; Path=/api/", "/", "/api/x", true, "cookie path ending in /"},
      {"a=1", "/api/v1/", "/api/v1/list", true, "default path of /api/v1/ is /api/v1"},
      {"a=1", "/api/v1/", "/api/other", false, "default path excludes siblings"},
      {"a=1", "/", "/anything/at/all", true, "default path at the root is /"},
  };
  for (const Row& row : rows) {
    TCookieManager store;
    store.AddServerCookie(row.field, At("h", row.set_path), kNow);
    const TCookieUrl request{"http", "h", "/", row.request_path};
    EXPECT_EQ(store.CookieHeader(request, kNow), row.sent ? "a=1" : "") << row.why;
  }
}

TEST(CookieManager, ExpiryAndReplacement) {
  TCookieManager store;
  const TCookieUrl url = At("h", "/");
  store.AddServerCookie("gone=1; Max-Age=0", url, kNow);
  store.AddServerCookie("old=1; Expires=Thu, 01 Jan 1994 00:00:00 GMT", url, kNow);
  store.AddServerCookie("maxage=1; Max-Age=60; Expires=Thu, 01 Jan 1994 00:00:00 GMT", url, kNow);
  store.AddServerCookie("session=1", url, kNow);
  EXPECT_EQ(store.CookieHeader(url, kNow), "maxage=1; session=1") << "Max-Age wins over Expires";
  EXPECT_EQ(store.CookieHeader(url, kNow + seconds(61)), "session=1") << "expired after its Max-Age";
  EXPECT_EQ(store.Cookies().size(), 1u) << "expired cookies are removed";
  EXPECT_EQ(store.Cookies()[0].expiry, CookieTimeMaximum());
  EXPECT_FALSE(store.Cookies()[0].persistent);

  store.AddServerCookie("session=2", url, kNow);
  EXPECT_EQ(store.CookieHeader(url, kNow), "session=2") << "same name, domain and path replaces";
  store.AddServerCookie("session=3; Path=/x", url, kNow);
  EXPECT_EQ(store.Cookies().size(), 2u) << "another path is another cookie";
  store.AddServerCookie("session=; Max-Age=0", url, kNow);
  EXPECT_EQ(store.CookieHeader(At("h", "/x/"), kNow), "session=3") << "an expired replacement deletes";
}

TEST(CookieManager, OrderLongerPathFirstThenOlderFirst) {
  TCookieManager store;
  const TCookieUrl url = At("h", "/a/b/", "c");
  store.AddServerCookie("root=1; Path=/", url, kNow);
  store.AddServerCookie("first=1", url, kNow + seconds(1));
  store.AddServerCookie("deep=1; Path=/a/b/c", url, kNow + seconds(2));
  store.AddServerCookie("second=1", url, kNow + seconds(1));
  store.AddServerCookie("first=2", url, kNow + seconds(3));
  EXPECT_EQ(store.CookieHeader(url, kNow + seconds(4)), "deep=1; first=2; second=1; root=1")
      << "by path length, then by creation (a replacement keeps its creation)";
}

TEST(CookieManager, SecureAndHttpOnly) {
  TCookieManager store;
  store.AddServerCookie("s=1; Secure", At("h", "/"), kNow);
  store.AddServerCookie("o=1; HttpOnly", At("h", "/"), kNow);
  EXPECT_EQ(store.CookieHeader(At("h", "/"), kNow), "o=1") << "secure cookies only over https";
  EXPECT_EQ(store.CookieHeader(At("h", "/", "", "https"), kNow), "s=1; o=1");
  EXPECT_EQ(store.CookieHeader(At("h", "/", "", "ftp"), kNow), "") << "http-only only over http(s)";
}

}  // namespace
}  // namespace vorlan::http
