#pragma once

#include <string>
#include <string_view>

// A URL split into the parts the client works with.
namespace vorlan::http {

struct TUri {
  std::u16string protocol;
  std::u16string username;
  std::u16string password;
  std::u16string host;
  std::u16string port;
  std::u16string path;      // ends with "/" once a URL has been parsed with one
  std::u16string document;  // after the last "/" of the path
  std::u16string params;    // the query, without "?"
  std::u16string bookmark;  // the fragment, without "#"
  bool ipv6 = false;        // the host was written in brackets

  static TUri Parse(std::u16string_view url);

  bool operator==(const TUri&) const = default;
};

// `relative` (a path ending in "/" or empty) resolved against `base` (a path
// ending in "/"), with "./" and "../" steps applied.
std::u16string ResolveRelativePath(std::u16string_view base, std::u16string_view relative);

}  // namespace vorlan::http
