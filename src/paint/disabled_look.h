#pragma once

#include <cstdint>

#include "paint/bitmap32.h"
#include "paint/cache_info.h"
#include "paint/colors.h"
#include "paint/geometry.h"

namespace vorlan::paint {

// Members of a TSkinDisabledKind set.
enum TSkinDisabledKind : uint8_t { dkBlended = 1, dkGrayed = 2 };
using TSkinDisabledKinds = uint8_t;

inline constexpr int kDefaultDisabledGrayLevel = -90;
inline constexpr double kDefaultDisabledBlend = 0.4;

struct TDisabledLook {
  TSkinDisabledKinds Kinds = 0;
  int GrayLevel = kDefaultDisabledGrayLevel;   // −100 turns the picture grey
  double BlendFactor = kDefaultDisabledBlend;  // the share the control keeps
};

// Gives a control's finished picture its disabled look. offset is the
// control's place in the parent picture that cacheInfo describes;
// parentColour is used when the cacheInfo has neither a picture nor a colour.
void PaintDisabledLook(TBitmap32& bmp, const TDisabledLook& look, TColor parentColour, TPoint offset,
                       const TCacheInfo& cacheInfo);

}  // namespace vorlan::paint
