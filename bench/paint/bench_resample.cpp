// ResampleBitmap with the Mitchell filter beside libvips's reduce with its
// Mitchell kernel, one thread, on the same pixels.
#include <vips/vips.h>

#include <cstdio>

#include "bench_timing.h"
#include "paint/resample.h"

namespace {

void Run(int from_w, int from_h, int to_w, int to_h, int rounds) {
  using namespace vorlan::paint;
  const TBitmap32 src = bench::RandomBitmap(from_w, from_h, 3);
  TBitmap32 dst;
  VipsImage* in =
      vips_image_new_from_memory(src.Row(0), size_t(from_w) * from_h * 4, from_w, from_h, 4, VIPS_FORMAT_UCHAR);
  const double hshrink = double(from_w) / to_w, vshrink = double(from_h) / to_h;
  char what[96];
  std::snprintf(what, sizeof what, "ResampleBitmap Mitchell %dx%d->%dx%d", from_w, from_h, to_w, to_h);
  bench::Compare(
      what, "vips reduce mitchell", [&] { ResampleBitmap(src, dst, to_w, kFilterMitchell, to_h); },
      [&] {
        VipsImage* out = nullptr;
        if (vips_reduce(in, &out, hshrink, vshrink, "kernel", VIPS_KERNEL_MITCHELL, nullptr) != 0)
          vips_error_exit(nullptr);
        size_t size = 0;
        void* pixels = vips_image_write_to_memory(out, &size);
        g_free(pixels);
        g_object_unref(out);
      },
      rounds);
  g_object_unref(in);
}

}  // namespace

int main(int, char** argv) {
  if (VIPS_INIT(argv[0]) != 0) vips_error_exit(nullptr);
  vips_concurrency_set(1);
  vips_cache_set_max(0);
  Run(4928, 3279, 852, 567, 5);
  Run(400, 200, 264, 132, 50);
  vips_shutdown();
  return 0;
}
