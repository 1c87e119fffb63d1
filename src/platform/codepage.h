#pragma once

#include <optional>
#include <string>
#include <string_view>

// The system's conversion from a Windows code page to UTF-16.
namespace vorlan::platform {

// All bytes decoded by code page `code_page`; std::nullopt when the system
// has no converter for it. Byte sequences the code page does not define give
// a substitute character, so a provided code page never fails.
std::optional<std::u16string> DecodeCodePage(std::string_view bytes, unsigned code_page);

}  // namespace vorlan::platform
