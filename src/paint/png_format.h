#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The layout pieces of PNG files that the decoder's stages share.
namespace vorlan::paint::png {

struct Header {
  uint32_t Width = 0;
  uint32_t Height = 0;
  int BitDepth = 0;
  int ColorType = 0;
  bool Interlaced = false;

  int Channels() const;
  int BitsPerPixel() const { return Channels() * BitDepth; }
  // Bytes per complete pixel for the filters (at least 1).
  int FilterStride() const { return BitsPerPixel() >= 8 ? BitsPerPixel() / 8 : 1; }
  // Bytes of one unfiltered row of width pixels (without the filter byte).
  uint64_t RowBytes(uint64_t width) const { return (width * uint64_t(BitsPerPixel()) + 7) / 8; }
};

// One sub-image: the whole picture, or one of the seven Adam7 passes.
struct Pass {
  uint32_t X0, Y0, DX, DY;
  uint32_t Width, Height;
};

std::vector<Pass> Passes(const Header& header);

// Bytes the inflated image data must hold: per non-empty pass, its rows
// each with a filter byte.
uint64_t ExpectedDataSize(const Header& header);

// Reverses the row filters of one pass in place; rows are (1 + rowBytes)
// bytes. Returns false on an unknown filter type.
bool Unfilter(std::span<uint8_t> rows, uint64_t rowBytes, uint32_t height, int filterStride);

// Inflates a zlib stream given in pieces into exactly expected bytes.
// Throws ImageError: the stream is broken, ends short, or holds more.
std::vector<uint8_t> InflateExactly(std::span<const std::span<const uint8_t>> pieces, uint64_t expected);

}  // namespace vorlan::paint::png
