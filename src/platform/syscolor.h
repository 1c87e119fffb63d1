#pragma once

#include <cstdint>

// The system's colours and frame metric that skins fall back on.
namespace vorlan::platform {

// The current colour of system colour `index` (COLOR_WINDOW = 5, ...), as
// 0x00BBGGRR; 0 for an index the system does not define.
std::uint32_t SysColor(int index);

// The width of a sizeable window's frame (SM_CXFRAME).
int SizingFrameWidth();

}  // namespace vorlan::platform
