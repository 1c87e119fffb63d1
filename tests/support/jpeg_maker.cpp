#include "support/jpeg_maker.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace vorlan::testing {

std::vector<uint8_t> MakeJpeg(int width, int height, int components, const JpegSample& sample, int quality,
                              bool progressive) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = components;
  cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<size_t>(width) * static_cast<size_t>(components));
  while (cinfo.next_scanline < cinfo.image_height) {
    const int y = static_cast<int>(cinfo.next_scanline);
    for (int x = 0; x < width; ++x)
      for (int k = 0; k < components; ++k) row[static_cast<size_t>(x * components + k)] = JSAMPLE(sample(x, y, k));
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<uint8_t> bytes(buffer, buffer + size);
  std::free(buffer);
  return bytes;
}

std::vector<uint8_t> MakeRgbJpeg(int width, int height, const std::function<uint32_t(int, int)>& shade) {
  return MakeJpeg(width, height, 3, [&shade](int x, int y, int k) { return int(shade(x, y) >> (16 - 8 * k) & 0xFF); });
}

}  // namespace vorlan::testing
