#include <string>

#include "http/integration_services.h"

namespace vorlan::http::integration {
namespace {

std::string EchoedCookies(THttpClient& client, std::u16string_view base) {
  return platform::Utf16ToUtf8(client.Get(std::u16string(base) + u"/test/cookies/echo"));
}

using IntegrationCookies = ServicesTest;

TEST_F(IntegrationCookies, ServerCookiesGoBackToTheSameHost) {
  THttpClient client;
  EXPECT_EQ(EchoedCookies(client, kCatalogue), "") << "a new client sends no cookies";
  client.Get(std::u16string(kCatalogue) + u"/test/cookies/set");
  // The longer path first; the cookie with Max-Age=0 was never kept.
  EXPECT_EQ(EchoedCookies(client, kCatalogue), "session=abc123; theme=dark");
  EXPECT_EQ(EchoedCookies(client, kPictures), "session=abc123; theme=dark") << "cookies do not depend on the port";
}

TEST_F(IntegrationCookies, CookiesStayWithTheirHost) {
  THttpClient client;
  client.Get(std::u16string(kCatalogue) + u"/test/cookies/set");
  EXPECT_EQ(EchoedCookies(client, CatalogueOnLocalhost()), "") << "host-only cookies of 127.0.0.1";
  THttpClient other;
  EXPECT_EQ(EchoedCookies(other, kCatalogue), "") << "each client has its own store";
}

}  // namespace
}  // namespace vorlan::http::integration
