#include "skin/data/skin_options.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "platform/text.h"
#include "skin/data/ansi_text.h"

namespace vorlan::skin {
namespace {

std::u16string DecodeUtf16(std::span<const std::uint8_t> bytes, bool big_endian) {
  std::u16string text;
  text.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const unsigned first = bytes[i];
    const unsigned second = bytes[i + 1];
    text.push_back(static_cast<char16_t>(big_endian ? (first << 8) | second : (second << 8) | first));
  }
  return text;
}

std::u16string DecodeOptionsText(std::span<const std::uint8_t> bytes) {
  if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
    return platform::Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(bytes.data()) + 3, bytes.size() - 3));
  }
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) return DecodeUtf16(bytes.subspan(2), false);
  if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) return DecodeUtf16(bytes.subspan(2), true);
  return AnsiToUtf16(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

int DigitValue(char16_t c, int base) {
  int value = 99;
  if (c >= u'0' && c <= u'9') value = c - u'0';
  if (c >= u'a' && c <= u'f') value = c - u'a' + 10;
  if (c >= u'A' && c <= u'F') value = c - u'A' + 10;
  return value < base ? value : -1;
}

}  // namespace

std::u16string_view TrimSkinText(std::u16string_view text) {
  while (!text.empty() && text.front() <= u' ') text.remove_prefix(1);
  while (!text.empty() && text.back() <= u' ') text.remove_suffix(1);
  return text;
}

TSkinOptions TSkinOptions::FromBytes(std::span<const std::uint8_t> bytes) { return FromText(DecodeOptionsText(bytes)); }

TSkinOptions TSkinOptions::FromText(std::u16string_view text) {
  TSkinOptions options;
  Section* current = nullptr;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of(u"\r\n", start);
    if (end == std::u16string_view::npos) end = text.size();
    const std::u16string_view line = TrimSkinText(text.substr(start, end - start));
    // CR LF ends one line, not two.
    start = end + ((end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n') ? 2 : 1);
    if (line.empty() || line.front() == u';') continue;
    if (line.front() == u'[' && line.back() == u']' && line.size() >= 2) {
      options.sections_.push_back(Section{std::u16string(TrimSkinText(line.substr(1, line.size() - 2))), {}});
      options.first_section_.try_emplace(options.sections_.back().Name, options.sections_.size() - 1);
      current = &options.sections_.back();
      continue;
    }
    const std::size_t equals = line.find(u'=');
    if (current == nullptr || equals == std::u16string_view::npos) continue;
    current->Entries.push_back(Entry{std::u16string(TrimSkinText(line.substr(0, equals))),
                                     std::u16string(TrimSkinText(line.substr(equals + 1)))});
  }
  return options;
}

const TSkinOptions::Section* TSkinOptions::FindSection(std::u16string_view name) const {
  const auto found = first_section_.find(name);
  return found == first_section_.end() ? nullptr : &sections_[found->second];
}

std::optional<std::u16string_view> TSkinOptions::Find(std::u16string_view section, std::u16string_view key) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return std::nullopt;
  for (const Entry& entry : found->Entries) {
    if (entry.Key == key) return std::u16string_view(entry.Value);
  }
  return std::nullopt;
}

std::u16string TSkinOptions::ReadString(std::u16string_view section, std::u16string_view key,
                                        std::u16string_view fallback) const {
  return std::u16string(Find(section, key).value_or(fallback));
}

std::int32_t TSkinOptions::ReadInteger(std::u16string_view section, std::u16string_view key,
                                       std::int32_t fallback) const {
  const auto value = Find(section, key);
  if (!value) return fallback;
  return ParseSkinInteger(*value).value_or(fallback);
}

bool TSkinOptions::ReadBool(std::u16string_view section, std::u16string_view key, bool fallback) const {
  const auto value = Find(section, key);
  return value ? IsSkinTrue(*value) : fallback;
}

double TSkinOptions::ReadFloat(std::u16string_view section, std::u16string_view key, double fallback) const {
  const auto value = Find(section, key);
  if (!value) return fallback;
  return ParseSkinFloat(*value).value_or(fallback);
}

bool IsSkinTrue(std::u16string_view value) { return value == u"TRUE" || value == u"1"; }

std::optional<std::int32_t> ParseSkinInteger(std::u16string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
    negative = text.front() == u'-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (!text.empty() && text.front() == u'$') {
    base = 16;
    text.remove_prefix(1);
  } else if (text.size() >= 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  // Hexadecimal covers the whole 32 bits ($FFFFFFFF is -1); decimal the signed range.
  const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  std::uint64_t value = 0;
  for (const char16_t c : text) {
    const int digit = DigitValue(c, base);
    if (digit < 0) return std::nullopt;
    value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    if (value > limit) return std::nullopt;
  }
  const auto bits = static_cast<std::uint32_t>(negative ? 0 - value : value);
  return static_cast<std::int32_t>(bits);
}

std::optional<double> ParseSkinFloat(std::u16string_view text) {
  std::string ascii;
  for (const char16_t c : text) {
    const bool allowed = (c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'+' || c == u'e' || c == u'E';
    if (!allowed) return std::nullopt;
    ascii.push_back(static_cast<char>(c));
  }
  if (!ascii.empty() && ascii.front() == '+') ascii.erase(0, 1);
  double value = 0;
  const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (ascii.empty() || error != std::errc() || end != ascii.data() + ascii.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

}  // namespace vorlan::skin
