#pragma once

#include <memory>
#include <string>
#include <vector>

#include "http/channel.h"

// In-memory connections for client tests: each connect takes the next
// scripted answer; the bytes the client sends are recorded per connection.
namespace vorlan::http::testing {

struct MemoryAnswer {
  MemoryAnswer(std::string reply) : replies{std::move(reply)} {}  // NOLINT: rows read better
  MemoryAnswer(std::vector<std::string> replies_in, bool hold) : replies(std::move(replies_in)), hold_open(hold) {}

  // Reply n becomes readable once the client has sent n + 1 request headers.
  std::vector<std::string> replies;
  // After the last reply: keep the connection open (a read then times out at
  // once) instead of closing it.
  bool hold_open = false;
  // Deliver the bytes in pieces of this size (0: as much as asked for).
  size_t piece = 0;
};

class MemoryNetwork {
 public:
  explicit MemoryNetwork(std::vector<MemoryAnswer> answers);
  TConnector Connector();

  // Bytes sent on each connection, in connection order.
  std::vector<std::string> Sent() const;
  const std::vector<TConnectTarget>& Targets() const;

 private:
  struct State;
  std::shared_ptr<State> state_;
};

}  // namespace vorlan::http::testing
