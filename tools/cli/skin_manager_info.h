#pragma once

#include <span>
#include <string>
#include <vector>

#include "cli/skin_info_loader.h"

// `skin info` with the skin manager's settings: --internal loads the
// program's own skin; --hue N, --saturation N and --brightness N load any
// source through the manager with those adjustments.
namespace vorlan::cli {

struct ManagedInfoRequest {
  std::vector<std::string> Args;  // what is left for `skin info` (the source)
  SkinInfoLoader Loader;
};

// Takes the manager's options out of the arguments. Without them the plain
// loader is kept; a bad option value leaves no arguments (usage).
ManagedInfoRequest ParseManagedInfo(std::span<const std::string> args);

}  // namespace vorlan::cli
