#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vorlan::app {

// Reads a 32-bit signed integer: leading spaces, an optional "+" or "-",
// then decimal digits or hexadecimal digits after "$", "x", "X", "0x" or
// "0X"; nothing may follow. No value when the text is not such a number or
// the value does not fit.
std::optional<int32_t> ParseInteger(std::u16string_view text);

// ParseInteger, or the error "''%s'' is not a valid integer value".
int32_t IntegerFromText(std::u16string_view text);

}  // namespace vorlan::app
