#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlan::http {
// Standard Base64 with padding.
std::string Base64Encode(std::string_view bytes);
}  // namespace vorlan::http
