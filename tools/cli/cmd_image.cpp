#include <cstdio>

#include "cli/commands.h"

namespace vorlan::cli {

int RunImage(std::span<const std::string>) {
  std::fputs("vorlantv-cli: 'image' is not built yet\n", stderr);
  return 2;
}

}  // namespace vorlan::cli
