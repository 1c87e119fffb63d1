#pragma once

#include "writers.h"

namespace skingen {

// The master bitmap: every glyph, border and corner picture at its place.
Image24 DrawMaster();

// Helpers shared with the other pictures.
enum class Turn { kNone, kFlipVertical, kLeft, kRight };
Canvas Turned(const Canvas& c, Turn turn);

}  // namespace skingen
