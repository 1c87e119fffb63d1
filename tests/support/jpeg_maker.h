#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// Pictures for the decoder and banner tests, made with libjpeg's compressor.
namespace vorlan::testing {

// sample(x, y, component) for 1 (grey), 3 (RGB) or 4 (CMYK) components.
using JpegSample = std::function<int(int x, int y, int component)>;

std::vector<uint8_t> MakeJpeg(int width, int height, int components, const JpegSample& sample, int quality = 95,
                              bool progressive = false);

// An RGB picture from `shade(x, y)` = 0xRRGGBB.
std::vector<uint8_t> MakeRgbJpeg(int width, int height, const std::function<uint32_t(int, int)>& shade);

}  // namespace vorlan::testing
