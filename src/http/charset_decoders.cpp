#include "http/charset_decoders.h"

#include <cstdint>

#include "platform/text.h"

namespace vorlan::http {
namespace {

uint32_t ReadUnit(std::string_view bytes, size_t offset, size_t width, bool big_endian) {
  uint32_t value = 0;
  for (size_t i = 0; i < width; ++i) {
    const size_t index = big_endian ? offset + i : offset + width - 1 - i;
    value = (value << 8) | static_cast<uint8_t>(bytes[index]);
  }
  return value;
}

}  // namespace

std::u16string DecodeAscii(std::string_view bytes) {
  std::u16string text(bytes.size(), u'\0');
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<uint8_t>(bytes[i]);
    text[i] = byte < 0x80 ? static_cast<char16_t>(byte) : u'?';
  }
  return text;
}

std::u16string DecodeEightBit(std::string_view bytes) {
  std::u16string text(bytes.size(), u'\0');
  for (size_t i = 0; i < bytes.size(); ++i) text[i] = static_cast<uint8_t>(bytes[i]);
  return text;
}

std::u16string DecodeUtf16(std::string_view bytes, bool big_endian) {
  std::u16string text;
  text.reserve(bytes.size() / 2 + 1);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    text.push_back(static_cast<char16_t>(ReadUnit(bytes, i, 2, big_endian)));
  }
  if (bytes.size() % 2 != 0) text.push_back(platform::kReplacementCharacter);
  return text;
}

std::u16string DecodeUtf32(std::string_view bytes, bool big_endian) {
  std::u16string text;
  text.reserve(bytes.size() / 4 + 1);
  for (size_t i = 0; i + 3 < bytes.size(); i += 4) {
    const uint32_t code = ReadUnit(bytes, i, 4, big_endian);
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
      text.push_back(platform::kReplacementCharacter);
    } else if (code >= 0x10000) {
      text.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
      text.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
    } else {
      text.push_back(static_cast<char16_t>(code));
    }
  }
  if (bytes.size() % 4 != 0) text.push_back(platform::kReplacementCharacter);
  return text;
}

}  // namespace vorlan::http
