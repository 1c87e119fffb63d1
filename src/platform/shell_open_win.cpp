#include <windows.h>
// shellapi.h needs the declarations of windows.h.
#include <shellapi.h>

#include <string>

#include "platform/shell_open.h"

namespace vorlan::platform {

void ShellOpen(std::u16string_view target, void* owner_window) {
  const std::wstring file(target.begin(), target.end());
  ShellExecuteW(static_cast<HWND>(owner_window), L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace vorlan::platform
