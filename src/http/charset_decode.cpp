#include <optional>

#include "http/charset.h"
#include "http/charset_decoders.h"
#include "http/charset_table.h"
#include "platform/codepage.h"
#include "platform/text.h"

namespace vorlan::http {
namespace {

bool StartsWithBigEndianMark(std::string_view bytes) {
  return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFE &&
         static_cast<unsigned char>(bytes[1]) == 0xFF;
}

}  // namespace

std::u16string DecodeText(std::string_view bytes, std::string_view charset) {
  const unsigned code_page = charset.empty() ? 0 : CharsetCodePage(charset);
  switch (code_page) {
    case 0:
    case kCodePageLatin1:  // byte n is U+00n: the 8-bit decoder exactly
      return DecodeEightBit(bytes);
    case kCodePageAscii:
      return DecodeAscii(bytes);
    case kCodePageUtf8:
      return platform::Utf8ToUtf16(bytes);
    case kCodePageUtf16Le:
      // "UTF-16" shares this code page; its text may say big-endian by its mark.
      return DecodeUtf16(bytes, StartsWithBigEndianMark(bytes));
    case kCodePageUtf16Be:
      return DecodeUtf16(bytes, true);
    case kCodePageUtf32Le:
      return DecodeUtf32(bytes, false);
    case kCodePageUtf32Be:
      return DecodeUtf32(bytes, true);
    default:
      break;
  }
  std::optional<std::u16string> text = platform::DecodeCodePage(bytes, code_page);
  return text ? std::move(*text) : DecodeEightBit(bytes);
}

}  // namespace vorlan::http
