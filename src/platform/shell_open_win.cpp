#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include <string>

#include "platform/shell_execute_win.h"
#include "platform/shell_open.h"

namespace vorlan::platform {
namespace {
ShellExecuteFunction g_shell_execute = ShellExecuteW;
}  // namespace

ShellExecuteFunction ReplaceShellExecute(ShellExecuteFunction function) {
  const ShellExecuteFunction previous = g_shell_execute;
  g_shell_execute = function ? function : ShellExecuteW;
  return previous;
}

void ShellOpen(std::u16string_view target, void* owner_window) {
  const std::wstring file(target.begin(), target.end());
  g_shell_execute(static_cast<HWND>(owner_window), L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace vorlan::platform
