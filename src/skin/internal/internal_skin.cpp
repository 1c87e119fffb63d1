#include "skin/internal/internal_skin.h"

namespace vorlan::skin {

TSkinStoredSkin MakeInternalSkin() {
  TSkinStoredSkin skin;
  skin.Name = kInternalSkinName;
  skin.Version = 10;
  const std::span<const std::uint8_t> package = InternalSkinPackage();
  skin.Data.assign(package.begin(), package.end());
  return skin;
}

}  // namespace vorlan::skin
