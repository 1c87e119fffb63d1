#include <windows.h>

#include <utility>

#include "paint/bitmap32.h"
#include "paint/pixel_storage.h"
#include "platform/handle_win.h"

namespace vorlan::paint {

PixelStorage::PixelStorage(int32_t width, int32_t height, bool top_down) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = top_down ? -height : height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  platform::UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || bits == nullptr) throw BitmapError(kOutOfMemoryMessage);
  handle_ = bitmap.release();
  // GDI may still be writing to the section from an earlier batch.
  GdiFlush();
  bits_ = static_cast<uint8_t*>(bits);
}

void PixelStorage::Release() noexcept {
  platform::UniqueBitmap owned(static_cast<HBITMAP>(std::exchange(handle_, nullptr)));
  bits_ = nullptr;
}

}  // namespace vorlan::paint
