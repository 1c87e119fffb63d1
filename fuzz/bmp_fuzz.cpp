// The BMP decoder on arbitrary bytes: it either gives a picture whose
// every pixel can be read, or fails with its own error; it never crashes,
// hangs or reads outside the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "paint/bitmap32.h"
#include "paint/decoded_image.h"
#include "paint/image_errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  try {
    const vorlan::paint::TBitmap32 bmp = vorlan::paint::To32Bits(vorlan::paint::DecodeBmp(bytes));
    if (bmp.Empty()) std::abort();
    // Every row of the picture is there to read, and agrees with the per-pixel access.
    for (int32_t y = 0; y < bmp.Height(); ++y)
      for (int32_t x = 0; x < bmp.Width(); ++x)
        if (bmp.Row(y)[x] != bmp.Pixel(x, y)) std::abort();
  } catch (const vorlan::paint::ImageError&) {
  } catch (const vorlan::paint::BitmapError&) {
  }
  return 0;
}
