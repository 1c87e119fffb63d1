#pragma once

#include "writers.h"

namespace skingen {

Image24 DrawButtonHuge();  // 192 x 128: three 64 x 64 states over their mask row
Image24 DrawNet();         // 188 x 830 background mesh
Canvas DrawExtBorder();    // 1454 x 283: inactive and active window shadows
Canvas DrawGlowEdit();     // 22 x 22 focus glow

}  // namespace skingen
