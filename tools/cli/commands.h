#pragma once

#include <span>
#include <string>

// The subcommands of vorlantv-cli. Each takes the arguments after its own
// name (UTF-8) and returns the process exit status.
namespace vorlan::cli {
int RunLookup(std::span<const std::string> args);
int RunGet(std::span<const std::string> args);
int RunImage(std::span<const std::string> args);
int RunSkin(std::span<const std::string> args);
}  // namespace vorlan::cli
