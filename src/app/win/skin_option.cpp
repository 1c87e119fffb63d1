#include "app/win/skin_option.h"

#include <windows.h>

#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/win/program_arguments.h"

namespace vorlan::app {
namespace {

// The path made absolute against the working directory (the manager would
// take a relative one against the program's own directory).
std::u16string FullPath(const std::u16string& path) {
  const auto* wide = reinterpret_cast<const wchar_t*>(path.c_str());
  const DWORD needed = GetFullPathNameW(wide, 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::wstring full(needed, L'\0');
  const DWORD written = GetFullPathNameW(wide, needed, full.data(), nullptr);
  if (written == 0 || written >= needed) return path;
  full.resize(written);
  return std::u16string(reinterpret_cast<const char16_t*>(full.data()), full.size());
}

std::u16string WithoutPackageExtension(std::u16string name) {
  if (name.size() > 4) {
    std::u16string tail = name.substr(name.size() - 4);
    for (char16_t& c : tail) c = (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c;
    if (tail == u".ASZ") name.resize(name.size() - 4);
  }
  return name;
}

}  // namespace

void ApplySkinOption(skin::TSkinManager& manager) {
  const std::optional<std::u16string> path = SkinArgument(ProgramArguments());
  if (!path) return;
  const std::optional<TSkinLocation> location = SplitSkinPath(FullPath(*path));
  if (!location) return;
  const std::u16string storedDirectory = manager.SkinDirectory();
  const std::u16string storedName = manager.SkinName();
  manager.SetSkinDirectory(location->Directory);
  manager.SetSkinName(location->Name);
  if (manager.SkinName() == WithoutPackageExtension(location->Name)) return;
  // Not loaded (its error box has been shown) or not found: the stored skin
  // again, loaded afresh since a failed load may have left half a skin.
  manager.SetSkinDirectory(storedDirectory);
  manager.SetSkinName(storedName);
}

}  // namespace vorlan::app
