#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "http/cookie_date.h"

// The client's cookie store: cookies received in Set-Cookie fields, sent back
// to the hosts and paths they belong to.
namespace vorlan::http {

struct TCookie {
  std::string name;
  std::string value;
  std::string domain;
  bool host_only = true;
  std::string path;
  bool secure = false;
  bool http_only = false;
  bool persistent = false;
  TCookieTime expiry;
  TCookieTime creation;
  TCookieTime last_access;
  uint64_t creation_order = 0;  // breaks ties between equal creation times
};

// One Set-Cookie field, parsed (attributes that occur again: the last wins).
struct TSetCookie {
  std::string name;
  std::string value;
  std::optional<TCookieTime> expires;
  std::optional<int64_t> max_age;  // seconds
  std::optional<std::string> domain;
  std::optional<std::string> path;
  bool secure = false;
  bool http_only = false;
};

// nullopt for a field that gives no cookie (no "=" in its first pair, or an
// empty name).
std::optional<TSetCookie> ParseSetCookie(std::string_view field);

// The request's host is the domain or ends in "." + domain, and is no IP address.
bool DomainMatches(std::string_view host, std::string_view domain);
bool PathMatches(std::string_view request_path, std::string_view cookie_path);

// Where a request goes, as the cookie rules see it.
struct TCookieUrl {
  std::string protocol;      // "http", "https", ...
  std::string host;          // letter case ignored
  std::string path;          // the path (ending in "/")
  std::string request_path;  // the path and the document
};

class TCookieManager {
 public:
  // Stores the cookie of one Set-Cookie field received for `url`; false when
  // the field gives no cookie or the cookie is rejected.
  bool AddServerCookie(std::string_view field, const TCookieUrl& url, TCookieTime now);
  // Drops expired cookies, then gives the Cookie field's value for `url`
  // (empty when none matches) and marks the sent cookies accessed.
  std::string CookieHeader(const TCookieUrl& url, TCookieTime now);

  const std::vector<TCookie>& Cookies() const { return cookies_; }

 private:
  std::vector<TCookie> cookies_;
  uint64_t next_order_ = 0;
};

}  // namespace vorlan::http
