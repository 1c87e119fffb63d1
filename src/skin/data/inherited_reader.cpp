#include "skin/data/inherited_reader.h"

#include <algorithm>

#include "paint/colors.h"

namespace vorlan::skin {
namespace {

std::optional<std::u16string_view> FindKey(const TSkinOptions::Section* section, std::u16string_view key) {
  if (section == nullptr) return std::nullopt;
  for (const TSkinOptions::Entry& entry : section->Entries) {
    if (entry.Key == key) return std::u16string_view(entry.Value);
  }
  return std::nullopt;
}

}  // namespace

InheritedReader::InheritedReader(const TSkinOptions& options, std::u16string_view section)
    : own_(options.FindSection(section)) {
  // A chain ends at a missing or empty PARENTCLASS, a section naming itself,
  // a parent that is not there, or a section already passed (a cycle, whose
  // second round could find nothing new).
  std::u16string_view current = section;
  const TSkinOptions::Section* current_section = own_;
  while (true) {
    const std::u16string_view parent = FindKey(current_section, u"PARENTCLASS").value_or(u"");
    if (parent.empty() || parent == current) return;
    const TSkinOptions::Section* found = options.FindSection(parent);
    if (found == nullptr || found == own_ || std::ranges::find(ancestors_, found) != ancestors_.end()) return;
    ancestors_.push_back(found);
    current = parent;
    current_section = found;
  }
}

template <typename Accept>
std::optional<std::u16string_view> InheritedReader::FindInAncestors(std::u16string_view key, Accept accept) const {
  for (const TSkinOptions::Section* ancestor : ancestors_) {
    const std::optional<std::u16string_view> value = FindKey(ancestor, key);
    if (value && accept(*value)) return value;
  }
  return std::nullopt;
}

std::int32_t InheritedReader::ReadInteger(std::u16string_view key, std::int32_t fallback, std::int32_t limit) const {
  const auto as_value = [](std::u16string_view text) { return ParseSkinInteger(text).value_or(-1); };
  std::int32_t result = fallback;
  const std::optional<std::u16string_view> own = FindKey(own_, key);
  const std::int32_t own_value = own ? as_value(*own) : -1;
  if (own_value != -1) {
    result = own_value;
  } else {
    const auto inherited = FindInAncestors(key, [&](std::u16string_view text) { return as_value(text) != -1; });
    if (inherited) result = paint::ResolveColor(as_value(*inherited));
  }
  return std::min(result, limit);
}

std::u16string InheritedReader::ReadString(std::u16string_view key, std::u16string_view fallback) const {
  if (const auto own = FindKey(own_, key)) return std::u16string(*own);
  if (const auto inherited = FindInAncestors(key, [](std::u16string_view) { return true; })) {
    return std::u16string(*inherited);
  }
  return std::u16string(fallback);
}

bool InheritedReader::ReadBool(std::u16string_view key, bool fallback) const {
  if (const auto own = FindKey(own_, key)) return IsSkinTrue(*own);
  if (const auto inherited = FindInAncestors(key, [](std::u16string_view) { return true; })) {
    return IsSkinTrue(*inherited);
  }
  return fallback;
}

}  // namespace vorlan::skin
