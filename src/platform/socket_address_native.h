#pragma once

// Conversions between SocketAddress and the system's socket addresses,
// shared by the Winsock and the POSIX socket layers (both offer the BSD
// address structures and inet_pton).
#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#endif

#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "platform/socket.h"

namespace vorlan::platform::native {

struct SockaddrBuffer {
  sockaddr_storage storage{};
  socklen_t length = 0;
  const sockaddr* Get() const { return reinterpret_cast<const sockaddr*>(&storage); }
};

inline int Domain(AddressFamily family) { return family == AddressFamily::kIPv6 ? AF_INET6 : AF_INET; }

inline SockaddrBuffer ToSockaddr(const SocketAddress& address) {
  SockaddrBuffer buffer;
  if (address.family == AddressFamily::kIPv6) {
    auto* v6 = reinterpret_cast<sockaddr_in6*>(&buffer.storage);
    v6->sin6_family = AF_INET6;
    v6->sin6_port = htons(address.port);
    v6->sin6_scope_id = address.scope_id;
    std::memcpy(&v6->sin6_addr, address.bytes, 16);
    buffer.length = sizeof(sockaddr_in6);
  } else {
    auto* v4 = reinterpret_cast<sockaddr_in*>(&buffer.storage);
    v4->sin_family = AF_INET;
    v4->sin_port = htons(address.port);
    std::memcpy(&v4->sin_addr, address.bytes, 4);
    buffer.length = sizeof(sockaddr_in);
  }
  return buffer;
}

// Takes the address bytes when `from` is of the family `address` asks for.
inline bool FromSockaddr(const sockaddr* from, SocketAddress& address) {
  if (from->sa_family == AF_INET6 && address.family == AddressFamily::kIPv6) {
    const auto* v6 = reinterpret_cast<const sockaddr_in6*>(from);
    std::memcpy(address.bytes, &v6->sin6_addr, 16);
    address.scope_id = v6->sin6_scope_id;
    return true;
  }
  if (from->sa_family == AF_INET && address.family == AddressFamily::kIPv4) {
    std::memcpy(address.bytes, &reinterpret_cast<const sockaddr_in*>(from)->sin_addr, 4);
    return true;
  }
  return false;
}

// "LOCALHOST" (IPv4) and address literals, without the resolver.
inline std::optional<SocketAddress> LiteralAddress(std::string_view host, uint16_t port, AddressFamily family) {
  SocketAddress address;
  address.family = family;
  address.port = port;
  std::string text(host);
  if (family == AddressFamily::kIPv4 && IsLocalhostName(host)) text.assign("127.0.0.1");
  if (::inet_pton(Domain(family), text.c_str(), address.bytes) == 1) return address;
  return std::nullopt;
}

}  // namespace vorlan::platform::native
