// BlendBitmaps and FillRect32 beside memcpy and memset of the same bytes:
// the memory-bandwidth limit of each.
#include <cstring>

#include "bench_timing.h"
#include "paint/copies.h"
#include "paint/fills.h"

int main() {
  using namespace vorlan::paint;
  constexpr int kW = 1920, kH = 1080;
  const TBitmap32 src = bench::RandomBitmap(kW, kH, 4);
  TBitmap32 dst = bench::RandomBitmap(kW, kH, 5);
  TBitmap32 copy = bench::RandomBitmap(kW, kH, 6);
  const size_t bytes = size_t(kW) * kH * 4;
  bench::Compare(
      "BlendBitmaps 1920x1080 weight 100", "memcpy",
      [&] {
        BlendBitmaps(dst, src, 100, {0, 0}, {0, 0, kW - 1, kH - 1});
      },
      [&] { std::memcpy(copy.Row(0), src.Row(0), bytes); }, 30);
  bench::Compare(
      "FillRect32 1920x1080", "memset", [&] { FillRect32(dst, dst.Bounds(), 0x00336699, 0x80); },
      [&] { std::memset(copy.Row(0), 0x80, bytes); }, 30);
  return 0;
}
