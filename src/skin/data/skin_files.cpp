#include "skin/data/skin_files.h"

#include <fstream>
#include <system_error>

#include "platform/ascii.h"
#include "platform/text.h"

namespace vorlan::skin {
namespace {

// The entry of `directory` named `name` when letter case is ignored (ASCII),
// or nothing.
std::optional<std::filesystem::path> FindIgnoringCase(const std::filesystem::path& directory,
                                                      const std::filesystem::path& name) {
  std::error_code error;
  const std::u8string wanted = name.u8string();
  const auto text = [](const std::u8string& s) {
    return std::string_view(reinterpret_cast<const char*>(s.data()), s.size());
  };
  std::filesystem::directory_iterator it(directory.empty() ? std::filesystem::path(".") : directory, error);
  for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    const std::filesystem::path entry = it->path().filename();
    if (platform::EqualsIgnoreCase(text(entry.u8string()), text(wanted))) return directory / entry;
  }
  return std::nullopt;
}

// Skins are made where file names ignore letter case ("MASTER COPY.BMP"
// names "Master copy.bmp"). Where names keep their case, a path that does
// not exist as written is matched part by part, ignoring case.
std::filesystem::path ResolveLetterCase(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::exists(path, error)) return path;
  std::filesystem::path found = path.root_path();
  for (const std::filesystem::path& part : path.relative_path()) {
    std::filesystem::path exact = found / part;
    if (std::filesystem::exists(exact, error)) {
      found = std::move(exact);
    } else if (auto matched = FindIgnoringCase(found, part)) {
      found = std::move(*matched);
    } else {
      return path;
    }
  }
  return found;
}

}  // namespace

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
  return ResolveLetterCase(std::filesystem::path(std::u8string(utf8.begin(), utf8.end())));
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
