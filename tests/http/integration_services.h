#pragma once

#include <gtest/gtest.h>

#include <string>

#include "http/http_client.h"

// The integration tests talk to the local stand-in services (nginx, started by
// scripts/services around the test run). When they are not reachable every
// test fails with one clear message instead of a socket error.
namespace vorlan::http::integration {

inline constexpr char16_t kCatalogue[] = u"http://127.0.0.1:18081";
inline constexpr char16_t kPictures[] = u"http://127.0.0.1:18082";
inline constexpr char16_t kPortal[] = u"http://127.0.0.1:18083";
inline constexpr char16_t kFilmDatabase[] = u"http://127.0.0.1:18084";
inline constexpr char16_t kCatalogueToken[] = u"3f9a0c7d2e6b41a8950d7c3e1b2f4a6d";

// Empty when the services answer, else why not.
inline const std::string& ServicesProblem() {
  static const std::string problem = [] {
    for (const char16_t* base : {kCatalogue, kPictures, kPortal, kFilmDatabase}) {
      try {
        THttpClient client;
        client.Get(std::u16string(base) + u"/test/connection");
      } catch (const std::exception& error) {
        return "the local stand-in services do not answer at " + platform::Utf16ToUtf8(base) + " (" + error.what() +
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
