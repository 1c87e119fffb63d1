#include "cli/file_read.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/error.h"

namespace vorlan::cli {

std::vector<std::uint8_t> ReadWholeFile(const std::string& utf8_name) {
  const std::u8string name(utf8_name.begin(), utf8_name.end());
  std::ifstream in(std::filesystem::path(name), std::ios::binary);
  if (!in) throw Error("Cannot open file \"" + utf8_name + "\". " + std::strerror(errno));
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw Error("Cannot read file \"" + utf8_name + "\".");
  return bytes;
}

}  // namespace vorlan::cli
