#include "golden_picture.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "paint/decoded_image.h"

namespace vorlan::app::testing {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

bool Masked(const std::vector<paint::TRect>& masks, int x, int y) {
  for (const paint::TRect& m : masks) {
    if (x >= m.Left && x < m.Right && y >= m.Top && y < m.Bottom) return true;
  }
  return false;
}

}  // namespace

std::string GoldenPath(const std::string& name) {
  // The source tree as a Windows path: Wine shows the root as drive Z:.
  const std::string source = VORLAN_SOURCE_DIR;
  const std::string prefix = !source.empty() && source[0] == '/' ? "Z:" : "";
  return prefix + source + "/tests/app/win/golden/" + name;
}

bool MakingGolden() {
  const char* value = std::getenv("VORLAN_MAKE_GOLDEN");
  return value != nullptr && std::string(value) == "1";
}

void WriteBmp(const std::string& path, const paint::TBitmap32& picture) {
  const uint32_t width = static_cast<uint32_t>(picture.Width()), height = static_cast<uint32_t>(picture.Height());
  const uint32_t stride = (width * 3 + 3) & ~3u;
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, 54 + stride * height);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, width);
  Put32(out, height);  // bottom-up rows
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);
  Put32(out, stride * height);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = picture.Height() - 1; y >= 0; --y) {
    const std::size_t start = out.size();
    for (int x = 0; x < picture.Width(); ++x) {
      const uint32_t p = picture.Pixel(x, y);
      out.push_back(static_cast<uint8_t>(p));
      out.push_back(static_cast<uint8_t>(p >> 8));
      out.push_back(static_cast<uint8_t>(p >> 16));
    }
    out.resize(start + stride, 0);
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
}

paint::TBitmap32 ReadBmp(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return {};
  const std::vector<uint8_t> data((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  try {
    return paint::DecodeBmp(data).Bitmap;
  } catch (...) {
    return {};
  }
}

TGoldenComparison CompareWithGolden(const paint::TBitmap32& actual, const paint::TBitmap32& golden,
                                    const std::vector<paint::TRect>& masks) {
  TGoldenComparison result;
  result.Picture = paint::TBitmap32(actual.Width(), actual.Height());
  for (int y = 0; y < actual.Height(); ++y) {
    for (int x = 0; x < actual.Width(); ++x) {
      const uint32_t a = actual.Pixel(x, y) & 0xFFFFFF;
      uint32_t shown;
      if (Masked(masks, x, y)) {
        shown = 0xFF4040C0u;
      } else if (x >= golden.Width() || y >= golden.Height() || (golden.Pixel(x, y) & 0xFFFFFF) != a) {
        shown = 0xFFFF0000u;
        if (result.Differences++ == 0) result.First = {x, y};
      } else {
        // A faint copy: a quarter of the colour over white.
        const auto faint = [a](int shift) { return (192 + ((a >> shift & 0xFF) >> 2)) << shift; };
        shown = 0xFF000000u | faint(16) | faint(8) | faint(0);
      }
      result.Picture.Row(y)[x] = shown;
    }
  }
  return result;
}

}  // namespace vorlan::app::testing
