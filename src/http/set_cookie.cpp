#include "http/cookie_manager.h"
#include "platform/ascii.h"

namespace vorlan::http {

using platform::AsciiLowerCopy;
using platform::EqualsIgnoreCase;
using platform::ParseDecimal;
namespace {

// RFC 6265's whitespace around names and values: spaces and tabs.
std::string_view TrimWsp(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::optional<int64_t> ParseMaxAge(std::string_view value) {
  if (value.empty()) return std::nullopt;
  const bool negative = value.front() == '-';
  if (negative) value.remove_prefix(1);
  if (value.empty()) return std::nullopt;
  for (char c : value) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  // Too many digits for 64 bits still means "a very long time" (or expired).
  const std::optional<int64_t> number = ParseDecimal(value);
  const int64_t magnitude = number.value_or(std::numeric_limits<int64_t>::max());
  return negative ? -magnitude : magnitude;
}

void ApplyAttribute(std::string_view name, std::string_view value, TSetCookie& cookie) {
  if (EqualsIgnoreCase(name, "Expires")) {
    if (std::optional<TCookieTime> date = ParseCookieDate(value)) cookie.expires = date;
  } else if (EqualsIgnoreCase(name, "Max-Age")) {
    if (std::optional<int64_t> seconds = ParseMaxAge(value)) cookie.max_age = seconds;
  } else if (EqualsIgnoreCase(name, "Domain")) {
    if (value.empty()) return;
    if (value.front() == '.') value.remove_prefix(1);
    value = value.substr(0, value.find(':'));
    cookie.domain = AsciiLowerCopy(value);
  } else if (EqualsIgnoreCase(name, "Path")) {
    if (!value.empty() && value.front() == '/') {
      cookie.path = std::string(value);
    } else {
      cookie.path.reset();
    }
  } else if (EqualsIgnoreCase(name, "Secure")) {
    cookie.secure = true;
  } else if (EqualsIgnoreCase(name, "HttpOnly")) {
    cookie.http_only = true;
  }
}

}  // namespace

std::optional<TSetCookie> ParseSetCookie(std::string_view field) {
  const size_t semicolon = field.find(';');
  const std::string_view pair = field.substr(0, semicolon);
  const size_t equals = pair.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  TSetCookie cookie;
  cookie.name = TrimWsp(pair.substr(0, equals));
  cookie.value = TrimWsp(pair.substr(equals + 1));
  if (cookie.name.empty()) return std::nullopt;
  std::string_view attributes = semicolon == std::string_view::npos ? std::string_view() : field.substr(semicolon);
  while (!attributes.empty()) {
    attributes.remove_prefix(1);  // the ";"
    const size_t end = attributes.find(';');
    const std::string_view attribute = attributes.substr(0, end);
    attributes = end == std::string_view::npos ? std::string_view() : attributes.substr(end);
    const size_t attribute_equals = attribute.find('=');
    const std::string_view name = TrimWsp(attribute.substr(0, attribute_equals));
    const std::string_view value = attribute_equals == std::string_view::npos
                                       ? std::string_view()
                                       : TrimWsp(attribute.substr(attribute_equals + 1));
    ApplyAttribute(name, value, cookie);
  }
  return cookie;
}

}  // namespace vorlan::http
