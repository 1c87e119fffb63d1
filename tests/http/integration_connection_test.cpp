#include <string>
#include <vector>

#include "http/integration_services.h"

namespace vorlan::http::integration {
namespace {

// "/test/connection" answers "SERIAL REQUESTS": the server's number of the
// connection and how many requests it has served.
struct ConnectionUse {
  std::string serial;
  int requests = 0;
};

ConnectionUse AskConnection(THttpClient& client, std::u16string_view base) {
  const std::string text = platform::Utf16ToUtf8(client.Get(std::u16string(base) + u"/test/connection"));
  const size_t space = text.find(' ');
  if (space == std::string::npos) return {text, -1};
  return {text.substr(0, space), std::stoi(text.substr(space + 1))};
}

// The expected large body: line i is i zero-padded to six digits.
std::string NumberedLines(int count) {
  std::string text;
  text.reserve(static_cast<size_t>(count) * 7);
  char line[16];
  for (int i = 0; i < count; ++i) {
    std::snprintf(line, sizeof line, "%06d\n", i);
    text += line;
  }
  return text;
}

using IntegrationConnection = ServicesTest;

TEST_F(IntegrationConnection, KeepAliveReusesTheConnection) {
  THttpClient client;
  const ConnectionUse first = AskConnection(client, kCatalogue);
  EXPECT_TRUE(client.HasOpenConnection());
  const ConnectionUse second = AskConnection(client, kCatalogue);
  const ConnectionUse third = AskConnection(client, kCatalogue);
  EXPECT_EQ(second.serial, first.serial);
  EXPECT_EQ(third.serial, first.serial);
  EXPECT_EQ(second.requests, first.requests + 1);
  EXPECT_EQ(third.requests, first.requests + 2);
}

TEST_F(IntegrationConnection, AnotherPortGetsAnotherConnection) {
  THttpClient client;
  const ConnectionUse catalogue = AskConnection(client, kCatalogue);
  const ConnectionUse pictures = AskConnection(client, kPictures);
  EXPECT_EQ(pictures.requests, 1) << "a fresh connection to the second port";
  const ConnectionUse back = AskConnection(client, kCatalogue);
  EXPECT_NE(back.serial, catalogue.serial) << "the client keeps one connection, so going back reconnects";
  EXPECT_EQ(back.requests, 1);
}

TEST_F(IntegrationConnection, LargeBodiesArriveWhole) {
  const std::string expected = NumberedLines(1000000);
  THttpClient client;
  for (const char16_t* path : {u"/test/large/7m.txt", u"/test/chunked/7m.txt"}) {
    std::vector<uint8_t> body;
    client.Get(std::u16string(kCatalogue) + path, body);
    ASSERT_EQ(body.size(), expected.size()) << platform::Utf16ToUtf8(path);
    EXPECT_TRUE(std::equal(body.begin(), body.end(), expected.begin())) << platform::Utf16ToUtf8(path);
  }
  EXPECT_FALSE(client.Response().transfer_encoding.empty()) << "the second body was chunked";
  // Both bodies were read to their ends: the connection is still in step.
  const ConnectionUse after = AskConnection(client, kCatalogue);
  EXPECT_EQ(after.requests, 3);
}

TEST_F(IntegrationConnection, LargeBodyAsText) {
  THttpClient client;
  const std::u16string text = client.Get(std::u16string(kCatalogue) + u"/test/chunked/7m.txt");
  ASSERT_EQ(text.size(), 7000000u);
  EXPECT_EQ(text.substr(0, 14), u"000000\n000001\n");
  EXPECT_EQ(text.substr(text.size() - 7), u"999999\n");
}

TEST_F(IntegrationConnection, StreamFormAppendsToTheCallersBytes) {
  THttpClient client;
  std::vector<uint8_t> stream = {'x', 'y'};
  client.Get(std::u16string(kCatalogue) + u"/api/videos.json?kinopoisk_id=1&api_token=" + kCatalogueToken, stream);
  EXPECT_EQ(std::string(stream.begin(), stream.end()), "xy[]");
}

}  // namespace
}  // namespace vorlan::http::integration
