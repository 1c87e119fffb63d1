#include "app/integer_text.h"

#include "app/lookup_error.h"

namespace vorlan::app {
namespace {

int DigitValue(char16_t c, int base) {
  int value = -1;
  if (c >= u'0' && c <= u'9') value = c - u'0';
  if (c >= u'a' && c <= u'f') value = c - u'a' + 10;
  if (c >= u'A' && c <= u'F') value = c - u'A' + 10;
  return value < base ? value : -1;
}

// Length of the hexadecimal prefix at the start of `text`, 0 when none.
size_t HexPrefixLength(std::u16string_view text) {
  if (text.starts_with(u"0x") || text.starts_with(u"0X")) return 2;
  if (text.starts_with(u"$") || text.starts_with(u"x") || text.starts_with(u"X")) return 1;
  return 0;
}

}  // namespace

std::optional<int32_t> ParseInteger(std::u16string_view text) {
  while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == u'+' || text.front() == u'-')) {
    negative = text.front() == u'-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (const size_t prefix = HexPrefixLength(text)) {
    base = 16;
    text.remove_prefix(prefix);
  }
  if (text.empty()) return std::nullopt;
  constexpr int64_t kLimit = int64_t{1} << 31;  // magnitude of the most negative value
  int64_t magnitude = 0;
  for (char16_t c : text) {
    const int digit = DigitValue(c, base);
    if (digit < 0) return std::nullopt;
    magnitude = magnitude * base + digit;
    if (magnitude > kLimit) return std::nullopt;
  }
  const int64_t value = negative ? -magnitude : magnitude;
  if (value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

int32_t IntegerFromText(std::u16string_view text) {
  if (const auto value = ParseInteger(text)) return *value;
  throw LookupError(InvalidIntegerMessage(text));
}

}  // namespace vorlan::app
