#pragma once

#include <string_view>

// The character-set names of the IANA registry with their Windows code pages.
namespace vorlan::http {

inline constexpr unsigned kCodePageAscii = 20127;
inline constexpr unsigned kCodePageLatin1 = 28591;
inline constexpr unsigned kCodePageUtf8 = 65001;
inline constexpr unsigned kCodePageUtf16Le = 1200;
inline constexpr unsigned kCodePageUtf16Be = 1201;
inline constexpr unsigned kCodePageUtf32Le = 12000;
inline constexpr unsigned kCodePageUtf32Be = 12001;

// The code page of the named character set (letter case ignored); 0 when the
// name is unknown or the set has no Windows code page.
unsigned CharsetCodePage(std::string_view name);

// Whether the name is in the table at all (with or without a code page).
bool IsKnownCharset(std::string_view name);

}  // namespace vorlan::http
