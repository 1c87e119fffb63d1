#pragma once

#include <cstdint>

// The memory behind a 32-bit bitmap. On Windows it is a DIB section, so GDI
// can select it into a device context and draw on it; elsewhere plain
// memory. Rows are width × 4 bytes with no padding, stored bottom-up or
// top-down as asked.
namespace vorlan::paint {

class PixelStorage {
 public:
  PixelStorage() = default;
  // Throws BitmapError when the system refuses the memory.
  PixelStorage(int32_t width, int32_t height, bool top_down);
  ~PixelStorage();

  PixelStorage(PixelStorage&& other) noexcept;
  PixelStorage& operator=(PixelStorage&& other) noexcept;
  PixelStorage(const PixelStorage&) = delete;
  PixelStorage& operator=(const PixelStorage&) = delete;

  uint8_t* Bits() const { return bits_; }
  // The HBITMAP of the DIB section on Windows; null elsewhere.
  void* NativeHandle() const { return handle_; }

 private:
  void Release() noexcept;

  uint8_t* bits_ = nullptr;
  void* handle_ = nullptr;
};

}  // namespace vorlan::paint
