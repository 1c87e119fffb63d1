#pragma once

#include <cstdint>

// Colour values 0x00BBGGRR (red in the low byte) and their pixel form. This
// is the one colour type of the program: skins, painting and the window
// framework all use it.
namespace vorlan::paint {

using TColor = int32_t;

// A negative value names a system colour by the index in its low byte.
inline constexpr TColor kSystemColorFlag = static_cast<TColor>(0x80000000u);
constexpr TColor SystemColorOf(int index) { return kSystemColorFlag | (index & 0xFF); }

inline constexpr TColor kNoColor = 0x1FFFFFFF;   // "none" in painting calls
inline constexpr TColor kKeyColor = 0x00FF00FF;  // magenta

// Swaps the low and third bytes so the value can be stored as a pixel word
// (bytes B, G, R, then the colour's top byte).
constexpr uint32_t ColorToPixel(TColor c) {
  const auto v = static_cast<uint32_t>(c);
  return (v & 0xFF00FF00u) | (v & 0xFFu) << 16 | (v >> 16 & 0xFFu);
}

// A system colour (negative value) becomes the plain colour the system uses
// for that element (GetSysColor of the low byte); others are returned as
// they are. The one place where system colours are resolved.
TColor ResolveColor(TColor c);

// Each of the three low bytes: trunc(a × k + (1 − k) × b); the top byte of a stays.
TColor MixColors(TColor a, TColor b, double k);

}  // namespace vorlan::paint
