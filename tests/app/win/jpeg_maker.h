#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace vorlan::app::testing {

// A JPEG picture made in memory: colour (RGB) or greyscale, each pixel from
// `shade(x, y)` (0xRRGGBB; greyscale takes the low byte).
std::vector<uint8_t> MakeJpeg(int width, int height, bool greyscale, const std::function<uint32_t(int, int)>& shade);

}  // namespace vorlan::app::testing
