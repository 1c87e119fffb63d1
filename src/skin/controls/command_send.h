#pragma once

#include <windows.h>

#include <cstdint>

#include "skin/data/skin_commands.h"
#include "ui/control.h"

// Sending a skin command from the common control handling: to a window, or
// to a control through its window when it has one and its message chain
// otherwise. A control that is going away answers 0.
namespace vorlan::skin::detail {

std::intptr_t SendCommand(HWND window, TSkinCommand command, std::intptr_t lparam = 0, std::uint16_t lowWord = 0);
std::intptr_t SendCommand(ui::TControl& control, TSkinCommand command, std::intptr_t lparam = 0,
                          std::uint16_t lowWord = 0);
// The command to every child control of a windowed control.
void SendToChildren(ui::TControl& control, TSkinCommand command, std::intptr_t lparam = 0, std::uint16_t lowWord = 0,
                    bool windowedOnly = false);
// The control handles skin commands itself (answers scIsSkinned with 1).
bool IsSkinnedControl(ui::TControl& control);

}  // namespace vorlan::skin::detail
