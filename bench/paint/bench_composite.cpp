// CompositeAlpha of a 1920 × 1080 picture beside pixman's OVER on the same data.
#include <pixman.h>

#include <cstring>

#include "bench_timing.h"
#include "paint/cache_info.h"
#include "paint/composite.h"

int main() {
  using namespace vorlan::paint;
  constexpr int kW = 1920, kH = 1080;
  const TBitmap32 src = bench::RandomBitmap(kW, kH, 1);
  const TBitmap32 dst_start = bench::RandomBitmap(kW, kH, 2);
  TBitmap32 ours = dst_start.Clone();
  TBitmap32 theirs = dst_start.Clone();

  pixman_image_t* psrc = pixman_image_create_bits(PIXMAN_a8r8g8b8, kW, kH, src.Row(0), kW * 4);
  pixman_image_t* pdst = pixman_image_create_bits(PIXMAN_a8r8g8b8, kW, kH, theirs.Row(0), kW * 4);
  bench::Compare(
      "CompositeAlpha 1920x1080", "pixman OVER",
      [&] { CompositeAlpha(ours.Bounds(), src.Bounds(), ours, false, EmptyCacheInfo(), src); },
      [&] { pixman_image_composite32(PIXMAN_OP_OVER, psrc, nullptr, pdst, 0, 0, 0, 0, 0, 0, kW, kH); }, 30);
  pixman_image_unref(psrc);
  pixman_image_unref(pdst);
  return 0;
}
