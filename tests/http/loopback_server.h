#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/socket.h"

// A scripted HTTP server on 127.0.0.1 for tests: each accepted connection
// runs the next script of steps; request bytes are recorded as received.
namespace vorlan::http::testing {

struct ServerStep {
  enum class Kind { kReadRequest, kSend, kClose, kReset, kWaitForClientClose };
  Kind kind;
  std::string data;
};

inline ServerStep ReadRequest() { return {ServerStep::Kind::kReadRequest, {}}; }
inline ServerStep Send(std::string bytes) { return {ServerStep::Kind::kSend, std::move(bytes)}; }
inline ServerStep Close() { return {ServerStep::Kind::kClose, {}}; }
inline ServerStep Reset() { return {ServerStep::Kind::kReset, {}}; }
// Stalls: answers nothing until the client goes away.
inline ServerStep WaitForClientClose() { return {ServerStep::Kind::kWaitForClientClose, {}}; }

using ConnectionScript = std::vector<ServerStep>;

class LoopbackServer {
 public:
  explicit LoopbackServer(std::vector<ConnectionScript> scripts);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  uint16_t Port() const { return port_; }
  // "http://127.0.0.1:PORT" followed by `path`.
  std::u16string Url(std::string_view path) const;
  std::vector<std::string> Requests() const;
  int Connections() const { return connections_; }
  // Waits (a bounded time) until `count` connection scripts have run out.
  bool WaitForFinishedScripts(int count) const;

 private:
  void Serve(std::vector<ConnectionScript> scripts);
  void Run(platform::Socket& socket, const ConnectionScript& script);
  // Waits for input; false when stopping or after a long silence.
  bool WaitInput(platform::Socket& socket);

  platform::ListeningSocket listener_;
  uint16_t port_;
  std::atomic<bool> stop_{false};
  std::atomic<int> connections_{0};
  std::atomic<int> finished_{0};
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::vector<platform::Socket> kept_open_;
  std::thread thread_;
};

// Status line, fields and body as one answer; "Content-Length" is added
// when `length` is set.
std::string Answer(std::string_view status_line, std::vector<std::string> fields, std::string_view body,
                   bool with_length = true);

}  // namespace vorlan::http::testing
