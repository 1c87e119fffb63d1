#include <windows.h>

#include "platform/locale.h"

namespace vorlan::platform {

char16_t DecimalSeparator() {
  wchar_t separator[8] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) <= 1) return u'.';
  return static_cast<char16_t>(separator[0]);
}

}  // namespace vorlan::platform
