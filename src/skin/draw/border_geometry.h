#pragma once

#include <cstdint>

#include "paint/geometry.h"
#include "skin/draw/image_entry.h"

// The nine-slice geometry of border images: which piece of a frame goes
// where in the painted rectangle. Shared by every painter of border images.
namespace vorlan::skin {

// Bits of a border image's DrawMode.
inline constexpr std::int32_t kBorderStretch = 1;      // stretch sides and centre (else tile)
inline constexpr std::int32_t kBorderNotInState0 = 2;  // nothing in state 0
inline constexpr std::int32_t kBorderFillCentre = 4;   // paint the centre too

struct TBorderWidths {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  friend bool operator==(const TBorderWidths&, const TBorderWidths&) = default;
};

// The image's widths shrunk to fit a rectangle of width × height: when the
// two widths exceed the size, each loses half the excess (the right and bottom
// one the odd pixel), none below 0. A width still larger than the rectangle is
// cut to it so that no piece can reach outside.
TBorderWidths FitBorderWidths(const TSkinMaskData& mask, std::int32_t width, std::int32_t height);

enum class TBorderPart { Corner, Side, Centre };

// The receiver of the pieces, in painting order.
class TBorderPieces {
 public:
  virtual ~TBorderPieces() = default;
  // A piece copied 1:1 (corners; tiled sides and centre): the source block
  // of dst's size at src.
  virtual void Copy(TBorderPart part, const paint::TRect& dst, paint::TPoint src) = 0;
  // A side or the centre stretched from src onto dst.
  virtual void Stretch(TBorderPart part, const paint::TRect& dst, const paint::TRect& src) = 0;
};

// Nothing when R is narrower or lower than 2 pixels, when the state is 0 and
// DrawMode has kBorderNotInState0, or when the frame's middle would be
// negative. Pieces: top-left corner, left side, top side, bottom-left corner,
// bottom side, bottom-right corner, top-right corner, right side, centre
// (with kBorderFillCentre). Returns whether anything was laid out.
bool LayBorderPieces(const TImageEntry& image, const paint::TRect& r, std::int32_t state, TBorderPieces& pieces);

}  // namespace vorlan::skin
