// A soak: 10 000 film lookups through one HTTP client against the stand-in
// catalogue (127.0.0.1:18081 or VORLAN_CATALOGUE_ADDRESS), keep-alive and fresh connections mixed (every
// tenth lookup follows a request to another port, so the client reconnects).
// Prints the resident memory at the 1 000th and the 10 000th lookup; the
// growth between them should stay under 1 MiB.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/film_lookup.h"
#include "common/service_address.h"
#include "http/http_client.h"
#include "platform/error.h"
#include "platform/text.h"

namespace {

constexpr int kLookups = 10000;
constexpr int kWarmUp = 1000;

long ResidentKiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

}  // namespace

int main() {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("vorlan-soak-" + std::to_string(getpid()));
  fs::create_directories(dir);
  fs::current_path(dir);  // the lookup writes its page into the working directory

  vorlan::http::THttpClient client;
  const vorlan::app::GetText get = [&client](const std::u16string& url) { return client.Get(url); };
  const std::string catalogue = bench::ServiceAddress("VORLAN_CATALOGUE_ADDRESS", "127.0.0.1:18081");
  const std::u16string portal_probe =
      u"http://" + vorlan::platform::Utf8ToUtf16(bench::ServiceAddress("VORLAN_PORTAL_ADDRESS", "127.0.0.1:18083")) +
      u"/test/connection";
  const vorlan::app::LookupHosts hosts{vorlan::platform::Utf8ToUtf16(catalogue), u"vorlantv.example"};
  vorlan::app::TResponseHolder holder;
  long at_warm_up = 0;
  int failures = 0;
  for (int i = 1; i <= kLookups; ++i) {
    try {
      if (i % 10 == 0) client.Get(portal_probe);
      vorlan::app::RunFilmLookup(u"306084", get, holder, hosts, {});
    } catch (const vorlan::Error& error) {
      if (++failures == 1) std::fprintf(stderr, "bench_soak: lookup %d failed: %s\n", i, error.what());
    }
    if (i == kWarmUp) at_warm_up = ResidentKiB();
  }
  const long at_end = ResidentKiB();
  fs::current_path(fs::temp_directory_path());
  fs::remove_all(dir);
  std::printf("soak: %d lookups, %d failed; resident %ld KiB after %d, %ld KiB after %d: growth %ld KiB\n", kLookups,
              failures, at_warm_up, kWarmUp, at_end, kLookups, at_end - at_warm_up);
  return failures == 0 ? 0 : 1;
}
