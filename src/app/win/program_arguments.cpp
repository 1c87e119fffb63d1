#include "app/win/program_arguments.h"

#include <windows.h>
// (needs windows.h before it)
#include <shellapi.h>

#include "app/command_line.h"
#include "platform/handle_win.h"

namespace vorlan::app {

std::vector<std::u16string> ProgramArguments() {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  const platform::UniqueLocalMemory owner(argv);
  std::vector<std::u16string> args;
  for (int i = 1; argv != nullptr && i < count; ++i) args.emplace_back(reinterpret_cast<const char16_t*>(argv[i]));
  return args;
}

void ApplyProgramFolderOption(const std::vector<std::u16string>& args) {
  if (!ProgramFolderArgument(args)) return;
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return;
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t separator = path.find_last_of(L"\\/");
  if (separator == std::wstring::npos) return;
  path.resize(separator);
  // A drive's root keeps its separator ("C:" alone means that drive's
  // current directory).
  if (!path.empty() && path.back() == L':') path += L'\\';
  SetCurrentDirectoryW(path.c_str());
}

}  // namespace vorlan::app
