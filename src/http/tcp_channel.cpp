#include "http/channel.h"

namespace vorlan::http {
namespace {

class TTcpChannel final : public TByteChannel {
 public:
  explicit TTcpChannel(platform::Socket socket) : socket_(std::move(socket)) {}

  bool WaitReadable(platform::Deadline deadline) override { return socket_.WaitReadable(deadline); }
  size_t Receive(std::span<uint8_t> into) override { return socket_.Receive(into); }
  size_t Send(std::span<const uint8_t> bytes) override { return socket_.Send(bytes); }

 private:
  platform::Socket socket_;
};

}  // namespace

std::unique_ptr<TByteChannel> ConnectTcp(const TConnectTarget& target) {
  const platform::SocketAddress address = platform::ResolveHost(target.host, target.port, target.family);
  return std::make_unique<TTcpChannel>(platform::Socket::Connect(address, target.deadline));
}

}  // namespace vorlan::http
