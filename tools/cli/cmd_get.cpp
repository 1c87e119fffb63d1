#include <cstdio>

#include "cli/commands.h"

namespace vorlan::cli {

int RunGet(std::span<const std::string>) {
  std::fputs("vorlantv-cli: 'get' is not built yet\n", stderr);
  return 2;
}

}  // namespace vorlan::cli
