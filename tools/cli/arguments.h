#pragma once

#include <string>
#include <vector>

namespace vorlan::cli {
// The command line as UTF-8 texts; also puts standard output and error into
// binary mode so that what the commands write reaches the file unchanged.
#ifdef _WIN32
std::vector<std::string> Utf8Arguments(int argc, wchar_t** argv);
#else
std::vector<std::string> Utf8Arguments(int argc, char** argv);
#endif
}  // namespace vorlan::cli
