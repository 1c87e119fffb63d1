#pragma once

#include <string>
#include <string_view>

#include "app/json_value.h"

namespace vorlan::app {

// The text of a member's value: a string's characters; a number's decimal
// form (below); empty text for null, true, false, objects and arrays and
// for a missing value (nullptr).
std::u16string JsonValueText(const JsonValue* value, char16_t decimal_separator);

// A number's text from its written form: a form of 12 or more characters
// without "." whose value is a whole number within 64 bits is written as
// that integer; any other number is read as a double and written in the
// shortest general form with up to 15 significant digits and the given
// decimal separator ("9", "9.0" and "90e-1" all give "9"; 1e20 gives
// "1E20"; 0.00001 gives "1E-5").
std::u16string JsonNumberText(std::string_view written, char16_t decimal_separator);

// A double in the shortest general form with up to 15 significant digits:
// fixed notation while there are at most 15 digits before the point and
// the value is at least 0.0001, scientific ("1.5E-7", "1E20") otherwise.
// Infinities are "INF" and "-INF".
std::u16string FormatGeneralDouble(double value, char16_t decimal_separator);

}  // namespace vorlan::app
