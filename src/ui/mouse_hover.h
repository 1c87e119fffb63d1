#pragma once

#include <windows.h>

namespace vorlan::ui {

class TControl;
class TWinControl;

// Which control the mouse is over, process-wide. A control the mouse comes
// onto gets CM_MOUSEENTER, the one it leaves CM_MOUSELEAVE, windowless
// controls included (their parent window sees the movement for them).

// The mouse moved over `window` at a point of its client area.
void MouseMovedOver(TWinControl& window, POINT point);
// The mouse left the window (WM_MOUSELEAVE).
void MouseLeftWindow(TWinControl& window);
// The control is going away: it is no longer the one under the mouse.
void ForgetMouseControl(const TControl& control);
// The control under the mouse, if any.
TControl* MouseControl();

}  // namespace vorlan::ui
