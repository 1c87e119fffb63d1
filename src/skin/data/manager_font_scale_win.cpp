#include <windows.h>

#include "skin/data/skin_manager_platform.h"

namespace vorlan::skin {

std::int32_t ReadSysFontScale() {
  DWORD dpi = 0;
  DWORD size = sizeof dpi;
  if (RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop\\WindowMetrics", L"AppliedDPI", RRF_RT_REG_DWORD,
                   nullptr, &dpi, &size) != ERROR_SUCCESS) {
    return 0;
  }
  return SysFontScaleOfDpi(static_cast<std::int32_t>(dpi));
}

}  // namespace vorlan::skin
