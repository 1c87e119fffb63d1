#include "http/cookie_date.h"

#include <array>
#include <limits>

#include "platform/ascii.h"

namespace vorlan::http {

using platform::EqualsIgnoreCase;
namespace {

using std::chrono::milliseconds;

bool IsDelimiter(unsigned char c) {
  return c == 0x09 || (c >= 0x20 && c <= 0x2F) || (c >= 0x3B && c <= 0x40) || (c >= 0x5B && c <= 0x60) ||
         (c >= 0x7B && c <= 0x7E);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Leading digits of `token` (between `min` and `max` of them) as a number;
// the rest must not start with a digit.
std::optional<int> LeadingNumber(std::string_view& token, size_t min, size_t max) {
  size_t count = 0;
  while (count < token.size() && IsDigit(token[count])) ++count;
  if (count < min || count > max) return std::nullopt;
  int value = 0;
  for (size_t i = 0; i < count; ++i) value = value * 10 + (token[i] - '0');
  token.remove_prefix(count);
  return value;
}

struct TimeOfDay {
  int hour, minute, second;
};

std::optional<TimeOfDay> ParseTime(std::string_view token) {
  const std::optional<int> hour = LeadingNumber(token, 1, 2);
  if (!hour || token.empty() || token.front() != ':') return std::nullopt;
  token.remove_prefix(1);
  const std::optional<int> minute = LeadingNumber(token, 1, 2);
  if (!minute || token.empty() || token.front() != ':') return std::nullopt;
  token.remove_prefix(1);
  const std::optional<int> second = LeadingNumber(token, 1, 2);
  if (!second) return std::nullopt;
  return TimeOfDay{*hour, *minute, *second};
}

std::optional<int> ParseMonth(std::string_view token) {
  static constexpr std::array<std::string_view, 12> kMonths{"jan", "feb", "mar", "apr", "may", "jun",
                                                            "jul", "aug", "sep", "oct", "nov", "dec"};
  if (token.size() < 3) return std::nullopt;
  for (size_t i = 0; i < kMonths.size(); ++i) {
    if (EqualsIgnoreCase(token.substr(0, 3), kMonths[i])) return static_cast<int>(i) + 1;
  }
  return std::nullopt;
}

int64_t DaysFromCivil(int64_t year, unsigned month, unsigned day) {
  year -= month <= 2;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const unsigned year_of_era = static_cast<unsigned>(year - era * 400);
  const unsigned day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const unsigned day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + static_cast<int64_t>(day_of_era) - 719468;
}

int DaysInMonth(int year, int month) {
  static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[static_cast<size_t>(month - 1)];
}

}  // namespace

TCookieTime CookieTimeFromCivil(int year, int month, int day, int hour, int minute, int second) {
  const int64_t days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
  return TCookieTime(milliseconds(((days * 24 + hour) * 60 + minute) * 60 * 1000 + second * 1000));
}

TCookieTime CookieTimeMaximum() { return CookieTimeFromCivil(9999, 12, 31, 23, 59, 59) + milliseconds(999); }

TCookieTime CookieTimeMinimum() { return TCookieTime(milliseconds(std::numeric_limits<int64_t>::min() / 2)); }

TCookieTime CookieTimeNow() { return std::chrono::time_point_cast<milliseconds>(std::chrono::system_clock::now()); }

std::optional<TCookieTime> ParseCookieDate(std::string_view text) {
  std::optional<TimeOfDay> time;
  std::optional<int> day;
  std::optional<int> month;
  std::optional<int> year;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsDelimiter(static_cast<unsigned char>(text[i]))) ++i;
    const size_t start = i;
    while (i < text.size() && !IsDelimiter(static_cast<unsigned char>(text[i]))) ++i;
    const std::string_view token = text.substr(start, i - start);
    if (token.empty()) continue;
    if (!time && (time = ParseTime(token))) continue;
    std::string_view rest = token;
    if (!day && (day = LeadingNumber(rest, 1, 2))) continue;
    if (!month && (month = ParseMonth(token))) continue;
    rest = token;
    if (!year) year = LeadingNumber(rest, 2, 4);
  }
  if (!time || !day || !month || !year) return std::nullopt;
  if (*year >= 70 && *year <= 99) *year += 1900;
  if (*year >= 0 && *year <= 69) *year += 2000;
  if (*year < 1601 || *day < 1 || *day > DaysInMonth(*year, *month) || time->hour > 23 || time->minute > 59 ||
      time->second > 59) {
    return std::nullopt;
  }
  return CookieTimeFromCivil(*year, *month, *day, time->hour, time->minute, time->second);
}

}  // namespace vorlan::http
