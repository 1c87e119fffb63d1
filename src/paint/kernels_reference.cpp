#include <algorithm>

#include "paint/kernels.h"
#include "paint/pixel_math.h"

namespace vorlan::paint::kernels {

void BlendRowReference(uint32_t* dst, const uint32_t* src, int32_t count, int weight) {
  for (int32_t i = 0; i < count; ++i) {
    const uint32_t d = dst[i];
    const uint32_t s = src[i];
    dst[i] = px::Pack(px::Weigh256(px::Blue(d), px::Blue(s), weight), px::Weigh256(px::Green(d), px::Green(s), weight),
                      px::Weigh256(px::Red(d), px::Red(s), weight), px::Weigh256(px::Alpha(d), px::Alpha(s), weight));
  }
}

uint32_t CompositePixel(uint32_t d, uint32_t s) {
  const int sa = px::Alpha(s);
  int da = px::Alpha(d);
  if (sa != 0) da += (255 - da) * sa >> 8;
  return px::Pack(px::Weigh256(px::Blue(s), px::Blue(d), sa), px::Weigh256(px::Green(s), px::Green(d), sa),
                  px::Weigh256(px::Red(s), px::Red(d), sa), da);
}

void CompositeRowReference(uint32_t* dst, const uint32_t* src, int32_t count) {
  for (int32_t i = 0; i < count; ++i) dst[i] = CompositePixel(dst[i], src[i]);
}

}  // namespace vorlan::paint::kernels
