#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "skin/data/skin_options.h"
#include "skin/data/skin_tables.h"

// Reading section keys along the PARENTCLASS chain.
namespace vorlan::skin {

class InheritedReader {
 public:
  explicit InheritedReader(const TSkinOptions& options) : options_(options) {}

  // The section's own value unless absent or -1; else the first ancestor's
  // (as a resolved system colour); else the fallback; then at most `limit`.
  std::int32_t ReadInteger(std::u16string_view section, std::u16string_view key, std::int32_t fallback,
                           std::int32_t limit = 2147483647) const;
  std::u16string ReadString(std::u16string_view section, std::u16string_view key, std::u16string_view fallback) const;
  bool ReadBool(std::u16string_view section, std::u16string_view key, bool fallback) const;

  const TSkinOptions& Options() const { return options_; }

 private:
  // The first ancestor of `section` (not the section itself) whose value is
  // present and accepted.
  template <typename Accept>
  std::optional<std::u16string_view> FindInAncestors(std::u16string_view section, std::u16string_view key,
                                                     Accept accept) const;

  const TSkinOptions& options_;
};

}  // namespace vorlan::skin
