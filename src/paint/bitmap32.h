#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "paint/geometry.h"
#include "paint/pixel_storage.h"
#include "platform/error.h"

// 32-bit bitmaps: width × height pixels of four bytes B, G, R, A (one
// little-endian word 0xAARRGGBB per pixel), reached through the address of
// row 0 and a signed stride.
namespace vorlan::paint {

// Pixel words.
inline constexpr uint32_t kKeyPixel = 0x00FF00FF;    // magenta, alpha 0: transparent in skin images
inline constexpr uint32_t kEmptyPixel = 0x00FFFFFF;  // white, alpha 0: what new bitmaps hold

inline constexpr char kOutOfMemoryMessage[] = "Out of memory";

class BitmapError : public Error {
 public:
  using Error::Error;
};

enum class TRowOrder { BottomUp, TopDown };

// Row access: row y starts at Row0 + y × Stride bytes. Stride is negative for
// bottom-up storage and 0 when the bitmap has one row.
struct TRowAccess {
  uint8_t* Row0 = nullptr;
  ptrdiff_t Stride = 0;

  uint32_t* Row(int32_t y) const { return reinterpret_cast<uint32_t*>(Row0 + y * Stride); }
};

class TBitmap32 {
 public:
  // The largest side and pixel count a bitmap may have; larger requests throw
  // BitmapError rather than overflow a size computation.
  static constexpr int32_t kMaxSide = 65535;
  static constexpr int64_t kMaxPixels = int64_t{1} << 28;

  TBitmap32() = default;
  // Negative sizes count as 0. Every pixel starts as kEmptyPixel.
  TBitmap32(int32_t width, int32_t height, TRowOrder order = TRowOrder::BottomUp);

  // A moved-from bitmap is empty.
  TBitmap32(TBitmap32&& other) noexcept;
  TBitmap32& operator=(TBitmap32&& other) noexcept;
  TBitmap32(const TBitmap32&) = delete;
  TBitmap32& operator=(const TBitmap32&) = delete;

  // A pixel-for-pixel copy with the same size and row order.
  TBitmap32 Clone() const;

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  TSize Size() const { return {width_, height_}; }
  TRect Bounds() const { return {0, 0, width_, height_}; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  TRowOrder Order() const { return order_; }

  // Fails (nullopt) when the bitmap holds no pixels; the caller then paints nothing.
  std::optional<TRowAccess> Rows() const;

  // Unchecked row pointer; y must be inside the bitmap.
  uint32_t* Row(int32_t y) const { return reinterpret_cast<uint32_t*>(row0_ + y * stride_); }
  // Single-pixel access for the rare per-pixel cases; coordinates outside
  // the bitmap read 0 and write nothing.
  uint32_t Pixel(int32_t x, int32_t y) const;
  void SetPixel(int32_t x, int32_t y, uint32_t value);
  bool Contains(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // The HBITMAP of the DIB section on Windows, null elsewhere.
  void* NativeHandle() const { return storage_.NativeHandle(); }

 private:
  PixelStorage storage_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  TRowOrder order_ = TRowOrder::BottomUp;
  uint8_t* row0_ = nullptr;
  ptrdiff_t stride_ = 0;
};

// New bitmaps whose pixels all start as kEmptyPixel.
TBitmap32 NewBitmap32(int32_t width, int32_t height);
TBitmap32 NewBitmap32(const TRect& rect);
TBitmap32 NewBitmap32(const TSize& size);
TBitmap32 NewBitmap32(const TBitmap32& same_size_as);

}  // namespace vorlan::paint
