#include "app/json_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <system_error>

namespace vorlan::app {
namespace {

constexpr size_t kIntegerFormMinLength = 12;
constexpr int kSignificantDigits = 15;

struct NumberParts {
  bool negative = false;
  std::string_view integer_digits;
  std::string_view fraction_digits;
  long long exponent = 0;  // saturated far outside any double's range
};

// `written` is a number already accepted by the JSON grammar.
NumberParts SplitNumber(std::string_view written) {
  NumberParts parts;
  size_t pos = 0;
  if (pos < written.size() && written[pos] == '-') {
    parts.negative = true;
    ++pos;
  }
  const size_t int_start = pos;
  while (pos < written.size() && written[pos] >= '0' && written[pos] <= '9') ++pos;
  parts.integer_digits = written.substr(int_start, pos - int_start);
  if (pos < written.size() && written[pos] == '.') {
    const size_t frac_start = ++pos;
    while (pos < written.size() && written[pos] >= '0' && written[pos] <= '9') ++pos;
    parts.fraction_digits = written.substr(frac_start, pos - frac_start);
  }
  if (pos < written.size() && (written[pos] == 'e' || written[pos] == 'E')) {
    ++pos;
    bool exponent_negative = false;
    if (pos < written.size() && (written[pos] == '+' || written[pos] == '-')) exponent_negative = written[pos++] == '-';
    long long exponent = 0;
    for (; pos < written.size(); ++pos) {
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (written[pos] - '0');
    }
    parts.exponent = exponent_negative ? -exponent : exponent;
  }
  return parts;
}

// The whole-number value of a form without fraction digits, when it fits
// in 64 bits.
std::optional<int64_t> WholeNumber(const NumberParts& parts) {
  std::string digits(parts.integer_digits);
  if (digits.find_first_not_of('0') == std::string::npos) return 0;
  if (parts.exponent < 0) {
    const auto drop = static_cast<unsigned long long>(-parts.exponent);
    if (drop >= digits.size()) return std::nullopt;
    if (digits.find_first_not_of('0', digits.size() - drop) != std::string::npos) return std::nullopt;
    digits.resize(digits.size() - drop);
  } else if (parts.exponent > 0) {
    if (digits.size() + static_cast<unsigned long long>(parts.exponent) > 20) return std::nullopt;
    digits.append(static_cast<size_t>(parts.exponent), '0');
  }
  if (parts.negative) digits.insert(digits.begin(), '-');
  int64_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

// Reads the number as a double; beyond the double range it becomes an
// infinity or zero, as the magnitude says.
double ReadDouble(std::string_view written, const NumberParts& parts) {
  double value = 0;
  const auto [end, error] = std::from_chars(written.data(), written.data() + written.size(), value);
  if (error != std::errc::result_out_of_range) return value;
  // Decimal position of the first significant digit decides overflow.
  long long position = parts.exponent;
  const size_t first = parts.integer_digits.find_first_not_of('0');
  if (first != std::string_view::npos) {
    position += static_cast<long long>(parts.integer_digits.size() - first);
  } else {
    const size_t first_fraction = parts.fraction_digits.find_first_not_of('0');
    position -= static_cast<long long>(first_fraction == std::string_view::npos ? 0 : first_fraction);
  }
  const double magnitude = position > 0 ? HUGE_VAL : 0.0;
  return parts.negative ? -magnitude : magnitude;
}

std::u16string Widen(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

}  // namespace

std::u16string JsonNumberText(std::string_view written, char16_t decimal_separator) {
  const NumberParts parts = SplitNumber(written);
  if (written.size() >= kIntegerFormMinLength && written.find('.') == std::string_view::npos) {
    if (const auto whole = WholeNumber(parts)) {
      char buffer[24];
      const auto result = std::to_chars(buffer, buffer + sizeof buffer, *whole);
      return Widen(std::string_view(buffer, static_cast<size_t>(result.ptr - buffer)));
    }
  }
  return FormatGeneralDouble(ReadDouble(written, parts), decimal_separator);
}

std::u16string FormatGeneralDouble(double value, char16_t decimal_separator) {
  if (std::isnan(value)) return u"NAN";
  if (std::isinf(value)) return value < 0 ? u"-INF" : u"INF";
  if (value == 0) return u"0";

  char buffer[40];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, kSignificantDigits - 1);
  const std::string_view scientific(buffer, static_cast<size_t>(result.ptr - buffer));
  // "-d.dddddddddddddde+XX"
  const size_t e_pos = scientific.find('e');
  const bool negative = scientific[0] == '-';
  std::string digits;
  for (char c : scientific.substr(0, e_pos)) {
    if (c >= '0' && c <= '9') digits.push_back(c);
  }
  int exponent10 = 0;
  std::string_view exponent_text = scientific.substr(e_pos + 1);
  if (exponent_text[0] == '+') exponent_text.remove_prefix(1);
  std::from_chars(exponent_text.data(), exponent_text.data() + exponent_text.size(), exponent10);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::u16string out;
  if (negative) out.push_back(u'-');
  const int point = exponent10 + 1;  // digits before the decimal point
  if (point > kSignificantDigits || point < -3) {
    out.push_back(static_cast<char16_t>(digits[0]));
    if (digits.size() > 1) {
      out.push_back(decimal_separator);
      out += Widen(std::string_view(digits).substr(1));
    }
    out.push_back(u'E');
    out += Widen(std::to_string(exponent10));
    return out;
  }
  if (point <= 0) {
    out.push_back(u'0');
    out.push_back(decimal_separator);
    out.append(static_cast<size_t>(-point), u'0');
    out += Widen(digits);
    return out;
  }
  const auto whole_digits = static_cast<size_t>(point);
  if (digits.size() <= whole_digits) {
    out += Widen(digits);
    out.append(whole_digits - digits.size(), u'0');
    return out;
  }
  out += Widen(std::string_view(digits).substr(0, whole_digits));
  out.push_back(decimal_separator);
  out += Widen(std::string_view(digits).substr(whole_digits));
  return out;
}

std::u16string JsonValueText(const JsonValue* value, char16_t decimal_separator) {
  if (value == nullptr) return {};
  if (value->IsString()) return std::u16string(value->AsString());
  if (value->IsNumber()) return JsonNumberText(value->AsNumber().written, decimal_separator);
  return {};
}

}  // namespace vorlan::app
