#include "app/command_line.h"

#include <algorithm>

namespace vorlan::app {
namespace {

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

}  // namespace

std::optional<std::u16string> SkinArgument(std::span<const std::u16string> args) {
  std::optional<std::u16string> path;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != kSkinOption) continue;
    if (i + 1 == args.size()) break;  // the option without its value
    ++i;
    path = args[i].empty() ? std::nullopt : std::optional<std::u16string>(args[i]);
  }
  return path;
}

bool ProgramFolderArgument(std::span<const std::u16string> args) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == kSkinOption) {
      ++i;
    } else if (args[i] == kProgramFolderOption) {
      return true;
    }
  }
  return false;
}

std::optional<TSkinLocation> SplitSkinPath(std::u16string_view fullPath) {
  // A directory may be written with a separator after it.
  while (!fullPath.empty() && IsSeparator(fullPath.back())) fullPath.remove_suffix(1);
  std::size_t separator = fullPath.size();
  while (separator > 0 && !IsSeparator(fullPath[separator - 1])) --separator;
  if (separator == 0 || separator == fullPath.size()) return std::nullopt;
  const std::u16string_view name = fullPath.substr(separator);
  if (name == u"." || name == u".." || name.back() == u':') return std::nullopt;
  std::u16string directory(fullPath.substr(0, separator - 1));
  std::replace(directory.begin(), directory.end(), u'/', u'\\');
  directory += u'\\';
  return TSkinLocation{directory, std::u16string(name)};
}

}  // namespace vorlan::app
