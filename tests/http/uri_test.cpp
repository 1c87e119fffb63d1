#include "http/uri.h"

#include <gtest/gtest.h>

namespace vorlan::http {
namespace {

struct UriRow {
  std::u16string url;
  TUri expected;
  const char* why;
};

TUri Make(std::u16string protocol, std::u16string host, std::u16string port, std::u16string path,
          std::u16string document, std::u16string params = u"", std::u16string bookmark = u"") {
  TUri uri;
  uri.protocol = std::move(protocol);
  uri.host = std::move(host);
  uri.port = std::move(port);
  uri.path = std::move(path);
  uri.document = std::move(document);
  uri.params = std::move(params);
  uri.bookmark = std::move(bookmark);
  return uri;
}

TUri WithUser(TUri uri, std::u16string user, std::u16string password) {
  uri.username = std::move(user);
  uri.password = std::move(password);
  return uri;
}

TUri AsIPv6(TUri uri) {
  uri.ipv6 = true;
  return uri;
}

TEST(UriParse, SplitsEveryPart) {
  const UriRow rows[] = {
      {u"http://h.example/api/videos.json?kinopoisk_id=1&api_token=x",
       Make(u"http", u"h.example", u"", u"/api/", u"videos.json", u"kinopoisk_id=1&api_token=x"), "plain URL"},
      {u"http://h:8080/400/200/nature/", Make(u"http", u"h", u"8080", u"/400/200/nature/", u""), "port, no document"},
      {u"http://h", Make(u"http", u"h", u"", u"/", u""), "no path at all gives /"},
      {u"http://h/doc", Make(u"http", u"h", u"", u"/", u"doc"), "document right under the root"},
      {u"http:\\\\h\\a\\b.txt?x=\\y", Make(u"http", u"h", u"", u"/a/", u"b.txt", u"x=\\y"),
       "backslashes become slashes before the query only"},
      {u"http://h/a/b.html#top", Make(u"http", u"h", u"", u"/a/", u"b.html", u"", u"top"),
       "bookmark cut from the document"},
      {u"http://h/a?q=1#2", Make(u"http", u"h", u"", u"/", u"a", u"q=1#2"), "a # inside the query stays there"},
      {u"http://h/a?q=1 2", Make(u"http", u"h", u"", u"/", u"a", u"q=1 2"), "spaces are kept"},
      {u"http://u:p@h/", WithUser(Make(u"http", u"h", u"", u"/", u""), u"u", u"p"), "user information"},
      {u"http://:p@h/", Make(u"http", u"h", u"", u"/", u""), "a password without a user name is dropped"},
      {u"http://a@b@h:81/", WithUser(Make(u"http", u"h", u"81", u"/", u""), u"a@b", u""),
       "the last @ ends the user part"},
      {u"http://[::1]:8080/x", AsIPv6(Make(u"http", u"::1", u"8080", u"/", u"x")), "bracketed IPv6 host"},
      {u"http://[fe80::1]/", AsIPv6(Make(u"http", u"fe80::1", u"", u"/", u"")), "IPv6 without port"},
      {u"HTTPS://H/", Make(u"HTTPS", u"H", u"", u"/", u""), "letter case is kept"},
      {u"/a/b/c.json?z", Make(u"", u"", u"", u"/a/b/", u"c.json", u"z"), "absolute path without scheme"},
      {u"../up/x", Make(u"", u"", u"", u"../up/", u"x"), "relative path"},
      {u"page.html", Make(u"", u"", u"", u"", u"page.html"), "a bare document has no path"},
      {u"a\\b\\c", Make(u"", u"", u"", u"a/b/", u"c"), "backslashes in a bare path"},
  };
  for (const UriRow& row : rows) {
    EXPECT_EQ(TUri::Parse(row.url), row.expected) << row.why;
  }
}

TEST(UriParse, RelativePathsResolveAgainstTheBase) {
  struct Row {
    std::u16string base, relative, expected;
    const char* why;
  } rows[] = {
      {u"/a/b/", u"", u"/a/b/", "empty stays"},
      {u"/a/b/", u"c/", u"/a/b/c/", "appended"},
      {u"/a/b/", u"./c/", u"/a/b/c/", "dot step"},
      {u"/a/b/", u"../c/", u"/a/c/", "dot-dot step"},
      {u"/a/", u"../../../", u"/", "cannot climb above the root"},
      {u"/", u"x/./y/../", u"/x/", "mixed steps"},
  };
  for (const Row& row : rows) EXPECT_EQ(ResolveRelativePath(row.base, row.relative), row.expected) << row.why;
}

}  // namespace
}  // namespace vorlan::http
