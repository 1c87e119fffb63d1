#pragma once

#include <string>
#include <string_view>

namespace vorlan::cli {
// GET in its text form through one process-wide HTTP client object; throws
// vorlan::Error (or a subclass) with the client's message on failure.
std::u16string HttpGetText(std::u16string_view url);
}  // namespace vorlan::cli
