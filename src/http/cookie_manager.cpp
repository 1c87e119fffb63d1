#include "http/cookie_manager.h"

#include <algorithm>

#include "platform/ascii.h"

namespace vorlan::http {

using platform::AsciiLowerCopy;
using platform::EqualsIgnoreCase;
namespace {

bool IsIpAddress(std::string_view host) {
  if (host.find(':') != std::string_view::npos) return true;
  return !host.empty() && host.find_first_not_of("0123456789.") == std::string_view::npos;
}

// The request's path up to (not including) its last "/"; "/" when nothing
// is left.
std::string DefaultPath(std::string_view path) {
  const size_t last_slash = path.rfind('/');
  if (last_slash == std::string_view::npos || last_slash == 0) return "/";
  return std::string(path.substr(0, last_slash));
}

TCookieTime ExpiryOf(const TSetCookie& parsed, TCookieTime now) {
  if (parsed.max_age) {
    if (*parsed.max_age <= 0) return CookieTimeMinimum();
    const int64_t seconds_left = (CookieTimeMaximum() - now).count() / 1000;
    if (*parsed.max_age >= seconds_left) return CookieTimeMaximum();
    return now + std::chrono::seconds(*parsed.max_age);
  }
  if (parsed.expires) return std::min(*parsed.expires, CookieTimeMaximum());
  return CookieTimeMaximum();
}

bool SameCookie(const TCookie& a, const TCookie& b) {
  return a.name == b.name && a.domain == b.domain && a.path == b.path;
}

}  // namespace

bool DomainMatches(std::string_view host, std::string_view domain) {
  if (EqualsIgnoreCase(host, domain)) return true;
  if (domain.empty() || host.size() <= domain.size() + 1 || IsIpAddress(host)) return false;
  const std::string_view tail = host.substr(host.size() - domain.size());
  return host[host.size() - domain.size() - 1] == '.' && EqualsIgnoreCase(tail, domain);
}

bool PathMatches(std::string_view request_path, std::string_view cookie_path) {
  if (request_path == cookie_path) return true;
  if (cookie_path.empty() || !request_path.starts_with(cookie_path)) return false;
  return cookie_path.back() == '/' || request_path[cookie_path.size()] == '/';
}

bool TCookieManager::AddServerCookie(std::string_view field, const TCookieUrl& url, TCookieTime now) {
  const std::optional<TSetCookie> parsed = ParseSetCookie(field);
  if (!parsed) return false;
  const std::string host = AsciiLowerCopy(url.host);
  TCookie cookie;
  cookie.name = parsed->name;
  cookie.value = parsed->value;
  if (parsed->domain && !parsed->domain->empty()) {
    if (!DomainMatches(host, *parsed->domain)) return false;
    cookie.domain = *parsed->domain;
    cookie.host_only = false;
  } else {
    cookie.domain = host;
  }
  cookie.path = parsed->path.value_or(DefaultPath(url.path));
  cookie.secure = parsed->secure;
  cookie.http_only = parsed->http_only;
  cookie.persistent = parsed->max_age.has_value() || parsed->expires.has_value();
  cookie.expiry = ExpiryOf(*parsed, now);
  cookie.creation = now;
  cookie.last_access = now;
  const auto old =
      std::find_if(cookies_.begin(), cookies_.end(), [&](const TCookie& c) { return SameCookie(c, cookie); });
  if (old != cookies_.end()) {
    // A replacement keeps its place in the sending order.
    cookie.creation = old->creation;
    cookie.creation_order = old->creation_order;
    *old = std::move(cookie);
  } else {
    cookie.creation_order = next_order_++;
    cookies_.push_back(std::move(cookie));
  }
  return true;
}

std::string TCookieManager::CookieHeader(const TCookieUrl& url, TCookieTime now) {
  std::erase_if(cookies_, [now](const TCookie& c) { return c.expiry <= now; });
  const bool secure_protocol = EqualsIgnoreCase(url.protocol, "https");
  const bool http_protocol = secure_protocol || EqualsIgnoreCase(url.protocol, "http");
  std::vector<TCookie*> matching;
  for (TCookie& cookie : cookies_) {
    const bool host_ok =
        cookie.host_only ? EqualsIgnoreCase(url.host, cookie.domain) : DomainMatches(url.host, cookie.domain);
    if (!host_ok || !PathMatches(url.request_path, cookie.path)) continue;
    if (cookie.secure && !secure_protocol) continue;
    if (cookie.http_only && !http_protocol) continue;
    matching.push_back(&cookie);
  }
  std::sort(matching.begin(), matching.end(), [](const TCookie* a, const TCookie* b) {
    if (a->path.size() != b->path.size()) return a->path.size() > b->path.size();
    if (a->creation != b->creation) return a->creation < b->creation;
    return a->creation_order < b->creation_order;
  });
  std::string header;
  for (TCookie* cookie : matching) {
    if (!header.empty()) header += "; ";
    header += cookie->name;
    header += '=';
    header += cookie->value;
    cookie->last_access = now;
  }
  return header;
}

}  // namespace vorlan::http
