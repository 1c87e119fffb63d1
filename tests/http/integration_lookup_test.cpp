#include <initializer_list>
#include <string>
#include <vector>

#include "http/http_errors.h"
#include "http/integration_services.h"

namespace vorlan::http::integration {
namespace {

std::u16string CatalogueUrl(std::u16string_view number, std::u16string_view token = kCatalogueToken) {
  return std::u16string(kCatalogue) + u"/api/videos.json?kinopoisk_id=" + std::u16string(number) + u"&api_token=" +
         std::u16string(token);
}

using IntegrationLookup = ServicesTest;

TEST_F(IntegrationLookup, CatalogueAnswerIsDecodedAsCyrillicText) {
  THttpClient client;
  const std::u16string text = client.Get(CatalogueUrl(u"306084"));
  EXPECT_EQ(client.Response().content_type, "application/json");
  EXPECT_EQ(client.Response().charset, "utf-8");
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.front(), u'[');
  EXPECT_EQ(text.back(), u']');
  for (const std::u16string& expected : std::initializer_list<std::u16string>{
           u"\"title_ru\":\"Теория Большого взрыва\"", u"\"translator\":\"Кураж-Бамбей\"",
           u"\"translator\":\"Субтитры\"", u"\"title_en\":\"The Big Bang Theory\"",
           u"\"iframe_url\":\"" + kCatalogue + u"/serial/"}) {
    EXPECT_NE(text.find(expected), std::u16string::npos) << platform::Utf16ToUtf8(expected);
  }
}

TEST_F(IntegrationLookup, UnknownNumbersGiveAnEmptyArray) {
  THttpClient client;
  for (const std::u16string_view number : {u"1", u"", u"abc", u"999999999"}) {
    EXPECT_EQ(client.Get(CatalogueUrl(number)), u"[]") << platform::Utf16ToUtf8(number);
  }
}

TEST_F(IntegrationLookup, WrongTokenFailsWithTheStatusLine) {
  THttpClient client;
  try {
    client.Get(CatalogueUrl(u"306084", u"00000000000000000000000000000000"));
    FAIL() << "a wrong token was accepted";
  } catch (const EHttpProtocolException& error) {
    EXPECT_STREQ(error.what(), "HTTP/1.1 403 Forbidden");
    EXPECT_EQ(error.ErrorCode(), 403);
    EXPECT_NE(error.ErrorMessage().find(u"403 Forbidden"), std::u16string::npos);
  }
  // The error body was read, so the same client goes on.
  EXPECT_EQ(client.Get(CatalogueUrl(u"1")), u"[]");
}

TEST_F(IntegrationLookup, PlayerPageOfAnEntryShowsItsTitle) {
  THttpClient client;
  const std::u16string catalogue = client.Get(CatalogueUrl(u"464963"));
  const std::u16string marker = u"\"iframe_url\":\"";
  const size_t start = catalogue.find(marker);
  ASSERT_NE(start, std::u16string::npos);
  const size_t end = catalogue.find(u'"', start + marker.size());
  const std::u16string player_url = catalogue.substr(start + marker.size(), end - start - marker.size());
  const std::u16string page = client.Get(player_url);
  EXPECT_NE(page.find(u"<h2>Игра престолов</h2>"), std::u16string::npos);
  EXPECT_EQ(client.Response().charset, "utf-8");
}

struct CharsetRow {
  const char16_t* path;
  const char16_t* text;
  const char* why;
};

TEST_F(IntegrationLookup, BodiesAreDecodedByTheirCharset) {
  const CharsetRow rows[] = {
      {u"/test/charset/koi8r.txt", u"Привет из KOI8-R\n", "charset in the header"},
      {u"/test/charset/cp1251.html",
       u"<html><head><title>Страница</title><meta charset=\"windows-1251\"></head><body>Привет из "
       u"windows-1251</body></html>\n",
       "charset only in a meta element"},
      {u"/test/charset/latin1.txt", u"Grüße aus Latin-1\n", "text without charset is ISO-8859-1"},
  };
  THttpClient client;
  for (const CharsetRow& row : rows) {
    EXPECT_EQ(platform::Utf16ToUtf8(client.Get(std::u16string(kPortal) + row.path)), platform::Utf16ToUtf8(row.text))
        << row.why;
  }
}

TEST_F(IntegrationLookup, PortalAndFilmDatabasePages) {
  THttpClient client;
  EXPECT_NE(client.Get(std::u16string(kPortal) + u"/").find(u"Портал Ворланыча"), std::u16string::npos);
  for (const char16_t* sheet : {u"/templates/vorlantv/css/bootstrap.css", u"/templates/vorlantv/css/vorlan6.css"}) {
    EXPECT_NE(client.Get(std::u16string(kPortal) + sheet).find(u".embed-responsive"), std::u16string::npos)
        << platform::Utf16ToUtf8(sheet);
    EXPECT_EQ(client.Response().content_type, "text/css");
  }
  EXPECT_NE(client.Get(std::u16string(kFilmDatabase) + u"/").find(u"Кинопоиск"), std::u16string::npos);
}

TEST_F(IntegrationLookup, PictureServiceAnswersJpegPictures) {
  THttpClient client;
  for (int i = 0; i < 3; ++i) {
    std::vector<uint8_t> picture;
    client.Get(std::u16string(kPictures) + u"/400/200/nature/", picture);
    EXPECT_EQ(client.Response().content_type, "image/jpeg");
    ASSERT_GT(picture.size(), 1000u);
    EXPECT_EQ(picture[0], 0xFF);
    EXPECT_EQ(picture[1], 0xD8);
    EXPECT_EQ(picture[picture.size() - 2], 0xFF);
    EXPECT_EQ(picture[picture.size() - 1], 0xD9);
  }
}

}  // namespace
}  // namespace vorlan::http::integration
