#include "http/loopback_server.h"

#include <chrono>

namespace vorlan::http::testing {
namespace {

using std::chrono::milliseconds;
constexpr milliseconds kPoll{50};
constexpr int kMaxSilentPolls = 400;  // 20 seconds: a test that hangs fails instead

}  // namespace

LoopbackServer::LoopbackServer(std::vector<ConnectionScript> scripts)
    : port_(listener_.Port()), thread_([this, s = std::move(scripts)]() mutable { Serve(std::move(s)); }) {}

LoopbackServer::~LoopbackServer() {
  stop_ = true;
  thread_.join();
}

std::u16string LoopbackServer::Url(std::string_view path) const {
  std::string url = "http://127.0.0.1:" + std::to_string(port_);
  url += path;
  return std::u16string(url.begin(), url.end());
}

bool LoopbackServer::WaitForFinishedScripts(int count) const {
  for (int polls = 0; polls < kMaxSilentPolls; ++polls) {
    if (finished_ >= count) {
      // Let the close reach the other end of the loopback.
      std::this_thread::sleep_for(kPoll);
      return true;
    }
    std::this_thread::sleep_for(kPoll);
  }
  return false;
}

std::vector<std::string> LoopbackServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

bool LoopbackServer::WaitInput(platform::Socket& socket) {
  for (int polls = 0; polls < kMaxSilentPolls && !stop_; ++polls) {
    if (socket.WaitReadable(platform::Deadline::After(kPoll))) return true;
  }
  return false;
}

void LoopbackServer::Serve(std::vector<ConnectionScript> scripts) {
  for (const ConnectionScript& script : scripts) {
    platform::Socket socket;
    for (int polls = 0; polls < kMaxSilentPolls && !stop_ && !socket.IsOpen(); ++polls) {
      socket = listener_.Accept(platform::Deadline::After(kPoll));
    }
    if (!socket.IsOpen()) return;
    ++connections_;
    try {
      Run(socket, script);
    } catch (const platform::SocketError&) {
      // The client went away early; the test judges what it saw.
    }
    if (socket.IsOpen()) {
      std::lock_guard lock(mutex_);
      kept_open_.push_back(std::move(socket));
    }
    ++finished_;
  }
}

void LoopbackServer::Run(platform::Socket& socket, const ConnectionScript& script) {
  std::string pending;
  for (const ServerStep& step : script) {
    switch (step.kind) {
      case ServerStep::Kind::kReadRequest: {
        size_t end;
        while ((end = pending.find("\r\n\r\n")) == std::string::npos) {
          if (!WaitInput(socket)) return;
          uint8_t buffer[4096];
          const size_t got = socket.Receive(buffer);
          if (got == 0) return;
          pending.append(reinterpret_cast<const char*>(buffer), got);
        }
        std::lock_guard lock(mutex_);
        requests_.push_back(pending.substr(0, end + 4));
        pending.erase(0, end + 4);
        break;
      }
      case ServerStep::Kind::kSend: {
        std::string_view rest = step.data;
        while (!rest.empty()) {
          rest.remove_prefix(socket.Send({reinterpret_cast<const uint8_t*>(rest.data()), rest.size()}));
        }
        break;
      }
      case ServerStep::Kind::kClose:
        socket.Close();
        return;
      case ServerStep::Kind::kReset:
        socket.Reset();
        return;
      case ServerStep::Kind::kWaitForClientClose:
        while (WaitInput(socket)) {
          uint8_t buffer[4096];
          if (socket.Receive(buffer) == 0) break;
        }
        return;
    }
  }
}

std::string Answer(std::string_view status_line, std::vector<std::string> fields, std::string_view body,
                   bool with_length) {
  std::string answer(status_line);
  answer += "\r\n";
  for (const std::string& field : fields) answer += field + "\r\n";
  if (with_length) answer += "Content-Length: " + std::to_string(body.size()) + "\r\n";
  answer += "\r\n";
  answer += body;
  return answer;
}

}  // namespace vorlan::http::testing
