#pragma once

#include <functional>
#include <string_view>

#include "cli/skin_info_json.h"

// Loading a skin for `skin info` the way the skin manager loads it.
namespace vorlan::cli {

// SOURCE is a package file or a skin directory. Raises vorlan::Error with
// the message the program would show for a broken skin.
SkinInfo LoadSkinInfo(std::u16string_view source);

// How `skin info` loads its SOURCE; replaceable by a loader with more settings.
using SkinInfoLoader = std::function<SkinInfo(std::u16string_view source)>;

}  // namespace vorlan::cli
