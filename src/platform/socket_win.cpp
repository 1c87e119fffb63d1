#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/socket.h"
#include "platform/socket_address_native.h"
#include "platform/socket_handle_win.h"

namespace vorlan::platform {
namespace {

// Windows Sockets is started once for the process and left running.
void EnsureStarted() {
  static const bool started = [] {
    WSADATA data;
    return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  if (!started) throw SocketError(10091);
}

[[noreturn]] void ThrowLastError() { throw SocketError(::WSAGetLastError()); }

SOCKET Native(intptr_t handle) { return static_cast<SOCKET>(handle); }

using AddrinfoList = std::unique_ptr<addrinfo, void(WSAAPI*)(addrinfo*)>;

using native::FromSockaddr;
using native::LiteralAddress;
using native::SockaddrBuffer;
using native::ToSockaddr;

// Waits for the socket to become readable (or, for a connect, writable or
// failed); false when the deadline passed first.
bool WaitFor(SOCKET socket, bool for_connect, Deadline deadline) {
  for (;;) {
    fd_set primary;
    fd_set failed;
    FD_ZERO(&primary);
    FD_ZERO(&failed);
    FD_SET(socket, &primary);
    FD_SET(socket, &failed);
    const int remaining = deadline.RemainingMilliseconds();
    timeval limit{remaining / 1000, (remaining % 1000) * 1000};
    const int result = ::select(0, for_connect ? nullptr : &primary, for_connect ? &primary : nullptr,
                                for_connect ? &failed : nullptr, remaining < 0 ? nullptr : &limit);
    if (result > 0) return true;
    if (result == 0) {
      if (deadline.Expired()) return false;
      continue;
    }
    if (::WSAGetLastError() != WSAEINTR) ThrowLastError();
  }
}

void SetNonBlocking(SOCKET socket, bool on) {
  u_long mode = on ? 1 : 0;
  if (::ioctlsocket(socket, FIONBIO, &mode) != 0) ThrowLastError();
}

}  // namespace

std::string AddressToText(const SocketAddress& address) {
  EnsureStarted();
  char text[INET6_ADDRSTRLEN] = {};
  ::inet_ntop(address.family == AddressFamily::kIPv6 ? AF_INET6 : AF_INET, address.bytes, text, sizeof text);
  return text;
}

SocketAddress ResolveHost(std::string_view host, uint16_t port, AddressFamily family) {
  EnsureStarted();
  if (std::optional<SocketAddress> literal = LiteralAddress(host, port, family)) return *literal;
  if (host.find('\0') != std::string_view::npos) throw SocketError(kWsaHostNotFound);
  SocketAddress address;
  address.family = family;
  address.port = port;
  addrinfo hints{};
  hints.ai_family = family == AddressFamily::kIPv6 ? AF_INET6 : AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  const std::string name(host);
  const int result = ::getaddrinfo(name.c_str(), nullptr, &hints, &found);
  if (result != 0) throw SocketError(result);
  const AddrinfoList list(found, ::freeaddrinfo);
  if (!FromSockaddr(found->ai_addr, address)) throw SocketError(11004);
  return address;
}

Socket::~Socket() { Close(); }

Socket::Socket(Socket&& other) noexcept : handle_(std::exchange(other.handle_, kInvalid)), family_(other.family_) {}

Socket& Socket::operator=(Socket&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, kInvalid);
    family_ = other.family_;
  }
  return *this;
}

