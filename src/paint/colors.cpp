#include "paint/colors.h"

#include "paint/pixel_math.h"
#include "platform/syscolor.h"

namespace vorlan::paint {

TColor ResolveColor(TColor c) {
  if (c >= 0) return c;
  return static_cast<TColor>(platform::SysColor(c & 0xFF));
}

TColor MixColors(TColor a, TColor b, double k) {
  uint32_t result = static_cast<uint32_t>(a) & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const int ca = px::Channel(static_cast<uint32_t>(a), shift);
    const int cb = px::Channel(static_cast<uint32_t>(b), shift);
    result |= static_cast<uint32_t>(px::TruncByte(ca * k + (1 - k) * cb)) << shift;
  }
  return static_cast<TColor>(result);
}

}  // namespace vorlan::paint
