#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/loaded_skin.h"

// The JSON description of a loaded skin that `skin info` prints.
namespace vorlan::cli {

struct SkinMemberInfo {
  std::u16string Name;
  std::int64_t Size = 0;
  bool IsBitmap = false;
};

struct SkinInfo {
  std::vector<SkinMemberInfo> Members;  // the package's image members; empty for a directory
  std::int64_t OptionsSize = 0;
  skin::TLoadedSkin Skin;
};

// One JSON object: members, optionsSize, version, sections, masks,
// skinData, outerEffects and palette.
std::string SkinInfoJson(const SkinInfo& info);

}  // namespace vorlan::cli
