#include <array>

#include "skin/data/ansi_text.h"

namespace vorlan::skin {
namespace {

// Windows-1252 for 0x80..0x9F; the undefined bytes map to themselves.
constexpr std::array<char16_t, 32> kHighControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t DecodeByte(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
  return byte;
}

}  // namespace

std::u16string AnsiToUtf16(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  for (const char c : bytes) text.push_back(DecodeByte(static_cast<unsigned char>(c)));
  return text;
}

std::string Utf16ToAnsi(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (const char16_t c : text) {
    char encoded = '?';
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      encoded = static_cast<char>(c);
    } else {
      for (unsigned i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) encoded = static_cast<char>(0x80 + i);
      }
    }
    bytes.push_back(encoded);
  }
  return bytes;
}

}  // namespace vorlan::skin
