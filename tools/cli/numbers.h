#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vorlan::cli {

// A decimal integer that is the whole text, or nothing.
inline std::optional<std::int32_t> ParseInt32(std::string_view text) {
  std::int32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

}  // namespace vorlan::cli
