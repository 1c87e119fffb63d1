#pragma once

#include <string>

#include "rgb_image.h"

namespace landscapes {

// Writes the picture as a baseline JPEG; false with a message on failure.
bool WriteJpeg(const RgbImage& image, const std::string& path, int quality, std::string& error);

}  // namespace landscapes
