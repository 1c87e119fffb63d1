#include <cstdlib>

#include "paint/bitmap32.h"
#include "paint/pixel_storage.h"

namespace vorlan::paint {

namespace {
constexpr size_t kAlignment = 64;
}

PixelStorage::PixelStorage(int32_t width, int32_t height, bool /*top_down*/) {
  const size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(height) * 4;
  const size_t rounded = (bytes + kAlignment - 1) / kAlignment * kAlignment;
  bits_ = static_cast<uint8_t*>(std::aligned_alloc(kAlignment, rounded));
  if (bits_ == nullptr) throw BitmapError(kOutOfMemoryMessage);
}

void PixelStorage::Release() noexcept {
  std::free(bits_);
  bits_ = nullptr;
}

}  // namespace vorlan::paint
