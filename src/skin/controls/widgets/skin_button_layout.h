#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "paint/bitmap32.h"
#include "paint/colors.h"
#include "paint/geometry.h"
#include "skin/draw/image_entry.h"

// The geometry of a skinned button's picture: where its caption and focus
// mark go, which state of its section it shows, and which corner pixels its
// window region leaves out.
namespace vorlan::skin {

// A measured caption of size `measured` centred in a button of width × height.
RECT ButtonCaptionRect(SIZE measured, int width, int height);

// Where a wrapped caption is drawn: the caption rectangle widened evenly to
// at least `available`, the width it was measured in, so that the text
// breaks into the lines that were measured (a box only as wide as the
// widest line may break once more where a trailing space no longer fits).
RECT CaptionDrawRect(const RECT& caption, int available);

// The focus mark around a caption: FocusMargin + 1 wider on each side,
// FocusMargin higher, kept 3 pixels inside the top and bottom edges.
RECT FocusMarkRect(const RECT& caption, int focusMargin, int height);

// The dotted outline of r: every second pixel along each edge, counted from
// the far end; the right and bottom edges one pixel inside r. Pixels outside
// the bitmap are skipped.
void DrawFocusDots(paint::TBitmap32& bmp, const RECT& r, paint::TColor color);

// The section state that shows a button state: state limited to the
// section's states, the default look (3) shown as hot on sections with fewer
// than four.
std::int32_t PaintedButtonState(std::int32_t state, std::int32_t states);

// The key-coloured pixels of the border image's corners for a rectangle of
// width × height in `state`, as runs one pixel high; none when the border is
// not drawn in that state.
std::vector<paint::TRect> BorderCornerHoles(const TImageEntry& image, std::int32_t width, std::int32_t height,
                                            std::int32_t state);

}  // namespace vorlan::skin
