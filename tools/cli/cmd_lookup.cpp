#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "app/error_text.h"
#include "app/film_lookup.h"
#include "cli/commands.h"
#include "cli/http_get.h"
#include "platform/error.h"
#include "platform/text.h"

namespace vorlan::cli {
namespace {

constexpr char kLookupUsage[] =
    "usage: vorlantv-cli lookup NUMBER [--catalogue HOST[:PORT]] [--portal HOST] [--no-open] "
    "[--response-file FILE]\n";

struct LookupOptions {
  std::string number;
  std::optional<std::string> catalogue;
  std::optional<std::string> portal;
  std::optional<std::string> response_file;
  bool open = true;
};

// Options may stand before or after NUMBER; "--" ends them.
std::optional<LookupOptions> ParseLookupArguments(std::span<const std::string> args) {
  LookupOptions options;
  bool have_number = false;
  bool options_ended = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool is_option = !options_ended && arg.starts_with("--");
    if (!is_option) {
      if (have_number) return std::nullopt;
      options.number = arg;
      have_number = true;
      continue;
    }
    if (arg == "--") {
      options_ended = true;
      continue;
    }
    if (arg == "--no-open") {
      options.open = false;
      continue;
    }
    std::optional<std::string>* target = nullptr;
    if (arg == "--catalogue") target = &options.catalogue;
    if (arg == "--portal") target = &options.portal;
    if (arg == "--response-file") target = &options.response_file;
    if (target == nullptr || i + 1 >= args.size()) return std::nullopt;
    *target = args[++i];
  }
  if (!have_number) return std::nullopt;
  return options;
}

// The catalogue's answer from a file instead of the network: its bytes as
// UTF-8.
std::u16string ReadResponseFile(const std::string& file_name) {
  std::ifstream in(std::filesystem::path(std::u8string(file_name.begin(), file_name.end())), std::ios::binary);
  if (!in) {
    throw Error("Cannot open file \"" + file_name + "\". " + std::strerror(errno));
  }
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw Error("Cannot read file \"" + file_name + "\"");
  return platform::Utf8ToUtf16(bytes);
}

void PrintError(std::u16string_view message) {
  const std::string text = platform::Utf16ToUtf8(app::ErrorBoxText(message)) + "\n";
  std::fwrite(text.data(), 1, text.size(), stderr);
}

}  // namespace

int RunLookup(std::span<const std::string> args) {
  const std::optional<LookupOptions> options = ParseLookupArguments(args);
  if (!options) {
    std::fputs(kLookupUsage, stderr);
    return 2;
  }
  app::LookupHosts hosts = app::LookupHosts::Configured();
  if (options->catalogue) hosts.catalogue = platform::Utf8ToUtf16(*options->catalogue);
  if (options->portal) hosts.portal = platform::Utf8ToUtf16(*options->portal);

  app::GetText get = [](const std::u16string& url) { return HttpGetText(url); };
  if (options->response_file) {
    get = [file = *options->response_file](const std::u16string&) { return ReadResponseFile(file); };
  }
  const app::OpenPage open = options->open ? app::ShellPageOpener() : app::OpenPage();

  app::TResponseHolder holder;
  try {
    app::RunFilmLookup(platform::Utf8ToUtf16(options->number), get, holder, hosts, open);
  } catch (const Error& error) {
    PrintError(error.Message());
    return 1;
  } catch (const std::exception& error) {
    PrintError(platform::Utf8ToUtf16(error.what()));
    return 1;
  }
  return 0;
}

}  // namespace vorlan::cli
