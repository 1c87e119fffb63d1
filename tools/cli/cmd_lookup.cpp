#include <cstdio>

#include "cli/commands.h"

namespace vorlan::cli {

int RunLookup(std::span<const std::string>) {
  std::fputs("vorlantv-cli: 'lookup' is not built yet\n", stderr);
  return 2;
}

}  // namespace vorlan::cli
