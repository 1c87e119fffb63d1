#pragma once

#include <cstdint>
#include <vector>

#include "paint/geometry.h"
#include "skin/data/loaded_skin.h"

// The window's visible shape: its rectangle minus the key-coloured corner
// pixels of the frame's border images.
namespace vorlan::skin {

// One-pixel-high rectangles (window coordinates) cut out of a W × H window:
// the key-colour runs in the four corners of the first frame of the form's
// border image, then in the two top corners of the title's border image.
// An invalid index adds nothing.
std::vector<paint::TRect> CornerCutouts(const TLoadedSkin& skin, std::int32_t formBorderIndex,
                                        std::int32_t titleBorderIndex, std::int32_t width, std::int32_t height);

}  // namespace vorlan::skin
