#pragma once

#include <string>
#include <string_view>

namespace vorlan::cli {

// `text` (UTF-8) as a JSON string literal with its quotes.
std::string JsonString(std::string_view text);

}  // namespace vorlan::cli
