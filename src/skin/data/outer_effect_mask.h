#pragma once

#include <cstdint>
#include <string_view>

#include "skin/data/loaded_skin.h"

// The outer-effect mask drawn by the program: a frame of the effect's four
// side colours over the soft "BLUR5" mask row.
namespace vorlan::skin {

inline constexpr std::int32_t kBlur5Size = 19;

// The 19 x 19 "BLUR5" picture: grey levels from 255 (nothing of the frame)
// at the outer edge down to the full frame at the centre.
SkinBitmapPtr MakeBlur5Bitmap();

// Sets the effect's -1 widths to half the picture and appends the mask;
// returns its index.
std::int32_t AddGeneratedOuterMask(TLoadedSkin& skin, TSkOutEffData& effect, std::u16string_view property_name,
                                   std::int32_t skin_index);

}  // namespace vorlan::skin
