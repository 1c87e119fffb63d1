#include "http/memory_network.h"

#include <algorithm>
#include <cstring>
#include <deque>

namespace vorlan::http::testing {

struct MemoryNetwork::State {
  std::deque<MemoryAnswer> answers;
  std::vector<std::string> sent;
  std::vector<TConnectTarget> targets;
};

namespace {

class MemoryChannel final : public TByteChannel {
 public:
  MemoryChannel(MemoryAnswer answer, std::string& sent) : answer_(std::move(answer)), sent_(sent) {}

  bool WaitReadable(platform::Deadline deadline) override {
    if (offset_ < available_.size()) return true;
    if (released_ == answer_.replies.size() && !answer_.hold_open) return true;  // the end
    if (deadline.IsNever()) throw platform::SocketError(10060);                  // would hang forever
    return false;
  }
  size_t Receive(std::span<uint8_t> into) override {
    size_t count = std::min(into.size(), available_.size() - offset_);
    if (answer_.piece > 0) count = std::min(count, answer_.piece);
    std::memcpy(into.data(), available_.data() + offset_, count);
    offset_ += count;
    return count;
  }
  size_t Send(std::span<const uint8_t> bytes) override {
    sent_.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    for (size_t at = sent_.find("\r\n\r\n", scanned_); at != std::string::npos; at = sent_.find("\r\n\r\n", scanned_)) {
      scanned_ = at + 4;
      if (released_ < answer_.replies.size()) available_ += answer_.replies[released_++];
    }
    return bytes.size();
  }

 private:
  MemoryAnswer answer_;
  std::string available_;
  size_t offset_ = 0;
  size_t released_ = 0;
  size_t scanned_ = 0;
  std::string& sent_;
};

}  // namespace

MemoryNetwork::MemoryNetwork(std::vector<MemoryAnswer> answers) : state_(std::make_shared<State>()) {
  state_->answers.assign(answers.begin(), answers.end());
  state_->sent.reserve(answers.size() + 1);  // channels keep references into it
}

TConnector MemoryNetwork::Connector() {
  return [state = state_](const TConnectTarget& target) -> std::unique_ptr<TByteChannel> {
    state->targets.push_back(target);
    if (state->answers.empty()) throw platform::SocketError(10061);
    MemoryAnswer answer = std::move(state->answers.front());
    state->answers.pop_front();
    state->sent.emplace_back();
    return std::make_unique<MemoryChannel>(std::move(answer), state->sent.back());
  };
}

std::vector<std::string> MemoryNetwork::Sent() const { return state_->sent; }

const std::vector<TConnectTarget>& MemoryNetwork::Targets() const { return state_->targets; }

}  // namespace vorlan::http::testing
