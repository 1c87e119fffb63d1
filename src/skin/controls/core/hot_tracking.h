#pragma once

#include <windows.h>

#include "ui/control.h"

// The manager's record of the control under the mouse: the window and the
// windowless control that look hot now. The one left gets scMouseLeave, the
// one entered scMouseEnter (LParam: the manager); every 100 ms a timer of
// the user-interface thread checks that the mouse is still over the window.
namespace vorlan::skin {

class TSkinManager;

// manager none: the default manager's record.
void SetActiveControl(TSkinManager* manager, HWND window);
void SetActiveGraphControl(TSkinManager* manager, ui::TControl* control);
HWND ActiveControl(const TSkinManager* manager);
ui::TControl* ActiveGraphControl(const TSkinManager* manager);

// The timer's check, also callable at once: a window the mouse has left is
// told (LParam: the window itself) and forgotten, with the windowless one.
void TimerCheckHot(TSkinManager* manager);
// True while the manager's timer runs.
bool HotCheckRunning(const TSkinManager* manager);

// A windowless control that goes away leaves every record.
void ForgetHotControl(const ui::TControl& control);

}  // namespace vorlan::skin
