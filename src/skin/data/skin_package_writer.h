#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Writing skin packages, and the directory forms of packing and unpacking.
namespace vorlan::skin {

enum class PackMethod {
  Deflate,  // zlib at its best level (it falls back to stored blocks itself)
  Store,    // stored deflate blocks only
};

struct PackageMember {
  std::u16string Name;
  std::vector<std::uint8_t> Content;
  PackMethod Method = PackMethod::Deflate;
};

// The zlib stream (header, deflate data, Adler-32 trailer) of `content`.
std::vector<std::uint8_t> ZlibStream(std::span<const std::uint8_t> content, PackMethod method);

// The package bytes of the members, in the order given.
std::vector<std::uint8_t> WriteSkinPackage(std::span<const PackageMember> members);

// The files of a skin directory in package order: "Options.dat" first, then
// bitmaps, JPEG and PNG images and any other files, each group by name.
std::vector<PackageMember> ReadSkinDirectory(std::u16string_view directory, PackMethod method);

void PackSkinDirectory(std::u16string_view directory, std::u16string_view package_file, PackMethod method);
// Writes the options and every image member of the package file into the
// directory, creating it when needed.
void UnpackSkinPackage(std::u16string_view package_file, std::u16string_view directory);

}  // namespace vorlan::skin
