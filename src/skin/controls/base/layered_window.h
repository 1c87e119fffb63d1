#pragma once

#include <windows.h>

#include <cstdint>

#include "paint/bitmap32.h"

// The plain top-level windows that show a 32-bit picture with per-pixel
// alpha over everything else: glows, title-button fades, the show and hide
// effects.
namespace vorlan::skin {

// The window class `name` with `procedure`, registered once in this module;
// null when it cannot be registered.
const wchar_t* PictureWindowClass(const wchar_t* name, WNDPROC procedure);

// Shows the picture (premultiplied, with its own alpha) in a layered window
// with its top-left corner at `at` (screen) and a constant alpha over it.
bool ShowLayeredPicture(HWND window, const paint::TBitmap32& picture, POINT at, std::uint8_t alpha);
// The same at the window's own place.
bool ShowLayeredPicture(HWND window, const paint::TBitmap32& picture, std::uint8_t alpha);

}  // namespace vorlan::skin
