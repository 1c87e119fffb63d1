#include "skin/data/inherited_reader.h"

#include <algorithm>

#include "paint/colors.h"
#include "skin/data/skin_loader.h"

namespace vorlan::skin {

template <typename Accept>
std::optional<std::u16string_view> InheritedReader::FindInAncestors(std::u16string_view section,
                                                                    std::u16string_view key, Accept accept) const {
  // A chain longer than the number of sections has come back to a section
  // already seen: a cycle, which ends as not found.
  std::size_t steps_left = options_.Sections().size();
  std::u16string_view current = section;
  while (steps_left-- > 0) {
    const std::u16string_view parent = options_.Find(current, u"PARENTCLASS").value_or(u"");
    if (parent.empty() || parent == current) return std::nullopt;
    const std::optional<std::u16string_view> value = options_.Find(parent, key);
    if (value && accept(*value)) return value;
    current = parent;
  }
  return std::nullopt;
}

std::int32_t InheritedReader::ReadInteger(std::u16string_view section, std::u16string_view key, std::int32_t fallback,
                                          std::int32_t limit) const {
  const auto as_value = [](std::u16string_view text) { return ParseSkinInteger(text).value_or(-1); };
  std::int32_t result = fallback;
  const std::optional<std::u16string_view> own = options_.Find(section, key);
  if (own && as_value(*own) != -1) {
    result = as_value(*own);
  } else {
    const auto inherited =
        FindInAncestors(section, key, [&](std::u16string_view text) { return as_value(text) != -1; });
    if (inherited) result = paint::ResolveColor(as_value(*inherited));
  }
  return std::min(result, limit);
}

std::u16string InheritedReader::ReadString(std::u16string_view section, std::u16string_view key,
                                           std::u16string_view fallback) const {
  if (const auto own = options_.Find(section, key)) return std::u16string(*own);
  if (const auto inherited = FindInAncestors(section, key, [](std::u16string_view) { return true; })) {
    return std::u16string(*inherited);
  }
  return std::u16string(fallback);
}

bool InheritedReader::ReadBool(std::u16string_view section, std::u16string_view key, bool fallback) const {
  if (const auto own = options_.Find(section, key)) return IsSkinTrue(*own);
  if (const auto inherited = FindInAncestors(section, key, [](std::u16string_view) { return true; })) {
    return IsSkinTrue(*inherited);
  }
  return fallback;
}

}  // namespace vorlan::skin
