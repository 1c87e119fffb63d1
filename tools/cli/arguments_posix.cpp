#include "cli/arguments.h"

namespace vorlan::cli {

std::vector<std::string> Utf8Arguments(int argc, char** argv) { return {argv, argv + argc}; }

}  // namespace vorlan::cli
