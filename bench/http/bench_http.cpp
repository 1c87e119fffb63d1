// The HTTP client beside curl on loopback, in the same run: one 64 MiB body,
// and 1000 small GETs on one kept-alive connection. The big body comes from a
// small server in this process (the stand-in services have none that large);
// the small GETs go to the stand-in picture service when it runs, else to the
// same in-process server. Prints client time / curl time for each.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "common/service_address.h"
#include "http/http_client.h"
#include "platform/socket.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr size_t kBigSize = size_t{64} * 1024 * 1024;
constexpr int kSmallGets = 1000;
constexpr int kRounds = 3;

// Answers "/big" with kBigSize bytes and anything else with a small body,
// keeping connections open.
class BenchServer {
 public:
  BenchServer() : big_(kBigSize, 'x'), thread_([this] { Serve(); }) {
    for (size_t i = 0; i < big_.size(); i += 4096) big_[i] = static_cast<char>('a' + (i / 4096) % 26);
  }
  ~BenchServer() {
    stop_ = true;
    thread_.join();
  }
  std::string Url(const char* path) const { return "http://127.0.0.1:" + std::to_string(listener_.Port()) + path; }

 private:
  void Serve() {
    while (!stop_) {
      vorlan::platform::Socket socket =
          listener_.Accept(vorlan::platform::Deadline::After(std::chrono::milliseconds(50)));
      if (!socket.IsOpen()) continue;
      try {
        Handle(socket);
      } catch (const vorlan::Error&) {
      }
    }
  }
  void Handle(vorlan::platform::Socket& socket) {
    std::string pending;
    uint8_t buffer[16384];
    while (!stop_) {
      const size_t end = pending.find("\r\n\r\n");
      if (end == std::string::npos) {
        if (!socket.WaitReadable(vorlan::platform::Deadline::After(std::chrono::milliseconds(50)))) continue;
        const size_t got = socket.Receive(buffer);
        if (got == 0) return;
        pending.append(reinterpret_cast<const char*>(buffer), got);
        continue;
      }
      const bool big = pending.compare(0, 9, "GET /big ") == 0;
      pending.erase(0, end + 4);
      const std::string_view body = big ? std::string_view(big_) : std::string_view("[{\"id\":1}]");
      const std::string header =
          "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: " + std::to_string(body.size()) +
          "\r\n\r\n";
      SendAll(socket, header);
      SendAll(socket, body);
    }
  }
  static void SendAll(vorlan::platform::Socket& socket, std::string_view bytes) {
    while (!bytes.empty()) {
      bytes.remove_prefix(socket.Send({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}));
    }
  }

  vorlan::platform::ListeningSocket listener_;
  std::string big_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

double Seconds(Clock::duration span) { return std::chrono::duration<double>(span).count(); }

template <typename F>
double Best(F&& run) {
  double best = 1e300;
  for (int i = 0; i < kRounds; ++i) {
    const Clock::time_point start = Clock::now();
    run();
    best = std::min(best, Seconds(Clock::now() - start));
  }
  return best;
}

std::u16string Wide(const std::string& text) { return std::u16string(text.begin(), text.end()); }

bool RunCurl(const std::string& arguments) {
  const std::string command = "curl -s -f " + arguments + " >/dev/null";
  return std::system(command.c_str()) == 0;
}

void Report(const char* what, double client, double curl) {
  std::printf("%-40s client %8.3f s   curl %8.3f s   ratio client/curl %.2f\n", what, client, curl, client / curl);
}

}  // namespace

int main() {
  BenchServer server;
  const std::string big_url = server.Url("/big");
  std::vector<uint8_t> body;
  const double client_big = Best([&] {
    vorlan::http::THttpClient client;
    body.clear();
    client.Get(Wide(big_url), body);
  });
  if (body.size() != kBigSize) {
    std::fprintf(stderr, "bench_http: got %zu bytes instead of %zu\n", body.size(), kBigSize);
    return 1;
  }
  const double curl_big = Best([&] { RunCurl("-o /dev/null " + big_url); });
  Report("64 MiB body", client_big, curl_big);

  std::string small_url =
      "http://" + bench::ServiceAddress("VORLAN_PICTURES_ADDRESS", "127.0.0.1:18082") + "/400/200/nature/";
  try {
    vorlan::http::THttpClient probe;
    probe.Get(Wide(small_url), body);
  } catch (const vorlan::Error&) {
    small_url = server.Url("/small");
  }
  const double client_small = Best([&] {
    vorlan::http::THttpClient client;
    for (int i = 0; i < kSmallGets; ++i) {
      body.clear();
      client.Get(Wide(small_url), body);
    }
  });
  const std::string config = (std::filesystem::temp_directory_path() / "bench_http_curl.cfg").string();
  {
    std::ofstream out(config);
    for (int i = 0; i < kSmallGets; ++i) out << "url = \"" << small_url << "\"\noutput = \"/dev/null\"\n";
  }
  const double curl_small = Best([&] { RunCurl("-K " + config); });
  Report(("1000 keep-alive GETs of " + small_url).c_str(), client_small, curl_small);
  return 0;
}
