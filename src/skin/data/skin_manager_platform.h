#pragma once

#include <cstdint>

// What the manager reads from the system once.
namespace vorlan::skin {

// 1 for 120..143, 2 for 144 and more, else 0.
constexpr std::int32_t SysFontScaleOfDpi(std::int32_t dpi) { return dpi >= 144 ? 2 : dpi >= 120 ? 1 : 0; }

// From AppliedDPI under the user's "Control Panel\Desktop\WindowMetrics".
std::int32_t ReadSysFontScale();

}  // namespace vorlan::skin
