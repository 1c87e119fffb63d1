#include <windows.h>

#include "platform/syscolor.h"

namespace vorlan::platform {

std::uint32_t SysColor(int index) { return static_cast<std::uint32_t>(GetSysColor(index)); }

int SizingFrameWidth() { return GetSystemMetrics(SM_CXFRAME); }

}  // namespace vorlan::platform
