#pragma once

#include <span>
#include <string_view>

namespace vorlan::http {

struct CharsetEntry {
  std::string_view name;
  unsigned code_page;  // 0: Windows has none
};

// Every row of the character-set table, in registry order.
std::span<const CharsetEntry> CharsetEntries();

}  // namespace vorlan::http
