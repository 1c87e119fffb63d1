#include "jpeg_file.h"

#include <cstdio>
#include <memory>

#include <jpeglib.h>

namespace landscapes {
namespace {

struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};

struct CompressGuard {
  jpeg_compress_struct* info;
  ~CompressGuard() { jpeg_destroy_compress(info); }
};

}  // namespace

std::vector<uint8_t> RgbImage::Bytes() const {
  std::vector<uint8_t> bytes;
  bytes.reserve(pixels.size() * 3);
  auto clamp = [](double v) { return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v + 0.5); };
  for (const Rgb& p : pixels) {
    bytes.push_back(clamp(p.r));
    bytes.push_back(clamp(p.g));
    bytes.push_back(clamp(p.b));
  }
  return bytes;
}

bool WriteJpeg(const RgbImage& image, const std::string& path, int quality, std::string& error) {
  std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) {
    error = "cannot create " + path;
    return false;
  }
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);  // the default error exit ends the tool with libjpeg's message
  jpeg_create_compress(&info);
  CompressGuard guard{&info};
  jpeg_stdio_dest(&info, file.get());
  info.image_width = static_cast<JDIMENSION>(image.width);
  info.image_height = static_cast<JDIMENSION>(image.height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  const std::vector<uint8_t> bytes = image.Bytes();
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(&bytes[static_cast<size_t>(info.next_scanline) * image.width * 3]);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  if (std::ferror(file.get())) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace landscapes
