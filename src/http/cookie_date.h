#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

// Times of the cookie store: milliseconds since 1970 (UTC), wide enough for
// the year 9999.
namespace vorlan::http {

using TCookieTime = std::chrono::time_point<std::chrono::system_clock, std::chrono::milliseconds>;

// 31 December 9999, 23:59:59.999: the expiry of a cookie without one.
TCookieTime CookieTimeMaximum();
// Before every time the store can meet.
TCookieTime CookieTimeMinimum();
TCookieTime CookieTimeNow();

// Milliseconds of a UTC calendar time (month 1..12).
TCookieTime CookieTimeFromCivil(int year, int month, int day, int hour, int minute, int second);

// An Expires attribute's date, read the lenient way browsers read it;
// nullopt when it does not name a valid date.
std::optional<TCookieTime> ParseCookieDate(std::string_view text);

}  // namespace vorlan::http
