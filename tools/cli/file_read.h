#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorlan::cli {

// The whole file (a UTF-8 name); raises vorlan::Error when it cannot be read.
std::vector<std::uint8_t> ReadWholeFile(const std::string& utf8_name);

}  // namespace vorlan::cli
