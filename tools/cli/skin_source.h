#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cli/skin_info_json.h"
#include "paint/bitmap32.h"

namespace vorlan::cli {

// The skin that `skin info SOURCE` would describe: a package file, a skin
// directory, or "--internal" for the program's own skin.
SkinInfo LoadSkinSource(const std::string& source);

// The first section whose name matches in any letter case; -1 for none.
std::int32_t FindSectionAnyCase(const skin::TLoadedSkin& skin, std::u16string_view name);

// OUT by its extension (any letter case): ".bmp" or ".png".
enum class ImageFileKind { Unknown, Bmp, Png };
ImageFileKind ImageFileKindOf(const std::string& name);
// Writes the bitmap in that format.
void WriteImageFile(const std::string& name, ImageFileKind kind, const paint::TBitmap32& bmp);

}  // namespace vorlan::cli
