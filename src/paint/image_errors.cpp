#include "paint/image_errors.h"

#include <cstdio>

namespace vorlan::paint {

std::string JpegErrorMessage(int code) {
  char text[48];
  std::snprintf(text, sizeof text, kJpegErrorFormat, code);
  return text;
}

JpegError::JpegError(int code) : ImageError(JpegErrorMessage(code)), code_(code) {}

}  // namespace vorlan::paint
