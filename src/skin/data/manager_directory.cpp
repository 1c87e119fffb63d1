#include "skin/data/manager_directory.h"
#include "platform/ascii.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/text.h"
#include "skin/data/skin_files.h"
#include "skin/data/skin_package.h"

namespace vorlan::skin {

std::u16string WithoutPackageExtension(std::u16string_view name) {
  if (name.size() > 4 && platform::AsciiUpperCopy(name.substr(name.size() - 4)) == u".ASZ") {
    name.remove_suffix(4);
  }
  return std::u16string(name);
}

std::u16string WithTrailingBackslash(std::u16string_view directory) {
  std::u16string out(directory);
  if (out.size() == 1 && out != u"\\" && out != u"/") return out + u":\\";
  if (!out.empty() && out.back() == u'/') {
    out.back() = u'\\';
  } else if (out.empty() || out.back() != u'\\') {
    out += u'\\';
  }
  return out;
}

namespace {
// The parent of a directory that ends in a separator, with its separator.
std::u16string ParentDirectory(std::u16string_view dir) {
  std::u16string_view trimmed = dir;
  while (!trimmed.empty() && (trimmed.back() == u'\\' || trimmed.back() == u'/')) trimmed.remove_suffix(1);
  const auto cut = trimmed.find_last_of(u"\\/");
  if (cut == std::u16string_view::npos) return std::u16string(dir);
  return std::u16string(trimmed.substr(0, cut + 1));
}
}  // namespace

std::u16string ResolveSkinDirectory(std::u16string_view value, std::u16string_view program_dir) {
  std::u16string result;
  if (value.starts_with(u"..")) {
    result = ParentDirectory(program_dir) + std::u16string(value.substr(std::min<size_t>(3, value.size())));
  } else if (value.starts_with(u".\\") || value.starts_with(u"./")) {
    result = std::u16string(program_dir) + std::u16string(value.substr(2));
  } else if (value == u".") {
    result = program_dir;
  } else if (value.find(u':') == std::u16string_view::npos && value.find(u"\\\\") == std::u16string_view::npos &&
             !value.starts_with(u"/")) {
    result = std::u16string(program_dir) + std::u16string(value);
  } else {
    result = value;  // a full path ("/" starts one on POSIX systems)
  }
  return WithTrailingBackslash(result);
}

std::vector<std::u16string> FindSkinsInDirectory(std::u16string_view directory, TSkinTypes type) {
  std::vector<std::u16string> names;
  std::error_code ec;
  const std::filesystem::path dir = SkinFilePath(directory);
  if (!std::filesystem::is_directory(dir, ec)) return names;
  for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
    const std::u8string utf8 = entry.path().filename().u8string();
    const std::u16string name = platform::Utf8ToUtf16(std::string(utf8.begin(), utf8.end()));
    if (name.empty() || name.front() == u'.') continue;
    std::error_code entry_ec;
    if (entry.is_directory(entry_ec)) {
      if (type != stPacked && std::filesystem::exists(entry.path() / kOptionsFileName, entry_ec)) {
        names.push_back(name);
      }
    } else if (type != stUnpacked && name.size() > 4 && name.ends_with(u".asz")) {
      names.push_back(name.substr(0, name.size() - 4));
    }
  }
  return names;
}

void SortSkinNames(std::vector<std::u16string>& names) {
  std::stable_sort(names.begin(), names.end(), [](const std::u16string& a, const std::u16string& b) {
    return platform::AsciiUpperCopy(a) < platform::AsciiUpperCopy(b);
  });
}

}  // namespace vorlan::skin
