#include "skin/data/skin_test_support.h"

#include <zlib.h>

#include <atomic>
#include <fstream>
#include <random>

#include "platform/text.h"
#include "skin/data/skin_files.h"

namespace vorlan::skin::test {

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

PackageMember Member(std::u16string name, std::string_view content, PackMethod method) {
  return PackageMember{std::move(name), Bytes(content), method};
}

void ReadPackage(const std::vector<std::uint8_t>& package, ReadResult& result) {
  MemoryStream stream(package);
  result.Convertor.PackedData = &stream;
  try {
    result.Loaded = LoadSkinPackage(result.Convertor, [&](std::u16string_view text) { result.Shown = text; });
  } catch (...) {
    result.Convertor.PackedData = nullptr;
    throw;
  }
  result.EndPosition = stream.Position();
  result.Convertor.PackedData = nullptr;
}

std::vector<std::uint8_t> Bmp24(std::int32_t width, std::int32_t height, const std::vector<std::uint32_t>& pixels) {
  const std::int32_t row_bytes = (width * 3 + 3) / 4 * 4;
  const std::uint32_t image_size = static_cast<std::uint32_t>(row_bytes * height);
  std::vector<std::uint8_t> out;
  const auto u16 = [&](std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  const auto u32 = [&](std::uint32_t v) {
    u16(v & 0xFFFF);
    u16(v >> 16);
  };
  out.push_back('B');
  out.push_back('M');
  u32(54 + image_size);
  u32(0);
  u32(54);
  u32(40);
  u32(static_cast<std::uint32_t>(width));
  u32(static_cast<std::uint32_t>(height));
  u16(1);
  u16(24);
  u32(0);
  u32(image_size);
  u32(2835);
  u32(2835);
  u32(0);
  u32(0);
  for (std::int32_t y = height - 1; y >= 0; --y) {
    for (std::int32_t x = 0; x < width; ++x) {
      const std::uint32_t p = pixels[static_cast<std::size_t>(y * width + x)];
      out.push_back(static_cast<std::uint8_t>(p));
      out.push_back(static_cast<std::uint8_t>(p >> 8));
      out.push_back(static_cast<std::uint8_t>(p >> 16));
    }
    for (std::int32_t pad = width * 3; pad < row_bytes; ++pad) out.push_back(0);
  }
  return out;
}

std::vector<std::uint8_t> PngRgba(std::int32_t width, std::int32_t height, const std::vector<std::uint32_t>& pixels) {
  std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  const auto chunk = [&](const char* type, const std::vector<std::uint8_t>& data) {
    const auto be32 = [&](std::uint32_t v) {
      for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
    };
    be32(static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    be32(static_cast<std::uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
  };
  const auto be32_bytes = [](std::uint32_t v) {
    return std::vector<std::uint8_t>{static_cast<std::uint8_t>(v >> 24), static_cast<std::uint8_t>(v >> 16),
                                     static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
  };
  std::vector<std::uint8_t> header = be32_bytes(static_cast<std::uint32_t>(width));
  const std::vector<std::uint8_t> h = be32_bytes(static_cast<std::uint32_t>(height));
  header.insert(header.end(), h.begin(), h.end());
  header.insert(header.end(), {8, 6, 0, 0, 0});
  chunk("IHDR", header);
  std::vector<std::uint8_t> raw;
  for (std::int32_t y = 0; y < height; ++y) {
    raw.push_back(0);
    for (std::int32_t x = 0; x < width; ++x) {
      const std::uint32_t p = pixels[static_cast<std::size_t>(y * width + x)];
      raw.insert(raw.end(), {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                             static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(p >> 24)});
    }
  }
  uLongf length = compressBound(static_cast<uLong>(raw.size()));
  std::vector<std::uint8_t> compressed(length);
  compress(compressed.data(), &length, raw.data(), static_cast<uLong>(raw.size()));
  compressed.resize(length);
  chunk("IDAT", compressed);
  chunk("IEND", {});
  return out;
}

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  std::random_device random;
  path_ = std::filesystem::temp_directory_path() /
          ("vorlan-skin-" + std::to_string(random()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

std::u16string TempDir::SkinPath() const {
  const std::u8string utf8 = path_.u8string();
  return platform::Utf8ToUtf16(std::string(utf8.begin(), utf8.end())) + u"\\";
}

std::u16string TempDir::File(std::u16string_view name) const { return SkinPath() + std::u16string(name); }

void TempDir::Write(std::u16string_view name, const std::vector<std::uint8_t>& bytes) const {
  std::ofstream file(SkinFilePath(File(name)), std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace vorlan::skin::test
