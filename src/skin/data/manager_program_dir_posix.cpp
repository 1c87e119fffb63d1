#include <filesystem>
#include <system_error>

#include "platform/text.h"
#include "skin/data/manager_directory.h"

namespace vorlan::skin {

std::u16string ProgramDirectory() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  const std::string dir = ec ? std::string("./") : exe.parent_path().string() + "/";
  return platform::Utf8ToUtf16(dir);
}

}  // namespace vorlan::skin
