#pragma once

#include <windows.h>

#include "skin/controls/core/common_data.h"
#include "ui/win_control.h"

namespace vorlan::skin {

// Shows part `source` of the data's cache at `target` of the device context,
// leaving out the areas of the container's children that paint themselves
// (windowless children; their bounds moved by (dx, dy)). With repairCorners
// the border's corners are first redrawn over the parent's current picture.
void CopyCacheToDC(const ui::TWinControl* container, TSkinCommonData& data, const RECT& source, int dy, int dx,
                   bool repairCorners, HDC dc, const RECT& target);

}  // namespace vorlan::skin
