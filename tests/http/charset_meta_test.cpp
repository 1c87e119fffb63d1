#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "http/charset.h"

namespace vorlan::http {
namespace {

using Fields = std::vector<std::pair<std::string, std::string>>;

struct MetaRow {
  const char* body;
  Fields fields;
  const char* why;
};

TEST(ScanHtmlMeta, FindsFieldsOfMetaElements) {
  const MetaRow rows[] = {
      {"<html><head><meta charset=\"windows-1251\"></head></html>",
       {{"Content-Type", "text/html; charset=\"windows-1251\""}},
       "charset attribute"},
      {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=koi8-r\">",
       {{"Content-Type", "text/html; charset=koi8-r"}},
       "http-equiv with content"},
      {"<META HTTP-EQUIV='Refresh' CONTENT='5'>", {{"Refresh", "5"}}, "upper case, single quotes"},
      {"<meta charset=utf-8>", {{"Content-Type", "text/html; charset=\"utf-8\""}}, "unquoted value"},
      {"<meta charset=utf-8/>",
       {{"Content-Type", "text/html; charset=\"utf-8/\""}},
       "unquoted value ends at a blank or >"},
      {"<meta\ncharset = \"utf-8\" />",
       {{"Content-Type", "text/html; charset=\"utf-8\""}},
       "blanks around the equals sign, self-closing"},
      {"<meta http-equiv=\"Refresh\">", {}, "http-equiv without content"},
      {"<meta content=\"x\">", {}, "content without http-equiv"},
      {"<meta name=\"description\" content=\"charset=x\">", {}, "named meta gives nothing"},
      {"<meta http-equiv=\"A\" content=\"1\"><p><meta http-equiv=\"B\" content=\"2\">",
       {{"A", "1"}, {"B", "2"}},
       "document order"},
      {"<meta http-equiv=\"A\" http-equiv=\"B\" content=\"1\">", {{"A", "1"}}, "first of a repeated attribute"},
      {"<meta content=\"a > b\" http-equiv=\"X\">", {{"X", "a > b"}}, "> inside quotes does not end the tag"},
      {"<!-- <meta charset=\"koi8-r\"> --><meta charset=\"utf-8\">",
       {{"Content-Type", "text/html; charset=\"utf-8\""}},
       "comment skipped"},
      {"<!--><meta charset=\"utf-8\">", {{"Content-Type", "text/html; charset=\"utf-8\""}}, "the shortest comment"},
      {"<!-- never closed <meta charset=\"utf-8\">", {}, "unclosed comment hides the rest"},
      {"<title><meta charset=\"koi8-r\"></title><meta charset=\"utf-8\">",
       {{"Content-Type", "text/html; charset=\"utf-8\""}},
       "title text skipped"},
      {"<script>document.write('<meta charset=\"koi8-r\">')</script><meta charset=\"utf-8\">",
       {{"Content-Type", "text/html; charset=\"utf-8\""}},
       "script skipped"},
      {"<SCRIPT type=\"text/javascript\">'</scriptx><meta charset=\"koi8-r\">'</Script ><meta charset=\"utf-8\">",
       {{"Content-Type", "text/html; charset=\"utf-8\""}},
       "script ends only at its own end tag"},
      {"<script src=\"a.js\"/><meta charset=\"utf-8\">",
       {{"Content-Type", "text/html; charset=\"utf-8\""}},
       "self-closed script has no content"},
      {"<style>p{content:'<meta charset=\"koi8-r\">'}</style>", {}, "style skipped"},
      {"<?php echo '<meta charset=\"koi8-r\">' ?><meta charset=\"utf-8\">",
       {{"Content-Type", "text/html; charset=\"utf-8\""}},
       "processing instruction ends at its first >"},
      {"<!DOCTYPE html><meta charset=\"utf-8\">",
       {{"Content-Type", "text/html; charset=\"utf-8\""}},
       "doctype skipped"},
      {"<metadata charset=\"x\"><meta-x charset=\"y\">", {}, "only the meta element itself"},
      {"a < b <meta charset=\"utf-8\">", {{"Content-Type", "text/html; charset=\"utf-8\""}}, "stray <"},
      {"<meta charset=\"utf-8", {{"Content-Type", "text/html; charset=\"utf-8\""}}, "cut off inside a value"},
      {"", {}, "empty body"},
  };
  for (const MetaRow& row : rows) EXPECT_EQ(ScanHtmlMeta(row.body), row.fields) << row.why;
}

TEST(ScanHtmlMeta, ReadsBytesAsTheyStand) {
  const Fields fields = ScanHtmlMeta("<meta http-equiv=\"X\" content=\"\xE9\xFF\">");
  ASSERT_EQ(fields.size(), 1u);
  EXPECT_EQ(fields[0].second, "\xE9\xFF");
}

}  // namespace
}  // namespace vorlan::http

namespace vorlan::http {
namespace {

// The whole path a response takes: header without charset, meta element in
// the body, the field's value parsed again, then decoding.
TEST(ScanHtmlMeta, MetaCharsetWinsOverTheHeader) {
  const std::string body =
      "<html><head><meta charset=\"windows-1251\"></head><body>\xCF\xF0\xE8\xE2\xE5\xF2</body></html>";
  ContentTypeInfo info = ParseContentType("text/html", true);
  ASSERT_EQ(info.charset, "ISO-8859-1");
  ASSERT_TRUE(IsHtmlContentType(info.content_type));
  for (const auto& [name, value] : ScanHtmlMeta(body)) {
    if (name == "Content-Type") info = ParseContentType(value, true);
  }
  EXPECT_EQ(info.content_type, "text/html");
  EXPECT_EQ(info.charset, "windows-1251");
  const std::u16string text = DecodeText(body, ResponseCharset(info, body));
  EXPECT_NE(text.find(u"<body>Привет</body>"), std::u16string::npos);
}

}  // namespace
}  // namespace vorlan::http
