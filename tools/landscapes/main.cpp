// landscapes OUTDIR [COUNT [WIDTH HEIGHT]]: draws COUNT (8) landscape
// pictures of WIDTH x HEIGHT (400 x 200) as OUTDIR/landscape-NN.jpg.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "jpeg_file.h"
#include "scene.h"

namespace {

int ParseCount(const char* text, int max) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  return (*end != '\0' || value < 1 || value > max) ? -1 : static_cast<int>(value);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3 && argc != 5) {
    std::fprintf(stderr, "usage: landscapes OUTDIR [COUNT [WIDTH HEIGHT]]\n");
    return 2;
  }
  const std::string directory = argv[1];
  const int count = argc >= 3 ? ParseCount(argv[2], 99) : 8;
  const int width = argc == 5 ? ParseCount(argv[3], 4096) : 400;
  const int height = argc == 5 ? ParseCount(argv[4], 4096) : 200;
  if (count < 0 || width < 0 || height < 0) {
    std::fprintf(stderr, "landscapes: COUNT must be 1..99, WIDTH and HEIGHT 1..4096\n");
    return 2;
  }
  for (int i = 1; i <= count; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "/landscape-%02d.jpg", i);
    const landscapes::RgbImage image = landscapes::DrawLandscape(width, height, static_cast<uint32_t>(i));
    std::string error;
    if (!landscapes::WriteJpeg(image, directory + name, 88, error)) {
      std::fprintf(stderr, "landscapes: %s\n", error.c_str());
      return 1;
    }
  }
  return 0;
}
