#pragma once

#include <string>
#include <vector>

#include "paint/bitmap32.h"
#include "paint/geometry.h"

// Golden pictures of the program's window: stored as 24-bit BMP files in
// tests/app/win/golden/, written again by scripts/make-golden.
namespace vorlan::app::testing {

// The file's path as the test program (under Wine) opens it.
std::string GoldenPath(const std::string& name);
// scripts/make-golden asks for the pictures to be written instead of compared.
bool MakingGolden();

void WriteBmp(const std::string& path, const paint::TBitmap32& picture);
// An empty bitmap when the file is missing or unreadable.
paint::TBitmap32 ReadBmp(const std::string& path);

struct TGoldenComparison {
  int Differences = 0;  // pixels outside the masks whose colour differs
  paint::TPoint First{-1, -1};
  paint::TBitmap32 Picture;  // the difference picture
};

// Compares colours (alpha ignored) outside the masked rectangles. The
// difference picture shows differing pixels red, masked ones blue and the
// rest as a faint copy of the actual picture.
TGoldenComparison CompareWithGolden(const paint::TBitmap32& actual, const paint::TBitmap32& golden,
                                    const std::vector<paint::TRect>& masks);

}  // namespace vorlan::app::testing
