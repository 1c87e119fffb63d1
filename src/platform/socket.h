#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/error.h"
#include "platform/net_deadline.h"

// Blocking TCP stream sockets with waits bounded by deadlines. Every failure
// is a SocketError carrying a Windows Sockets error code, on every system, so
// the same condition gives the same message everywhere.
namespace vorlan::platform {

enum class AddressFamily { kIPv4, kIPv6 };

// Windows Sockets error codes the callers act on.
inline constexpr int kWsaConnectionAborted = 10053;
inline constexpr int kWsaConnectionReset = 10054;
inline constexpr int kWsaShutdown = 10058;
inline constexpr int kWsaHostNotFound = 11001;

inline constexpr char kConnectTimedOutMessage[] = "Connect timed out.";
inline constexpr char kReadTimedOutMessage[] = "Read timed out.";

// "Socket Error # <code>\r\n<text>".
std::string SocketErrorMessage(int code);

class SocketError : public Error {
 public:
  explicit SocketError(int code) : Error(SocketErrorMessage(code)), code_(code) {}
  int Code() const { return code_; }

 private:
  int code_;
};

// A waiting limit ran out.
class TimeoutError : public Error {
 public:
  using Error::Error;
};

// A resolved address with its port, ready to connect to.
struct SocketAddress {
  AddressFamily family = AddressFamily::kIPv4;
  uint8_t bytes[16] = {};  // 4 used for IPv4
  uint32_t scope_id = 0;
  uint16_t port = 0;
};

// "LOCALHOST" (IPv4), address literals, else the system resolver's first
// address of the family. Host names are UTF-8.
SocketAddress ResolveHost(std::string_view host, uint16_t port, AddressFamily family);

// "LOCALHOST" in any letter case: resolved to 127.0.0.1 without the resolver.
bool IsLocalhostName(std::string_view host);

// The address as text (IPv6 in its canonical form).
std::string AddressToText(const SocketAddress& address);

class Socket {
 public:
  Socket() = default;
  ~Socket();
  Socket(Socket&& other) noexcept;
  Socket& operator=(Socket&& other) noexcept;
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;

  // A new socket bound to any local address, connected to `address`; gives up
  // with TimeoutError(kConnectTimedOutMessage) at the deadline.
  static Socket Connect(const SocketAddress& address, Deadline deadline);

  bool IsOpen() const;
  AddressFamily Family() const { return family_; }
  // True when a receive would not block (data or an end); false when the
  // deadline passed first.
  bool WaitReadable(Deadline deadline);
  // Bytes received; 0 when the peer has closed its side.
  size_t Receive(std::span<uint8_t> into);
  // Bytes the system took (maybe fewer than offered).
  size_t Send(std::span<const uint8_t> bytes);
  void Close();
  // Closes with a reset instead of an orderly close.
  void Reset();

 private:
  friend class ListeningSocket;
  using Native = intptr_t;
  static constexpr Native kInvalid = -1;
  explicit Socket(Native handle, AddressFamily family) : handle_(handle), family_(family) {}

  Native handle_ = kInvalid;
  AddressFamily family_ = AddressFamily::kIPv4;
};

// A listening socket on the loopback address (tests and benchmarks).
class ListeningSocket {
 public:
  // Listens on 127.0.0.1 at `port` (0: a port the system chooses).
  explicit ListeningSocket(uint16_t port = 0);
  ~ListeningSocket();
  ListeningSocket(ListeningSocket&& other) noexcept;
  ListeningSocket& operator=(ListeningSocket&&) = delete;
  ListeningSocket(const ListeningSocket&) = delete;
  ListeningSocket& operator=(const ListeningSocket&) = delete;

  uint16_t Port() const { return port_; }
  // The next connection, or a closed socket when the deadline passed first.
  Socket Accept(Deadline deadline);
  void Close();

 private:
  Socket::Native handle_ = Socket::kInvalid;
  uint16_t port_ = 0;
};

}  // namespace vorlan::platform
