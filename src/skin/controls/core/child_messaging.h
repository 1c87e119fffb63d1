#pragma once

#include <windows.h>

#include <functional>

#include "ui/types.h"
#include "ui/win_control.h"

// Messages from a container to its children: broadcasts, and the
// "update done" repaint after a container has changed.
namespace vorlan::skin {

// Says whether the broadcast skips the children of a windowed child that
// the skin does not handle (true = skip). One for the whole application.
using TBroadcastSkipFilter = std::function<bool(ui::TWinControl& child)>;
void SetBroadcastSkipFilter(TBroadcastSkipFilter filter);

// Every child in order gets the message: windowless ones (and windowed ones
// without window) straight through their chain, windowed ones that the skin
// handles through their window; other windowed children pass it on to their
// own children. Stops at the first child that is being destroyed.
void BroadcastToChildControls(ui::TWinControl& container, const ui::TMessage& message);

// SendMessage to every direct child window of the window.
void BroadcastToChildWindows(HWND window, const ui::TMessage& message);

// The control can be painted now: a window when windowed, a parent, and not
// loading or being destroyed.
bool CanBeShown(const ui::TControl& control);

// scUpdateDone to every child that can take it (windowless, or windowed,
// with a window and showing); nothing while an animation is in progress.
void RepaintChildren(ui::TControl& control);

// scUpdateDone to every child window (WS_CHILD) of the window, in z-order.
void RepaintChildWindows(HWND window);

}  // namespace vorlan::skin
