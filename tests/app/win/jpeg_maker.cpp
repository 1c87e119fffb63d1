#include "jpeg_maker.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace vorlan::app::testing {

std::vector<uint8_t> MakeJpeg(int width, int height, bool greyscale, const std::function<uint32_t(int, int)>& shade) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = greyscale ? 1 : 3;
  cinfo.in_color_space = greyscale ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 95, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<size_t>(width) * cinfo.input_components);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t rgb = shade(x, y);
      if (greyscale) {
        row[x] = static_cast<JSAMPLE>(rgb & 0xFF);
      } else {
        row[3 * x] = static_cast<JSAMPLE>(rgb >> 16);
        row[3 * x + 1] = static_cast<JSAMPLE>(rgb >> 8);
        row[3 * x + 2] = static_cast<JSAMPLE>(rgb);
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<uint8_t> bytes(buffer, buffer + size);
  std::free(buffer);
  return bytes;
}

}  // namespace vorlan::app::testing
