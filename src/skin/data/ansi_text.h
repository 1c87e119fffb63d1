#pragma once

#include <string>
#include <string_view>

// Text in the system's ANSI code page (package member names and options
// files without a byte order mark). Windows uses the system's code page;
// elsewhere it is Windows-1252.
namespace vorlan::skin {

std::u16string AnsiToUtf16(std::string_view bytes);
// Characters the code page lacks become "?".
std::string Utf16ToAnsi(std::u16string_view text);

}  // namespace vorlan::skin
