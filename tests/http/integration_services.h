#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "http/http_client.h"
#include "platform/text.h"

// The integration tests talk to the local stand-in services (nginx, started by
// scripts/with-services around the test run on free ports, which it hands over
// in VORLAN_*_ADDRESS; without them the fixed ports of `scripts/services start`).
// When they are not reachable every test fails with one clear message instead
// of a socket error.
namespace vorlan::http::integration {

// "127.0.0.1:PORT" of one service.
inline std::u16string ServiceAddress(const char* variable, const char* fixed) {
  const char* value = std::getenv(variable);
  return platform::Utf8ToUtf16(value != nullptr && *value != '\0' ? value : fixed);
}

inline const std::u16string kCatalogueAddress = ServiceAddress("VORLAN_CATALOGUE_ADDRESS", "127.0.0.1:18081");
inline const std::u16string kCatalogue = u"http://" + kCatalogueAddress;
inline const std::u16string kPictures = u"http://" + ServiceAddress("VORLAN_PICTURES_ADDRESS", "127.0.0.1:18082");
inline const std::u16string kPortal = u"http://" + ServiceAddress("VORLAN_PORTAL_ADDRESS", "127.0.0.1:18083");
inline const std::u16string kFilmDatabase = u"http://" + ServiceAddress("VORLAN_FILMDB_ADDRESS", "127.0.0.1:18084");
inline constexpr char16_t kCatalogueToken[] = u"3f9a0c7d2e6b41a8950d7c3e1b2f4a6d";

// The catalogue under the name localhost: another host on the same port.
inline std::u16string CatalogueOnLocalhost() {
  return u"http://localhost" + kCatalogueAddress.substr(kCatalogueAddress.rfind(u':'));
}

// Empty when the services answer, else why not.
inline const std::string& ServicesProblem() {
  static const std::string problem = [] {
    for (const std::u16string* base : {&kCatalogue, &kPictures, &kPortal, &kFilmDatabase}) {
      try {
        THttpClient client;
        client.Get(*base + u"/test/connection");
      } catch (const std::exception& error) {
        return "the local stand-in services do not answer at " + platform::Utf16ToUtf8(*base) + " (" + error.what() +
               "); run the tests through scripts/with-services or start them with " + "scripts/services start";
      }
    }
    return std::string();
  }();
  return problem;
}

class ServicesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!ServicesProblem().empty()) FAIL() << ServicesProblem();
  }
};

}  // namespace vorlan::http::integration
