#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/skin_package.h"
#include "skin/data/skin_package_writer.h"

// Building packages, directories and pictures for the skin data tests.
namespace vorlan::skin::test {

std::vector<std::uint8_t> Bytes(std::string_view text);

// A member given by name and text content.
PackageMember Member(std::u16string name, std::string_view content, PackMethod method = PackMethod::Deflate);

// The convertor after reading `package` (which must stay alive while read).
struct ReadResult {
  bool Loaded = false;
  std::u16string Shown;  // the message shown, if any
  TSkinConvertor Convertor;
  std::int64_t EndPosition = 0;  // where the package stream stood afterwards
};
void ReadPackage(const std::vector<std::uint8_t>& package, ReadResult& result);

// A 24-bit bottom-up BMP (40-byte header) of the given pixels, 0x00RRGGBB
// words row by row from the top.
std::vector<std::uint8_t> Bmp24(std::int32_t width, std::int32_t height, const std::vector<std::uint32_t>& pixels);

// An 8-bit RGBA PNG of the given pixels, 0xAARRGGBB words row by row.
std::vector<std::uint8_t> PngRgba(std::int32_t width, std::int32_t height, const std::vector<std::uint32_t>& pixels);

// A directory removed with everything in it at the end of the test.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The directory as skins name it, with a trailing "\".
  std::u16string SkinPath() const;
  std::u16string File(std::u16string_view name) const;
  void Write(std::u16string_view name, const std::vector<std::uint8_t>& bytes) const;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace vorlan::skin::test
