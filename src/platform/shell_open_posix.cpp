#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <string>

#include "platform/shell_open.h"
#include "platform/text.h"

extern char** environ;

namespace vorlan::platform {

// A short-lived shell starts xdg-open in the background and ends at once,
// so nothing is left to wait for and no zombie stays behind.
void ShellOpen(std::u16string_view target, void*) {
  static constexpr char kScript[] =
      "command -v xdg-open >/dev/null 2>&1 && { xdg-open \"$1\" </dev/null >/dev/null 2>&1 & }; exit 0";
  const std::string argument = Utf16ToUtf8(target);
  char sh[] = "sh";
  char dash_c[] = "-c";
  std::string script = kScript;
  std::string name = "vorlantv-open";
  std::string target_copy = argument;
  char* argv[] = {sh, dash_c, script.data(), name.data(), target_copy.data(), nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, "/bin/sh", nullptr, nullptr, argv, environ) != 0) return;
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
}

}  // namespace vorlan::platform
