#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "skin/data/manager_stored_skin.h"

// The program's own skin, stored inside the program as a skin package.
namespace vorlan::skin {

inline constexpr std::u16string_view kInternalSkinName = u"Rorur Udari (internal)";

// The package bytes of the internal skin (generated at build time).
std::span<const std::uint8_t> InternalSkinPackage();

// The stored-skin item of the internal skin, as the main window holds it.
TSkinStoredSkin MakeInternalSkin();

}  // namespace vorlan::skin
