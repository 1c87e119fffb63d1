#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "paint/geometry.h"

// 8-bit grey masks of rendered text: 255 is paper (no text), 0 is solid ink.
namespace vorlan::skin {

// Rows of a mask that someone else owns (an 8-bit device-independent bitmap
// on Windows, a TMask8 elsewhere): row y starts at Row0 + y × Stride bytes,
// so padded and bottom-up rows are reached the same way.
struct TMask8View {
  uint8_t* Row0 = nullptr;
  ptrdiff_t Stride = 0;
  int32_t Width = 0;
  int32_t Height = 0;

  bool Empty() const { return Row0 == nullptr || Width <= 0 || Height <= 0; }
  uint8_t* Row(int32_t y) const { return Row0 + y * Stride; }
  paint::TSize Size() const { return {Width, Height}; }
};

// A mask in plain memory, top-down without padding; a new mask is all paper.
class TMask8 {
 public:
  TMask8() = default;
  // Negative sizes count as 0.
  TMask8(int32_t width, int32_t height, uint8_t fill = 255);

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  paint::TSize Size() const { return {width_, height_}; }
  uint8_t At(int32_t x, int32_t y) const { return bytes_[Index(x, y)]; }
  void Set(int32_t x, int32_t y, uint8_t value) { bytes_[Index(x, y)] = value; }
  TMask8View View() { return {bytes_.data(), width_, width_, height_}; }

 private:
  size_t Index(int32_t x, int32_t y) const { return static_cast<size_t>(y) * width_ + x; }

  std::vector<uint8_t> bytes_;
  int32_t width_ = 0;
  int32_t height_ = 0;
};

}  // namespace vorlan::skin
