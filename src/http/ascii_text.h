#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The client's wire text: one character per byte, ASCII only.
namespace vorlan::http {

// Characters above U+007F become "?".
std::string ToAscii(std::u16string_view text);
// Bytes above 0x7F become "?".
std::string AsciiFromBytes(std::string_view bytes);
std::u16string WidenAscii(std::string_view ascii);

char AsciiLower(char c);
std::string AsciiLowerCopy(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool ContainsIgnoreCase(std::string_view text, std::string_view part);
// Blanks are spaces, tabs and other control characters.
std::string_view TrimBlanks(std::string_view text);

// A decimal integer of digits only, without overflow; nullopt otherwise.
std::optional<int64_t> ParseDecimal(std::string_view text);

}  // namespace vorlan::http
