#include "platform/ascii.h"

#include <algorithm>
#include <limits>

namespace vorlan::platform {
namespace {

template <class Char>
bool SameIgnoringCase(std::basic_string_view<Char> a, std::basic_string_view<Char> b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](Char x, Char y) { return AsciiLower(x) == AsciiLower(y); });
}

template <class Char>
bool StartsWith(std::basic_string_view<Char> text, std::basic_string_view<Char> prefix) {
  return text.size() >= prefix.size() && SameIgnoringCase(text.substr(0, prefix.size()), prefix);
}

template <class Char>
bool EndsWith(std::basic_string_view<Char> text, std::basic_string_view<Char> suffix) {
  return text.size() >= suffix.size() && SameIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

template <class IsBlank>
std::string_view Trim(std::string_view text, IsBlank is_blank) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string AsciiLowerCopy(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = AsciiLower(c);
  return lower;
}

std::u16string AsciiUpperCopy(std::u16string_view text) {
  std::u16string upper(text);
  for (char16_t& c : upper) c = AsciiUpper(c);
  return upper;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) { return SameIgnoringCase(a, b); }
bool EqualsIgnoreCase(std::u16string_view a, std::u16string_view b) { return SameIgnoringCase(a, b); }
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix) { return StartsWith(text, prefix); }
bool StartsWithIgnoreCase(std::u16string_view text, std::u16string_view prefix) { return StartsWith(text, prefix); }
bool EndsWithIgnoreCase(std::string_view text, std::string_view suffix) { return EndsWith(text, suffix); }
bool EndsWithIgnoreCase(std::u16string_view text, std::u16string_view suffix) { return EndsWith(text, suffix); }

bool ContainsIgnoreCase(std::string_view text, std::string_view part) {
  return AsciiLowerCopy(text).find(AsciiLowerCopy(part)) != std::string::npos;
}

std::string_view TrimControlAndSpace(std::string_view text) {
  return Trim(text, [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

std::string_view TrimMarkupSpace(std::string_view text) { return Trim(text, IsMarkupSpace); }

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

}  // namespace vorlan::platform
