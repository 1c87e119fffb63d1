#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "http/charset.h"

// The code pages a Russian or European server is likely to name must decode
// the same on every system the program runs on (iconv here, the Windows
// converter there).
namespace vorlan::http {
namespace {

struct TellingByteRow {
  const char* charset;
  unsigned char byte;
  char16_t character;
};

TEST(CodePages, TellingBytes) {
  const TellingByteRow rows[] = {
      {"windows-1251", 0xC0, u'А'}, {"windows-1251", 0xFF, u'я'}, {"windows-1251", 0xA8, u'Ё'},
      {"windows-1251", 0xB8, u'ё'}, {"windows-1251", 0x88, u'€'}, {"windows-1251", 0xB9, u'№'},
      {"KOI8-R", 0xE1, u'А'},       {"KOI8-R", 0xC1, u'а'},       {"KOI8-R", 0xB3, u'Ё'},
      {"KOI8-R", 0xA3, u'ё'},       {"KOI8-R", 0x9A, u'\u00A0'},  {"KOI8-U", 0xB4, u'Є'},
      {"KOI8-U", 0xA6, u'і'},       {"IBM866", 0x80, u'А'},       {"IBM866", 0xEF, u'я'},
      {"IBM866", 0xF0, u'Ё'},       {"IBM866", 0xB0, u'░'},       {"windows-1252", 0x80, u'€'},
      {"windows-1252", 0x9F, u'Ÿ'}, {"windows-1252", 0xE9, u'é'}, {"windows-1250", 0x8A, u'Š'},
      {"windows-1250", 0xB9, u'ą'}, {"ISO-8859-2", 0xA1, u'Ą'},   {"ISO-8859-2", 0xB1, u'ą'},
      {"ISO-8859-5", 0xB0, u'А'},   {"ISO-8859-5", 0xF0, u'№'},   {"ISO-8859-15", 0xA4, u'€'},
      {"ISO-8859-15", 0xBC, u'Œ'},  {"IBM437", 0x82, u'é'},       {"IBM437", 0xDB, u'█'},
      {"IBM850", 0x9B, u'ø'},       {"IBM852", 0xA5, u'ą'},       {"windows-1254", 0xD0, u'Ğ'},
      {"ISO-8859-9", 0xFD, u'ı'},   {"windows-1256", 0xC7, u'ا'}, {"ISO-8859-13", 0xDE, u'Ž'},
  };
  for (const TellingByteRow& row : rows) {
    const std::u16string text = DecodeText(std::string(1, static_cast<char>(row.byte)), row.charset);
    ASSERT_EQ(text.size(), 1u) << row.charset;
    EXPECT_EQ(static_cast<unsigned>(text[0]), static_cast<unsigned>(row.character))
        << row.charset << " byte " << static_cast<unsigned>(row.byte);
  }
}

uint64_t Fnv1a(std::u16string_view text) {
  uint64_t hash = 0xcbf29ce484222325ULL;
  for (const char16_t unit : text) {
    for (const unsigned byte : {unit & 0xFFu, static_cast<unsigned>(unit) >> 8}) {
      hash = (hash ^ byte) * 0x100000001b3ULL;
    }
  }
  return hash;
}

struct WholeTableRow {
  const char* charset;
  uint64_t hash;  // of all 256 characters; the same from iconv and from Windows
};

TEST(CodePages, WholeTablesAgreeAcrossSystems) {
  const WholeTableRow rows[] = {
      {"IBM437", 0x16da57e1bda71051ULL},       {"IBM850", 0x68899963231cdd5dULL},
      {"IBM852", 0xd861a9a50812298aULL},       {"IBM866", 0xa7e9cde0a5e33825ULL},
      {"windows-1250", 0x2cf329295b5c3de0ULL}, {"windows-1251", 0xf9d08bd1cda4df3fULL},
      {"windows-1252", 0x577db6d912423900ULL}, {"windows-1254", 0x8958de9b87cf735eULL},
      {"windows-1256", 0x8577dce5f9a09088ULL}, {"KOI8-R", 0x32850e94e3bf014eULL},
      {"ISO-8859-2", 0x6985e26be4b180d2ULL},   {"ISO-8859-4", 0xf30622056889954cULL},
      {"ISO-8859-5", 0xaad2acd08e3c7e6aULL},   {"ISO-8859-9", 0x5e505410ba85208cULL},
      {"ISO-8859-13", 0x4887bd4663664c32ULL},  {"ISO-8859-15", 0x697526d493d95980ULL},
  };
  std::string all_bytes;
  for (int b = 0; b < 256; ++b) all_bytes.push_back(static_cast<char>(b));
  for (const WholeTableRow& row : rows) {
    const std::u16string text = DecodeText(all_bytes, row.charset);
    ASSERT_EQ(text.size(), 256u) << row.charset;
    EXPECT_EQ(Fnv1a(text), row.hash) << row.charset;
  }
}

}  // namespace
}  // namespace vorlan::http
