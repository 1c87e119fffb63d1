#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// ASCII text helpers for wire text, names and markup: letter case, blanks,
// decimal numbers. Letters outside A–Z and a–z are never changed, so the
// comparisons are exact for every other character.
namespace vorlan::platform {

template <class Char>
constexpr Char AsciiLower(Char c) {
  return c >= Char('A') && c <= Char('Z') ? static_cast<Char>(c - Char('A') + Char('a')) : c;
}

template <class Char>
constexpr Char AsciiUpper(Char c) {
  return c >= Char('a') && c <= Char('z') ? static_cast<Char>(c - Char('a') + Char('A')) : c;
}

std::string AsciiLowerCopy(std::string_view text);
std::u16string AsciiUpperCopy(std::u16string_view text);

bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool EqualsIgnoreCase(std::u16string_view a, std::u16string_view b);
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);
bool StartsWithIgnoreCase(std::u16string_view text, std::u16string_view prefix);
bool EndsWithIgnoreCase(std::string_view text, std::string_view suffix);
bool EndsWithIgnoreCase(std::u16string_view text, std::u16string_view suffix);
bool ContainsIgnoreCase(std::string_view text, std::string_view part);

// Header values: spaces, tabs and every other control character are blanks.
std::string_view TrimControlAndSpace(std::string_view text);
// Markup and header names: space, tab, CR, LF and form feed.
constexpr bool IsMarkupSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }
std::string_view TrimMarkupSpace(std::string_view text);

// Wire text is one byte per character: characters above U+007F become "?".
std::string ToAscii(std::u16string_view text);
// Bytes above 0x7F become "?".
std::string AsciiFromBytes(std::string_view bytes);
std::u16string WidenAscii(std::string_view ascii);

// A decimal integer of digits only, without overflow; nullopt otherwise.
std::optional<int64_t> ParseDecimal(std::string_view text);

}  // namespace vorlan::platform
