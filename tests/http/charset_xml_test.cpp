#include <gtest/gtest.h>

#include <string>

#include "http/charset.h"

namespace vorlan::http {
namespace {

// The text widened to 2 or 4 bytes per character in the given byte order.
std::string Widen(std::string_view ascii, size_t width, bool big_endian) {
  std::string out;
  for (const char c : ascii) {
    std::string unit(width, '\0');
    unit[big_endian ? width - 1 : 0] = c;
    out += unit;
  }
  return out;
}

// The text in EBCDIC (code page 37), for the characters a declaration uses.
std::string ToEbcdic(std::string_view ascii) {
  std::string out;
  for (const char c : ascii) {
    unsigned char e = 0x3F;
    if (c >= 'a' && c <= 'i')
      e = 0x81 + (c - 'a');
    else if (c >= 'j' && c <= 'r')
      e = 0x91 + (c - 'j');
    else if (c >= 's' && c <= 'z')
      e = 0xA2 + (c - 's');
    else if (c >= 'A' && c <= 'I')
      e = 0xC1 + (c - 'A');
    else if (c >= 'J' && c <= 'R')
      e = 0xD1 + (c - 'J');
    else if (c >= 'S' && c <= 'Z')
      e = 0xE2 + (c - 'S');
    else if (c >= '0' && c <= '9')
      e = 0xF0 + (c - '0');
    else if (c == ' ')
      e = 0x40;
    else if (c == '<')
      e = 0x4C;
    else if (c == '>')
      e = 0x6E;
    else if (c == '?')
      e = 0x6F;
    else if (c == '=')
      e = 0x7E;
    else if (c == '"')
      e = 0x7F;
    else if (c == '\'')
      e = 0x7D;
    else if (c == '.')
      e = 0x4B;
    else if (c == '-')
      e = 0x60;
    out.push_back(static_cast<char>(e));
  }
  return out;
}

struct XmlRow {
  std::string body;
  const char* charset;
  const char* why;
};

TEST(DetectXmlCharset, ByteOrderMarksAndDeclarations) {
  const std::string decl = "<?xml version=\"1.0\" encoding=\"ISO-8859-5\"?><a/>";
  const XmlRow rows[] = {
      {"\xEF\xBB\xBF<a/>", "UTF-8", "UTF-8 mark"},
      {"\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"KOI8-R\"?>", "UTF-8", "the mark wins over the declaration"},
      {std::string("\xFE\xFF\x00<", 4), "UTF-16BE", "UTF-16BE mark"},
      {std::string("\xFF\xFE<\x00", 4), "UTF-16LE", "UTF-16LE mark"},
      {std::string("\x00\x00\xFE\xFF", 4), "UCS-4BE", "UCS-4BE mark"},
      {std::string("\xFF\xFE\x00\x00", 4), "UCS-4LE", "UCS-4LE mark, not UTF-16LE"},
      {decl, "ISO-8859-5", "ASCII-compatible declaration"},
      {Widen(decl, 2, true), "ISO-8859-5", "declaration in 2-byte big-endian"},
      {Widen(decl, 2, false), "ISO-8859-5", "declaration in 2-byte little-endian"},
      {Widen(decl, 4, true), "ISO-8859-5", "declaration in 4-byte big-endian"},
      {Widen(decl, 4, false), "ISO-8859-5", "declaration in 4-byte little-endian"},
      {ToEbcdic("<?xml version=\"1.0\" encoding=\"IBM037\"?>"), "IBM037", "EBCDIC declaration"},
      {"<?xml version='1.0' encoding='windows-1251'?>", "windows-1251", "single quotes"},
      {"<?xml version=\"1.0\" encoding = \"KOI8-R\" ?>", "KOI8-R", "blanks around the equals sign"},
      {"<?xml\nversion=\"1.0\"\tencoding=\"KOI8-R\"?>", "KOI8-R", "line break and tab as blanks"},
      {"<?xml version=\"1.0\"?><a encoding=\"KOI8-R\"/>", "", "encoding after the declaration's end is not read"},
      {"<?xml version=\"1.0\" standalone=\"yes\"?>", "", "declaration without encoding"},
      {"<?xml-stylesheet href=\"a\" encoding=\"KOI8-R\"?>", "", "a processing instruction is no declaration"},
      {"<?xml version=\"1.0\" encoding=\"KOI8-R\"", "", "declaration without its end"},
      {"<?xml version=\"1.0\" encoding=\"KOI8-R?>", "", "value without its closing quote"},
      {" <?xml version=\"1.0\" encoding=\"KOI8-R\"?>", "", "anything before the declaration"},
      {"<a/>", "", "no declaration"},
      {"", "", "empty body"},
      {"<?x", "", "too short for a signature"},
      {std::string("\x00<\x00?", 4), "", "2-byte signature cut off"},
  };
  for (const XmlRow& row : rows) EXPECT_EQ(DetectXmlCharset(row.body), row.charset) << row.why;
}

TEST(DetectXmlCharset, StopsReadingALongDeclaration) {
  const std::string body = "<?xml version=\"1.0\"" + std::string(5000, ' ') + " encoding=\"KOI8-R\"?>";
  EXPECT_EQ(DetectXmlCharset(body), "");
}

}  // namespace
}  // namespace vorlan::http
