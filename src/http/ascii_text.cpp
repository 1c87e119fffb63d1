#include "http/ascii_text.h"

#include <limits>

namespace vorlan::http {

std::string ToAscii(std::u16string_view text) {
  std::string ascii(text.size(), '?');
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] <= 0x7F) ascii[i] = static_cast<char>(text[i]);
  }
  return ascii;
}

std::string AsciiFromBytes(std::string_view bytes) {
  std::string ascii(bytes);
  for (char& c : ascii) {
    if (static_cast<unsigned char>(c) > 0x7F) c = '?';
  }
  return ascii;
}

std::u16string WidenAscii(std::string_view ascii) {
  std::u16string wide(ascii.size(), u'\0');
  for (size_t i = 0; i < ascii.size(); ++i) wide[i] = static_cast<unsigned char>(ascii[i]);
  return wide;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string AsciiLowerCopy(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = AsciiLower(c);
  return lower;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

bool ContainsIgnoreCase(std::string_view text, std::string_view part) {
  return AsciiLowerCopy(text).find(AsciiLowerCopy(part)) != std::string::npos;
}

std::string_view TrimBlanks(std::string_view text) {
  const auto is_blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

std::optional<int64_t> ParseDecimal(std::string_view text) {
  if (text.empty()) return std::nullopt;
  int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    const int digit = c - '0';
    if (value > (std::numeric_limits<int64_t>::max() - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

}  // namespace vorlan::http
