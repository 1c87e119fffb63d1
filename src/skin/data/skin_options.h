#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The options dialect of skins: INI text with sections in file order and
// case-sensitive names.
namespace vorlan::skin {

class TSkinOptions {
 public:
  struct Entry {
    std::u16string Key;
    std::u16string Value;
  };
  struct Section {
    std::u16string Name;
    std::vector<Entry> Entries;  // every "key=value" line, in file order
  };

  TSkinOptions() = default;
  // Text with a UTF-8 or UTF-16 byte order mark, else in the ANSI code page.
  static TSkinOptions FromBytes(std::span<const std::uint8_t> bytes);
  static TSkinOptions FromText(std::u16string_view text);

  // Every section in file order; a name written twice occurs twice.
  const std::vector<Section>& Sections() const { return sections_; }
  // The first section of that exact name.
  const Section* FindSection(std::u16string_view name) const;
  // The value of the first such key of the first such section.
  std::optional<std::u16string_view> Find(std::u16string_view section, std::u16string_view key) const;

  std::u16string ReadString(std::u16string_view section, std::u16string_view key, std::u16string_view fallback) const;
  std::int32_t ReadInteger(std::u16string_view section, std::u16string_view key, std::int32_t fallback) const;
  // "TRUE" or "1" is true, any other present value false.
  bool ReadBool(std::u16string_view section, std::u16string_view key, bool fallback) const;
  // A decimal fraction with "." as its separator.
  double ReadFloat(std::u16string_view section, std::u16string_view key, double fallback) const;

 private:
  // Looks names up by view, with no string made per lookup.
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view name) const { return std::hash<std::u16string_view>{}(name); }
  };

  std::vector<Section> sections_;
  // name -> index of its first occurrence
  std::unordered_map<std::u16string, std::size_t, NameHash, std::equal_to<>> first_section_;
};

// Decimal with an optional sign, or hexadecimal after "$" or "0x"; nothing
// when the text is not such a 32-bit number.
std::optional<std::int32_t> ParseSkinInteger(std::u16string_view text);
std::optional<double> ParseSkinFloat(std::u16string_view text);
bool IsSkinTrue(std::u16string_view value);
// Leading and trailing characters up to the space removed.
std::u16string_view TrimSkinText(std::u16string_view text);

}  // namespace vorlan::skin
