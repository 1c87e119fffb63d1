#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "http/http_limits.h"
#include "platform/net_deadline.h"
#include "platform/socket.h"

// The byte stream under the client: a TCP connection, or an in-memory one for
// tests and fuzzing. Failures are platform::SocketError / TimeoutError.
namespace vorlan::http {

class TByteChannel {
 public:
  virtual ~TByteChannel() = default;
  // True when a receive would not block; false when the deadline passed.
  virtual bool WaitReadable(platform::Deadline deadline) = 0;
  // Bytes received; 0 when the peer has closed.
  virtual size_t Receive(std::span<uint8_t> into) = 0;
  // Bytes taken (maybe fewer than offered).
  virtual size_t Send(std::span<const uint8_t> bytes) = 0;
};

struct TConnectTarget {
  std::string host;  // UTF-8
  uint16_t port = 0;
  platform::AddressFamily family = platform::AddressFamily::kIPv4;
  platform::Deadline deadline = platform::Deadline::Never();
};

using TConnector = std::function<std::unique_ptr<TByteChannel>(const TConnectTarget&)>;

// Resolves the host and connects a TCP socket.
std::unique_ptr<TByteChannel> ConnectTcp(const TConnectTarget& target);

}  // namespace vorlan::http
