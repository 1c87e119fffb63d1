#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Files named the way skins name them: "\" separates directories on every
// system.
namespace vorlan::skin {

std::filesystem::path SkinFilePath(std::u16string_view name);
// The name with the system's own separators.
std::u16string NativeSkinFileName(std::u16string_view name);
bool SkinFileExists(std::u16string_view name);
// The whole file, or nothing when it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadSkinFile(std::u16string_view name);

}  // namespace vorlan::skin
