#include <windows.h>

#include <string>

#include "skin/data/manager_directory.h"

namespace vorlan::skin {

std::u16string ProgramDirectory() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const auto slash = path.find_last_of(L"\\/");
  path.erase(slash == std::wstring::npos ? 0 : slash + 1);
  return std::u16string(path.begin(), path.end());
}

}  // namespace vorlan::skin
