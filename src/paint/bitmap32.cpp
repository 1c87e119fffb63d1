#include "paint/bitmap32.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace vorlan::paint {

TBitmap32::TBitmap32(int32_t width, int32_t height, TRowOrder order)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), order_(order) {
  if (width_ == 0 || height_ == 0) {
    width_ = height_ = 0;
    return;
  }
  if (width_ > kMaxSide || height_ > kMaxSide || int64_t{width_} * height_ > kMaxPixels) {
    throw BitmapError(kOutOfMemoryMessage);
  }
  storage_ = PixelStorage(width_, height_, order_ == TRowOrder::TopDown);
  const ptrdiff_t row_bytes = ptrdiff_t{width_} * 4;
  if (order_ == TRowOrder::TopDown) {
    row0_ = storage_.Bits();
    stride_ = row_bytes;
  } else {
    row0_ = storage_.Bits() + (height_ - 1) * row_bytes;
    stride_ = -row_bytes;
  }
  if (height_ == 1) stride_ = 0;
  for (int32_t y = 0; y < height_; ++y) std::fill_n(Row(y), width_, kEmptyPixel);
}

TBitmap32::TBitmap32(TBitmap32&& other) noexcept
    : storage_(std::move(other.storage_)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      order_(other.order_),
      row0_(std::exchange(other.row0_, nullptr)),
      stride_(std::exchange(other.stride_, 0)) {}

TBitmap32& TBitmap32::operator=(TBitmap32&& other) noexcept {
  if (this != &other) {
    storage_ = std::move(other.storage_);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    order_ = other.order_;
    row0_ = std::exchange(other.row0_, nullptr);
    stride_ = std::exchange(other.stride_, 0);
  }
  return *this;
}

TBitmap32 TBitmap32::Clone() const {
  TBitmap32 copy(width_, height_, order_);
  for (int32_t y = 0; y < height_; ++y) std::memcpy(copy.Row(y), Row(y), size_t(width_) * 4);
  return copy;
}

std::optional<TRowAccess> TBitmap32::Rows() const {
  if (Empty()) return std::nullopt;
  return TRowAccess{row0_, stride_};
}

uint32_t TBitmap32::Pixel(int32_t x, int32_t y) const { return Contains(x, y) ? Row(y)[x] : 0; }

void TBitmap32::SetPixel(int32_t x, int32_t y, uint32_t value) {
  if (Contains(x, y)) Row(y)[x] = value;
}

TBitmap32 NewBitmap32(int32_t width, int32_t height) { return TBitmap32(width, height); }
TBitmap32 NewBitmap32(const TRect& rect) { return TBitmap32(rect.Width(), rect.Height()); }
TBitmap32 NewBitmap32(const TSize& size) { return TBitmap32(size.Width, size.Height); }
TBitmap32 NewBitmap32(const TBitmap32& same_size_as) { return TBitmap32(same_size_as.Width(), same_size_as.Height()); }

}  // namespace vorlan::paint
