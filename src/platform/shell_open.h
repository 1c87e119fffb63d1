#pragma once

#include <string_view>

namespace vorlan::platform {

// Asks the desktop shell to open a file or address with its "open" verb
// (on Windows ShellExecuteW with `owner_window` as the owner and
// SW_SHOWNORMAL; elsewhere xdg-open when it is installed). Does not wait
// for the program that opens it, and reports no failure.
void ShellOpen(std::u16string_view target, void* owner_window = nullptr);

}  // namespace vorlan::platform
