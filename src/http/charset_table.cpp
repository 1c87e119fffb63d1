#include "http/charset_table.h"

#include <string>
#include <unordered_map>

#include "http/charset_names.h"
#include "platform/ascii.h"

namespace vorlan::http {
namespace {

const std::unordered_map<std::string, unsigned>& CodePagesByName() {
  static const std::unordered_map<std::string, unsigned> table = [] {
    std::unordered_map<std::string, unsigned> map;
    for (const CharsetEntry& entry : CharsetEntries())
      map.emplace(platform::AsciiLowerCopy(entry.name), entry.code_page);
    return map;
  }();
  return table;
}

}  // namespace

unsigned CharsetCodePage(std::string_view name) {
  const auto& table = CodePagesByName();
  const auto found = table.find(platform::AsciiLowerCopy(name));
  return found == table.end() ? 0 : found->second;
}

bool IsKnownCharset(std::string_view name) { return CodePagesByName().contains(platform::AsciiLowerCopy(name)); }

}  // namespace vorlan::http
