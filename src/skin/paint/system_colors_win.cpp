#include <windows.h>

#include "skin/paint/colors.h"

namespace vorlan::paint {

TColor ResolveColor(TColor c) {
  if (c >= 0) return c;
  return static_cast<TColor>(GetSysColor(c & 0xFF));
}

}  // namespace vorlan::paint
