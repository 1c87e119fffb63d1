#include "skin/draw/text_mask8.h"

#include <algorithm>

#include "paint/bitmap32.h"

namespace vorlan::skin {

TMask8::TMask8(int32_t width, int32_t height, uint8_t fill) : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  // The same limits as 32-bit bitmaps, so a runaway text size fails cleanly.
  if (width_ > paint::TBitmap32::kMaxSide || height_ > paint::TBitmap32::kMaxSide ||
      int64_t{width_} * height_ > paint::TBitmap32::kMaxPixels) {
    throw paint::BitmapError(paint::kOutOfMemoryMessage);
  }
  bytes_.assign(static_cast<size_t>(width_) * height_, fill);
}

}  // namespace vorlan::skin
