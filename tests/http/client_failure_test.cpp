// Socket failures while sending and receiving, through a channel that fails
// on cue: the error the caller sees is the socket layer's message.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

#include "http/http_client.h"

namespace vorlan::http {
namespace {

// A connection that takes nothing or answers nothing, the way it is told to.
class FailingChannel final : public TByteChannel {
 public:
  std::function<size_t()> on_send;
  std::function<size_t()> on_receive;
  bool WaitReadable(platform::Deadline) override { return true; }
  size_t Receive(std::span<uint8_t>) override { return on_receive(); }
  size_t Send(std::span<const uint8_t> bytes) override { return on_send ? on_send() : bytes.size(); }
};

std::function<size_t()> Fails(int code) {
  return [code]() -> size_t { throw platform::SocketError(code); };
}

TEST(ClientFailures, SendAndReceiveFailuresGiveTheSocketMessage) {
  struct Row {
    std::function<size_t()> send, receive;
    std::string message;
    const char* why;
  };
  const Row rows[] = {
      {Fails(10054), nullptr, "Socket Error # 10054\r\nConnection reset by peer.", "a send the peer resets"},
      {Fails(10053), nullptr, platform::SocketErrorMessage(10053), "a send the system aborts"},
      {Fails(10055), nullptr, platform::SocketErrorMessage(10055), "no buffer space for the send"},
      {[] { return size_t{0}; }, nullptr, "Connection Closed Gracefully.", "a send that nothing takes"},
      {nullptr, Fails(10054), "Socket Error # 10054\r\nConnection reset by peer.", "a reset before any answer"},
      {nullptr, [] { return size_t{0}; }, "Connection Closed Gracefully.", "an orderly close before any answer"},
  };
  for (const Row& row : rows) {
    int connects = 0;
    THttpClient client([&](const TConnectTarget&) -> std::unique_ptr<TByteChannel> {
      ++connects;
      auto channel = std::make_unique<FailingChannel>();
      channel->on_send = row.send;
      channel->on_receive = row.receive ? row.receive : [] { return size_t{0}; };
      return channel;
    });
    std::optional<std::string> message;
    try {
      client.Get(u"http://catalogue.vorlantv.example/api");
    } catch (const Error& error) {
      message = error.what();
    }
    EXPECT_EQ(message, row.message) << row.why;
    EXPECT_EQ(connects, 1) << row.why << ": a fresh connection is not tried again";
    EXPECT_FALSE(client.HasOpenConnection()) << row.why;
  }
}

}  // namespace
}  // namespace vorlan::http
