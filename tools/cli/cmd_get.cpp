#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/json_writer.h"
#include "http/base64.h"
#include "http/http_client.h"
#include "platform/error.h"
#include "platform/text.h"

namespace vorlan::cli {
namespace {

constexpr char kGetUsage[] = "usage: vorlantv-cli get [--bytes] URL...\n";

// One GET with the shared client, as one JSON line; true on success.
bool GetOne(http::THttpClient& client, const std::string& url, bool bytes, std::string& line) {
  const std::u16string wide_url = platform::Utf8ToUtf16(url);
  JsonWriter json;
  json.BeginObject();
  json.Key("url");
  json.Value(wide_url);
  bool ok = true;
  try {
    if (bytes) {
      std::vector<uint8_t> body;
      client.Get(wide_url, body);
      const std::string_view raw(reinterpret_cast<const char*>(body.data()), body.size());
      const std::string base64 = http::Base64Encode(raw);
      json.Key("ok");
      json.Value(true);
      json.Key("base64");
      json.Utf8Value(base64);
    } else {
      const std::u16string text = client.Get(wide_url);
      json.Key("ok");
      json.Value(true);
      json.Key("text");
      json.Value(text);
    }
  } catch (const std::exception& error) {
    ok = false;
    json.Key("ok");
    json.Value(false);
    json.Key("error");
    json.Utf8Value(error.what());
  }
  json.EndObject();
  line = json.Text();
  return ok;
}

}  // namespace

int RunGet(std::span<const std::string> args) {
  bool bytes = false;
  std::vector<std::string> urls;
  for (const std::string& arg : args) {
    if (arg == "--bytes" && urls.empty() && !bytes) {
      bytes = true;
    } else {
      urls.push_back(arg);
    }
  }
  if (urls.empty()) {
    std::fputs(kGetUsage, stderr);
    return 2;
  }
  http::THttpClient client;
  bool all_ok = true;
  for (const std::string& url : urls) {
    std::string line;
    all_ok = GetOne(client, url, bytes, line) && all_ok;
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
  }
  return all_ok ? 0 : 1;
}

}  // namespace vorlan::cli
