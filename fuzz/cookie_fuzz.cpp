// Set-Cookie fields and dates into a store, then the Cookie field back.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "http/cookie_manager.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  vorlan::http::ParseCookieDate(input);
  vorlan::http::TCookieManager store;
  const vorlan::http::TCookieUrl url{"http", "www.example.com", "/a/b/", "/a/b/c"};
  const vorlan::http::TCookieTime now = vorlan::http::CookieTimeFromCivil(2024, 1, 1, 0, 0, 0);
  size_t start = 0;
  while (start <= input.size()) {
    const size_t end = std::min(input.find('\n', start), input.size());
    store.AddServerCookie(input.substr(start, end - start), url, now);
    start = end + 1;
  }
  const std::string header = store.CookieHeader(url, now);
  for (const auto& cookie : store.Cookies()) {
    if (cookie.name.empty() || cookie.path.empty() || cookie.path.front() != '/') std::abort();
  }
  (void)header;
  return 0;
}
