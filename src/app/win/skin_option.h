#pragma once

#include "skin/data/skin_manager.h"

namespace vorlan::app {

// Switches the running manager to the skin that `--skin PATH` on the
// program's command line names, a package file or a skin directory. Without
// the option nothing changes; a skin that fails to load has had its error
// box from the manager, and the stored skin is put back.
void ApplySkinOption(skin::TSkinManager& manager);

}  // namespace vorlan::app