Socket Socket::Connect(const SocketAddress& address, Deadline deadline) {
  EnsureStarted();
  const int domain = address.family == AddressFamily::kIPv6 ? AF_INET6 : AF_INET;
  UniqueSocket socket(::socket(domain, SOCK_STREAM, IPPROTO_TCP));
  if (!socket) ThrowLastError();
  SocketAddress any;
  any.family = address.family;
  const SockaddrBuffer local = ToSockaddr(any);
  if (::bind(socket.get(), local.Get(), local.length) != 0) ThrowLastError();
  SetNonBlocking(socket.get(), true);
  const SockaddrBuffer remote = ToSockaddr(address);
  if (::connect(socket.get(), remote.Get(), remote.length) != 0) {
    if (::WSAGetLastError() != WSAEWOULDBLOCK) ThrowLastError();
    if (!WaitFor(socket.get(), true, deadline)) throw TimeoutError(std::string(kConnectTimedOutMessage));
    int error = 0;
    int length = sizeof error;
    if (::getsockopt(socket.get(), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) != 0) {
      ThrowLastError();
    }
    if (error != 0) throw SocketError(error);
  }
  SetNonBlocking(socket.get(), false);
  return Socket(static_cast<Native>(socket.release()), address.family);
}

bool Socket::IsOpen() const { return handle_ != kInvalid; }

bool Socket::WaitReadable(Deadline deadline) {
  if (!IsOpen()) throw SocketError(WSAENOTSOCK);
  return WaitFor(Native(handle_), false, deadline);
}

size_t Socket::Receive(std::span<uint8_t> into) {
  if (!IsOpen()) throw SocketError(WSAENOTSOCK);
  const int size = into.size() > 0x40000000 ? 0x40000000 : static_cast<int>(into.size());
  const int got = ::recv(Native(handle_), reinterpret_cast<char*>(into.data()), size, 0);
  if (got == SOCKET_ERROR) ThrowLastError();
  return static_cast<size_t>(got);
}

size_t Socket::Send(std::span<const uint8_t> bytes) {
  if (!IsOpen()) throw SocketError(WSAENOTSOCK);
  const int size = bytes.size() > 0x40000000 ? 0x40000000 : static_cast<int>(bytes.size());
  const int sent = ::send(Native(handle_), reinterpret_cast<const char*>(bytes.data()), size, 0);
  if (sent == SOCKET_ERROR) ThrowLastError();
  return static_cast<size_t>(sent);
}

void Socket::Close() { UniqueSocket closing(static_cast<SOCKET>(std::exchange(handle_, kInvalid))); }

void Socket::Reset() {
  if (handle_ == kInvalid) return;
  linger option{1, 0};
  ::setsockopt(Native(handle_), SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&option), sizeof option);
  Close();
}

ListeningSocket::ListeningSocket(uint16_t port) {
  EnsureStarted();
  UniqueSocket socket(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
  if (!socket) ThrowLastError();
  const SockaddrBuffer local = ToSockaddr(*LiteralAddress("127.0.0.1", port, AddressFamily::kIPv4));
  if (::bind(socket.get(), local.Get(), local.length) != 0 || ::listen(socket.get(), 64) != 0) ThrowLastError();
  sockaddr_in bound{};
  int length = sizeof bound;
  if (::getsockname(socket.get(), reinterpret_cast<sockaddr*>(&bound), &length) != 0) ThrowLastError();
  port_ = ntohs(bound.sin_port);
  handle_ = static_cast<Socket::Native>(socket.release());
}

ListeningSocket::~ListeningSocket() { Close(); }

ListeningSocket::ListeningSocket(ListeningSocket&& other) noexcept
    : handle_(std::exchange(other.handle_, Socket::kInvalid)), port_(other.port_) {}

Socket ListeningSocket::Accept(Deadline deadline) {
  if (handle_ == Socket::kInvalid || !WaitFor(Native(handle_), false, deadline)) return Socket();
  const SOCKET accepted = ::accept(Native(handle_), nullptr, nullptr);
  if (accepted == INVALID_SOCKET) ThrowLastError();
  return Socket(static_cast<Socket::Native>(accepted), AddressFamily::kIPv4);
}

void ListeningSocket::Close() { UniqueSocket closing(static_cast<SOCKET>(std::exchange(handle_, Socket::kInvalid))); }

}  // namespace vorlan::platform
