#pragma once

#include <cstddef>
#include <string>

namespace skingen {

inline constexpr std::size_t kOptionsSize = 17563;

// The options text of the skin, CRLF lines, filled up to kOptionsSize with a
// comment that maps the master bitmap.
std::string BuildOptions();

}  // namespace skingen
