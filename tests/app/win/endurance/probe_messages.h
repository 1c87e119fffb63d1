#pragma once

#include <windows.h>

// The questions the endurance tests ask the probed program's probe window
// (numbers at the top of the application range, which the program leaves
// free).
namespace vorlan::app::testing {

inline constexpr wchar_t kProbeTitle[] = L"VorlanProbe";
inline constexpr UINT kProbeGdiObjects = 0xBF01;
inline constexpr UINT kProbeUserObjects = 0xBF02;
inline constexpr UINT kProbePagesWritten = 0xBF03;
// Posted with a number in WParam; the next question answers the last
// number handled: the program has handled everything posted before it.
inline constexpr UINT kProbeMark = 0xBF04;
inline constexpr UINT kProbeLastMark = 0xBF05;

}  // namespace vorlan::app::testing
