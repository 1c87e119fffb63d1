#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/skin_options.h"

// Reading one section's keys along its PARENTCLASS chain.
namespace vorlan::skin {

class InheritedReader {
 public:
  // Follows the chain once; the reads then only scan the sections' entries.
  InheritedReader(const TSkinOptions& options, std::u16string_view section);

  // The section's own value unless absent or -1; else the first ancestor's
  // (as a resolved system colour); else the fallback; then at most `limit`.
  std::int32_t ReadInteger(std::u16string_view key, std::int32_t fallback, std::int32_t limit = 2147483647) const;
  std::u16string ReadString(std::u16string_view key, std::u16string_view fallback) const;
  bool ReadBool(std::u16string_view key, bool fallback) const;

 private:
  // The first ancestor's value (not the section's own) that is present and
  // accepted.
  template <typename Accept>
  std::optional<std::u16string_view> FindInAncestors(std::u16string_view key, Accept accept) const;

  const TSkinOptions::Section* own_;                     // null when the options lack the section
  std::vector<const TSkinOptions::Section*> ancestors_;  // nearest first, each at most once
};

}  // namespace vorlan::skin
