#pragma once

#include "paint/bitmap32.h"
#include "paint/colors.h"
#include "paint/geometry.h"
#include "skin/draw/text_mask8.h"

// Merging rendered text into a 32-bit picture whose alpha matters. The text
// itself is rendered by the platform (black on white); these routines only
// turn that rendering into colour and alpha.
namespace vorlan::skin {

// Merges a coverage picture of text drawn black on white into dst at
// target's top-left corner, in the colour `color` (system colours resolved).
// Coverage pixels that are white (0x00FFFFFF or 0xFFFFFFFF) are left out;
// nothing is written outside target or dst. With keepAlpha, h is the mean of
// the coverage pixel's three channels, A := max(A, 255 − h) and each channel
// ch := ((ch − cc) × h + cc × 256) × A >> 16, already multiplied by the new
// alpha; without it, A := 255 and ch := ((ch − cc) × t + cc × 256) >> 8 with t
// the same channel of the coverage pixel, so sub-pixel rendering survives.
void MergeTextCoverage(paint::TBitmap32& dst, const paint::TBitmap32& coverage, const paint::TRect& target,
                       bool keepAlpha, paint::TColor color);

// Merges a glow mask into dst with its top-left pixel at `origin`, in the
// colour `color` (system colours resolved). For every mask sample m ≠ 255
// that lands inside dst and clip, with u = 255 − m: A := A + ((255 − A) × u
// >> 8) and each channel ch := (u × cc + m × ch) >> 8.
void MergeGlowMask(paint::TBitmap32& dst, TMask8View mask, paint::TPoint origin, paint::TColor color,
                   const paint::TRect& clip);
void MergeGlowMask(paint::TBitmap32& dst, TMask8View mask, paint::TPoint origin, paint::TColor color);

}  // namespace vorlan::skin
