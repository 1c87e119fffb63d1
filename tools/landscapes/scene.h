#pragma once

#include <cstdint>

#include "rgb_image.h"

namespace landscapes {

// A landscape of sky, sun, clouds, mountains, hills with trees, a lake that
// mirrors them and a near shore; the same seed always draws the same picture.
RgbImage DrawLandscape(int width, int height, uint32_t seed);

}  // namespace landscapes
