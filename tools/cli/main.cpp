#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"

namespace {

constexpr char kUsage[] =
    "usage: vorlantv-cli lookup NUMBER [--catalogue HOST[:PORT]] [--portal HOST] [--no-open] "
    "[--response-file FILE]\n"
    "       vorlantv-cli get [--bytes] URL...\n"
    "       vorlantv-cli image convert IN OUT [--resample W H FILTER]\n"
    "       vorlantv-cli skin pack DIR OUT.asz [--store] | unpack FILE.asz DIR | info SOURCE|--internal "
    "[--hue N] [--saturation N] [--brightness N]\n"
    "       vorlantv-cli skin paint SOURCE|--internal SECTION STATE OUT [--size W H] [--rect L T R B] "
    "[--parent-color RRGGBB | --parent-image FILE] [--alpha]\n"
    "       vorlantv-cli skin sheet SOURCE|--internal OUT.png\n";

int Dispatch(const std::vector<std::string>& all) {
  if (all.size() < 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::string_view command = all[1];
  const std::span<const std::string> rest(all.data() + 2, all.size() - 2);
  if (command == "lookup") return vorlan::cli::RunLookup(rest);
  if (command == "get") return vorlan::cli::RunGet(rest);
  if (command == "image") return vorlan::cli::RunImage(rest);
  if (command == "skin") return vorlan::cli::RunSkin(rest);
  std::fputs(kUsage, stderr);
  return 2;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) { return Dispatch(vorlan::cli::Utf8Arguments(argc, argv)); }
#else
int main(int argc, char** argv) { return Dispatch(vorlan::cli::Utf8Arguments(argc, argv)); }
#endif
