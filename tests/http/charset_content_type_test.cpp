#include <gtest/gtest.h>

#include "http/charset.h"

namespace vorlan::http {
namespace {

struct ContentTypeRow {
  const char* field;  // nullptr: no Content-Type field
  const char* content_type;
  const char* charset;
  const char* why;
};

TEST(ParseContentType, SplitsTheCharsetOffAndAppliesTextDefaults) {
  const ContentTypeRow rows[] = {
      {nullptr, "", "", "no field: both empty"},
      {"application/json; charset=utf-8", "application/json", "utf-8", "charset parameter taken"},
      {"application/json", "application/json", "", "non-text type without charset stays empty"},
      {"image/jpeg", "image/jpeg", "", "image type without charset stays empty"},
      {"text/plain", "text/plain", "ISO-8859-1", "text subtype defaults to ISO-8859-1"},
      {"text/html", "text/html", "ISO-8859-1", "html is a text subtype"},
      {"TEXT/Plain", "TEXT/Plain", "ISO-8859-1", "top-level type compared without case"},
      {"text/xml", "text/xml", "us-ascii", "text/xml defaults to us-ascii"},
      {"text/xml-external-parsed-entity", "text/xml-external-parsed-entity", "us-ascii", "entity subtype"},
      {"text/svg+xml", "text/svg+xml", "us-ascii", "+xml suffix"},
      {"text/SVG+XML", "text/SVG+XML", "us-ascii", "+xml suffix without case"},
      {"text/xmlfoo", "text/xmlfoo", "ISO-8859-1", "xml only as the whole subtype"},
      {"text/html; charset=\"windows-1251\"", "text/html", "windows-1251", "quotes removed"},
      {"text/html;CHARSET=KOI8-R", "text/html", "KOI8-R", "parameter name without case, no blank"},
      {"text/html ; charset = utf-8 ", "text/html", "utf-8", "blanks around parts trimmed"},
      {"text/plain; format=flowed; charset=utf-8", "text/plain; format=flowed", "utf-8",
       "other parameters kept in the content type"},
      {"text/plain; charset=utf-8; format=flowed", "text/plain; format=flowed", "utf-8",
       "charset in the middle removed"},
      {"multipart/mixed; boundary=\"a;b\"", "multipart/mixed; boundary=\"a;b\"", "",
       "semicolon inside quotes does not split"},
      {"text/plain; charset=\"\"", "text/plain", "ISO-8859-1", "empty charset counts as none"},
      {"text/plain; charset", "text/plain", "ISO-8859-1", "charset without value counts as none"},
      {"", "", "", "empty field value"},
      {"application/xml; charset=utf-16", "application/xml", "utf-16", "xml types keep the header charset too"},
  };
  for (const ContentTypeRow& row : rows) {
    const ContentTypeInfo info = row.field == nullptr ? ParseContentType("", false) : ParseContentType(row.field, true);
    EXPECT_EQ(info.content_type, row.content_type) << row.why;
    EXPECT_EQ(info.charset, row.charset) << row.why;
  }
}

struct KindRow {
  const char* content_type;
  bool html;
  bool xml;
};

TEST(ContentTypeKinds, HtmlAndXmlTypes) {
  const KindRow rows[] = {
      {"text/html", true, false},
      {"Text/HTML", true, false},
      {"text/html; level=1", true, false},
      {"text/html-sandboxed", true, false},
      {"application/xhtml+xml", true, true},
      {"text/htmlx", false, false},
      {"text/plain", false, false},
      {"application/xml", false, true},
      {"application/xml-external-parsed-entity", false, true},
      {"application/xml-dtd", false, true},
      {"image/svg+xml", false, true},
      {"application/atom+xml", false, true},
      {"text/xml", false, false},
      {"text/svg+xml", false, false},
      {"application/json", false, false},
      {"application/xmlish", false, false},
      {"", false, false},
  };
  for (const KindRow& row : rows) {
    EXPECT_EQ(IsHtmlContentType(row.content_type), row.html) << row.content_type;
    EXPECT_EQ(IsXmlContentType(row.content_type), row.xml) << row.content_type;
  }
}

struct ResponseCharsetRow {
  const char* field;
  const char* body;
  const char* charset;
  const char* why;
};

TEST(ResponseCharset, XmlBodiesNameTheirOwnCharset) {
  const ResponseCharsetRow rows[] = {
      {"application/xml; charset=iso-8859-1", "<?xml version=\"1.0\" encoding=\"KOI8-R\"?><a/>", "KOI8-R",
       "the declaration wins over the header"},
      {"application/xml", "\xEF\xBB\xBF<a/>", "UTF-8", "byte order mark"},
      {"application/xml", "<a/>", "", "nothing named anywhere"},
      {"application/xml; charset=utf-8", "<a/>", "utf-8", "no declaration: the header's charset stays"},
      {"text/xml", "<?xml version=\"1.0\" encoding=\"KOI8-R\"?><a/>", "us-ascii", "text types are not examined"},
      {"text/html; charset=utf-8", "<?xml version=\"1.0\" encoding=\"KOI8-R\"?>", "utf-8", "html not examined"},
      {"application/json", "[]", "", "json has no charset"},
  };
  for (const ResponseCharsetRow& row : rows) {
    EXPECT_EQ(ResponseCharset(ParseContentType(row.field, true), row.body), row.charset) << row.why;
  }
}

}  // namespace
}  // namespace vorlan::http
