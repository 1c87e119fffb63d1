#pragma once

#include <windows.h>

// The system call behind ShellOpen on Windows, replaceable so that tests can
// see the exact arguments the shell would receive.
namespace vorlan::platform {

using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                                LPCWSTR directory, INT show);

// Puts `function` in the place of ShellExecuteW (nullptr puts ShellExecuteW
// back); returns the one it replaces.
ShellExecuteFunction ReplaceShellExecute(ShellExecuteFunction function);

}  // namespace vorlan::platform
