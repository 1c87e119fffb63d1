#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

namespace skingen {

inline constexpr Rgb kKey{255, 0, 255};  // transparent pixels of 24-bit images

// A 24-bit picture as the skin's bitmaps store it, top row first.
class Image24 {
 public:
  Image24(int width, int height, Rgb fill = kKey);
  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb& At(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  const Rgb& At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

  // Places a drawing whose transparent parts become the key colour and whose
  // soft edges are blended over `matte`, the colour it will usually lie on.
  void PutKeyed(const Canvas& c, int x, int y, Rgb matte);
  // Places a drawing as an image row with its mask row `maskOffset` rows
  // below it (mask 0 = opaque image, 255 = background shows).
  void PutMasked(const Canvas& c, int x, int y, int maskOffset);

 private:
  int width_, height_;
  std::vector<Rgb> pixels_;
};

using Bytes = std::vector<std::uint8_t>;

// Windows bitmap with the 12-byte core header, 24 bits, bottom-up, plus two
// trailing bytes as the skin's bitmaps have.
Bytes EncodeBmp(const Image24& image);

enum class PngDeflate { kBest, kStored };
// 8-bit RGBA PNG of a premultiplied canvas. When `exactSize` is larger than
// the encoded picture, a text chunk holding `comment` fills it up to that size.
Bytes EncodePng(const Canvas& canvas, PngDeflate mode, const std::string& comment, size_t exactSize);

void WriteFile(const std::string& path, const Bytes& bytes);

}  // namespace skingen
