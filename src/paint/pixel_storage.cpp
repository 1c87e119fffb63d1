#include "paint/pixel_storage.h"

#include <utility>

// Ownership moves alike on every system; allocating and releasing the
// pixels are the system's (pixel_storage_posix.cpp, pixel_storage_win.cpp).
namespace vorlan::paint {

PixelStorage::~PixelStorage() { Release(); }

PixelStorage::PixelStorage(PixelStorage&& other) noexcept
    : bits_(std::exchange(other.bits_, nullptr)), handle_(std::exchange(other.handle_, nullptr)) {}

PixelStorage& PixelStorage::operator=(PixelStorage&& other) noexcept {
  if (this != &other) {
    Release();
    bits_ = std::exchange(other.bits_, nullptr);
    handle_ = std::exchange(other.handle_, nullptr);
  }
  return *this;
}

}  // namespace vorlan::paint
