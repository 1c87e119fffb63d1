#pragma once

#include <vector>

#include "skin/draw/text_mask8.h"

// The separable blur that softens a text mask into a glow.
namespace vorlan::skin {

// The taps −Reach..Reach that survive trimming, each 0 or 1, all sharing the
// denominator Sum (the taps' total), so the blur is an exact box average.
struct TBlurTaps {
  int Reach = 0;
  std::vector<int> Taps;  // Taps[i + Reach] is the tap at offset i
  int Sum = 1;
};

// Taps of a Gaussian of the given radius rounded to 0 or 1 over −16..16,
// then trimmed from the outside until the trimmed weight reaches 1/510 (the
// tap that reaches it goes too), never below −1..1. A radius that is not
// positive keeps only the centre tap.
TBlurTaps BlurTapsFor(double radius);

// Blurs every row, then every column, with BlurTapsFor(radius); samples past
// an edge repeat the edge sample, and each result is truncated to a byte.
void BlurMask8(TMask8View mask, double radius);

}  // namespace vorlan::skin
