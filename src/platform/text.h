#pragma once

#include <string>
#include <string_view>

// Conversions between the program's UTF-16 text and UTF-8.
namespace vorlan::platform {

inline constexpr char16_t kReplacementCharacter = u'\uFFFD';

// Invalid or truncated UTF-8 sequences become U+FFFD, one per maximal
// invalid subpart (the usual "best practice" of the Unicode standard).
std::u16string Utf8ToUtf16(std::string_view utf8);
// The same decoding, appended to `out` (no temporary for callers that build
// one text from many pieces).
void AppendUtf8ToUtf16(std::u16string& out, std::string_view utf8);

// A lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace vorlan::platform
