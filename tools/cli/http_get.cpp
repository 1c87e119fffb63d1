#include "cli/http_get.h"

#include "http/http_client.h"

namespace vorlan::cli {

std::u16string HttpGetText(std::u16string_view url) {
  // One client for the process, as the program has one on its window.
  static http::THttpClient client;
  return client.Get(url);
}

}  // namespace vorlan::cli
