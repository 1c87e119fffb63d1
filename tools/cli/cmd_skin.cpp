#include <cstdio>

#include "cli/commands.h"

namespace vorlan::cli {

int RunSkin(std::span<const std::string>) {
  std::fputs("vorlantv-cli: 'skin' is not built yet\n", stderr);
  return 2;
}

}  // namespace vorlan::cli
