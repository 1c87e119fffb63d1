#include "skin/data/skin_manager_platform.h"

namespace vorlan::skin {

std::int32_t ReadSysFontScale() { return 0; }

}  // namespace vorlan::skin
