#pragma once

#include <windows.h>

#include "paint/bitmap32.h"
#include "ui/control.h"

// Copying a whole control tree into one bitmap (the pictures that show and
// hide effects animate).
namespace vorlan::skin {

// What a form's skin provider tells the copy about the form's frame.
struct TProviderFrame {
  bool ExtendedBorder = false;  // wide shadowed borders drawn outside the window
  POINT Offset{};               // the client origin inside the whole-window picture
};

// Copies the control and every visible windowed descendant into the bitmap
// with the control's top-left at (x, y). A hidden control without provider
// gets its parent's background there instead. With a provider that has an
// extended border the copy is not clipped to the control, and the client
// area's alpha becomes 255 afterwards.
void PaintControlToBitmap(paint::TBitmap32& bitmap, ui::TControl& control, int x, const TProviderFrame* provider,
                          int y);

}  // namespace vorlan::skin
