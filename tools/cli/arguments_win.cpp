#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "cli/arguments.h"
#include "platform/text.h"

namespace vorlan::cli {

std::vector<std::string> Utf8Arguments(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  std::vector<std::string> result;
  result.reserve(static_cast<size_t>(argc));
  for (int i = 0; i < argc; ++i) {
    result.push_back(platform::Utf16ToUtf8(reinterpret_cast<const char16_t*>(argv[i])));
  }
  return result;
}

}  // namespace vorlan::cli
