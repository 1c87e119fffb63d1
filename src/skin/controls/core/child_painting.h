#pragma once

#include <windows.h>

#include <span>

#include "paint/bitmap32.h"
#include "paint/geometry.h"
#include "ui/win_control.h"

// Painting a container's windowless children (labels, images) over the
// container's skinned background.
namespace vorlan::skin {

// Paints the container's visible windowless children into `dc`, each over
// what lies behind it in the container's picture, at its position plus
// `offset`. A child whose top-left pixel stays the key colour (fully
// transparent) is left out. Runs only when the container is visible or
// onlyWhenVisible is false, and never inside itself.
void PaintGraphicChildren(HDC dc, ui::TWinControl& container, bool onlyWhenVisible, POINT offset = {});

// Takes the bounds of every visible windowless child (moved by the offset)
// out of the DC's clipping, so that a plain fill leaves them alone.
void ExcludeGraphicChildren(HDC dc, const ui::TWinControl& container, POINT offset = {});

// Each rectangle (clipped to the bitmap) becomes colour 0, alpha 0.
void ClearRects(std::span<const paint::TRect> rects, paint::TBitmap32& bitmap);

}  // namespace vorlan::skin
