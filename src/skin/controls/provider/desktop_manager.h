#pragma once

#include <windows.h>

#include <functional>

// The desktop window manager of a composing desktop, where the running
// system has one: whether it composes, and the window attributes the
// provider tells it. Its functions are looked up at run time; everything
// goes through the two calls below, so that a stand-in can take their place.
namespace vorlan::skin {

// The attribute that keeps the desktop's own show, hide and minimise
// transitions off a window.
inline constexpr DWORD kDwmTransitionsForceDisabled = 3;

struct TDesktopManagerCalls {
  std::function<bool()> CompositionEnabled;
  std::function<void(HWND window, DWORD attribute, BOOL value)> SetWindowAttribute;
};

// Puts `calls` in the place of the system's (empty calls: the system's
// again); returns the previous ones.
TDesktopManagerCalls SetDesktopManagerCalls(TDesktopManagerCalls calls);

// A function of the desktop window manager's library; none where there is none.
FARPROC DesktopManagerProc(const char* name);
// Desktop composition is on (never where the platform has none).
bool CompositionEnabled();
// The desktop's transitions of `window` off (disabled) or on again, told
// only while the desktop composes.
void SetWindowTransitions(HWND window, bool disabled);

}  // namespace vorlan::skin
