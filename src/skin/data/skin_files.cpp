#include "skin/data/skin_files.h"

#include <fstream>
#include <system_error>

#include "platform/text.h"

namespace vorlan::skin {

std::u16string NativeSkinFileName(std::u16string_view name) {
  std::u16string native(name);
  if constexpr (std::filesystem::path::preferred_separator == '/') {
    for (char16_t& c : native) {
      if (c == u'\\') c = u'/';
    }
  }
  return native;
}

std::filesystem::path SkinFilePath(std::u16string_view name) {
  const std::string utf8 = platform::Utf16ToUtf8(NativeSkinFileName(name));
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

bool SkinFileExists(std::u16string_view name) {
  std::error_code error;
  return std::filesystem::is_regular_file(SkinFilePath(name), error);
}

std::optional<std::vector<std::uint8_t>> ReadSkinFile(std::u16string_view name) {
  const std::filesystem::path path = SkinFilePath(name);
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  char buffer[65536];
  while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
    bytes.insert(bytes.end(), buffer, buffer + file.gcount());
  }
  if (file.bad()) return std::nullopt;
  return bytes;
}

}  // namespace vorlan::skin
