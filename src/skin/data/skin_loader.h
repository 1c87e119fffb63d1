#pragma once

#include <cstdint>
#include <functional>

#include "skin/data/loaded_skin.h"
#include "skin/data/skin_options.h"
#include "skin/data/skin_package.h"

// The two loading passes that fill a TLoadedSkin from options and images.
// The manager owns the TLoadedSkin and calls LoadAllMasks, then
// LoadAllGeneralData, then applies its colour adjustments.
namespace vorlan::skin {

struct TSkinLoadSource {
  const TSkinOptions* Options = nullptr;             // the current options; none loads an empty skin
  const TSkinConvertor* Package = nullptr;           // the unpacked package of a packed skin
  const TSkinOptions* CommonSections = nullptr;      // extra sections merged into the skin, or none
  std::int32_t Brightness = 0;                       // the manager's brightness (PNG premultiplication)
  std::function<void(double version)> CheckVersion;  // run while the skin-wide values are read
};

// Images of an unpacked skin are found under skin.CommonSkinData.SkinPath.
// Raises EConvertError for a broken fixed-position number.
void LoadAllMasks(TLoadedSkin& skin, const TSkinLoadSource& source);
// Sections, skin-wide values, outer effects, global colours and the
// "TRANSPARENT" section, with the image indexes of every section resolved;
// the colour adjustments are left to the caller.
void LoadAllGeneralData(TLoadedSkin& skin, const TSkinLoadSource& source);

// The CommonSections text as the manager stores it: spaces removed from
// every line that is not a comment.
std::u16string NormalizeCommonSections(std::u16string_view text);

// A colour as skins write it: negative values stand for system colours and
// become the current system colour of their low byte.
TColor ResolveSysColor(TColor color);

}  // namespace vorlan::skin
