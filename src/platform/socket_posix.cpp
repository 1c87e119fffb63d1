#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/socket.h"
#include "platform/socket_address_native.h"

namespace vorlan::platform {
namespace {

// errno values as the Windows Sockets codes of the same conditions.
int WsaCodeFromErrno(int error) {
  switch (error) {
    case EINTR:
      return 10004;
    case EBADF:
      return 10009;
    case EACCES:
      return 10013;
    case EFAULT:
      return 10014;
    case EINVAL:
      return 10022;
    case EMFILE:
      return 10024;
    case EWOULDBLOCK:
      return 10035;
    case EINPROGRESS:
      return 10036;
    case EALREADY:
      return 10037;
    case ENOTSOCK:
      return 10038;
    case EDESTADDRREQ:
      return 10039;
    case EMSGSIZE:
      return 10040;
    case EPROTOTYPE:
      return 10041;
    case ENOPROTOOPT:
      return 10042;
    case EPROTONOSUPPORT:
      return 10043;
    case ESOCKTNOSUPPORT:
      return 10044;
    case EOPNOTSUPP:
      return 10045;
    case EPFNOSUPPORT:
      return 10046;
    case EAFNOSUPPORT:
      return 10047;
    case EADDRINUSE:
      return 10048;
    case EADDRNOTAVAIL:
      return 10049;
    case ENETDOWN:
      return 10050;
    case ENETUNREACH:
      return 10051;
    case ENETRESET:
      return 10052;
    case ECONNABORTED:
      return 10053;
    case ECONNRESET:
      return 10054;
    // Writing to a connection the peer has reset: Windows reports a reset.
    case EPIPE:
      return 10054;
    case ENOBUFS:
      return 10055;
    case ENOMEM:
      return 10055;
    case EISCONN:
      return 10056;
    case ENOTCONN:
      return 10057;
    case ESHUTDOWN:
      return 10058;
    case ETOOMANYREFS:
      return 10059;
    case ETIMEDOUT:
      return 10060;
    case ECONNREFUSED:
      return 10061;
    case ELOOP:
      return 10062;
    case ENAMETOOLONG:
      return 10063;
    case EHOSTDOWN:
      return 10064;
    case EHOSTUNREACH:
      return 10065;
    case ENOTEMPTY:
      return 10066;
    default:
      return error;
  }
}

int WsaCodeFromResolver(int error) {
  switch (error) {
    case EAI_AGAIN:
      return 11002;
    case EAI_BADFLAGS:
      return 10022;
    case EAI_FAIL:
      return 11003;
    case EAI_FAMILY:
      return 10047;
#ifdef EAI_NODATA
    case EAI_NODATA:
      return 11004;
#endif
#ifdef EAI_ADDRFAMILY
    case EAI_ADDRFAMILY:
      return 11004;
#endif
    case EAI_NONAME:
      return kWsaHostNotFound;
    case EAI_SOCKTYPE:
      return 10044;
    case EAI_SERVICE:
      return 10109;
    case EAI_MEMORY:
      return 10055;
    case EAI_SYSTEM:
      return WsaCodeFromErrno(errno);
    default:
      return kWsaHostNotFound;
  }
}

[[noreturn]] void ThrowLastError() { throw SocketError(WsaCodeFromErrno(errno)); }

int Fd(intptr_t handle) { return static_cast<int>(handle); }

// Waits for `events` on `fd`; false when the deadline passed first.
bool WaitFor(int fd, short events, Deadline deadline) {
  for (;;) {
    pollfd entry{fd, events, 0};
    const int result = ::poll(&entry, 1, deadline.RemainingMilliseconds());
    if (result > 0) return true;
    if (result == 0) {
      if (deadline.Expired()) return false;
      continue;
    }
    if (errno != EINTR) ThrowLastError();
  }
}

void SetNonBlocking(int fd, bool on) {
  const int flags = ::fcntl(fd, F_GETFL, 0);
  if (flags < 0 || ::fcntl(fd, F_SETFL, on ? (flags | O_NONBLOCK) : (flags & ~O_NONBLOCK)) < 0) ThrowLastError();
}

class FdGuard {
 public:
  explicit FdGuard(int fd) : fd_(fd) {}
  ~FdGuard() {
    if (fd_ >= 0) ::close(fd_);
  }
  FdGuard(const FdGuard&) = delete;
  FdGuard& operator=(const FdGuard&) = delete;
  int Get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

using AddrinfoList = std::unique_ptr<addrinfo, void (*)(addrinfo*)>;

using native::FromSockaddr;
using native::LiteralAddress;
using native::SockaddrBuffer;
using native::ToSockaddr;

}  // namespace

std::string AddressToText(const SocketAddress& address) {
  char text[INET6_ADDRSTRLEN] = {};
  ::inet_ntop(address.family == AddressFamily::kIPv6 ? AF_INET6 : AF_INET, address.bytes, text, sizeof text);
  return text;
}

SocketAddress ResolveHost(std::string_view host, uint16_t port, AddressFamily family) {
  SocketAddress address;
  address.family = family;
  address.port = port;
  if (std::optional<SocketAddress> literal = LiteralAddress(host, port, family)) return *literal;
  if (host.find('\0') != std::string_view::npos) throw SocketError(kWsaHostNotFound);
  addrinfo hints{};
  hints.ai_family = family == AddressFamily::kIPv6 ? AF_INET6 : AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  const std::string name(host);
  const int result = ::getaddrinfo(name.c_str(), nullptr, &hints, &found);
  if (result != 0) throw SocketError(WsaCodeFromResolver(result));
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
  const int domain = address.family == AddressFamily::kIPv6 ? AF_INET6 : AF_INET;
  FdGuard fd(::socket(domain, SOCK_STREAM | SOCK_CLOEXEC, IPPROTO_TCP));
  if (fd.Get() < 0) ThrowLastError();
  SocketAddress any;
  any.family = address.family;
  SockaddrBuffer local = ToSockaddr(any);
  if (::bind(fd.Get(), local.Get(), local.length) != 0) ThrowLastError();
  SetNonBlocking(fd.Get(), true);
  SockaddrBuffer remote = ToSockaddr(address);
  if (::connect(fd.Get(), remote.Get(), remote.length) != 0) {
    if (errno != EINPROGRESS && errno != EINTR) ThrowLastError();
    if (!WaitFor(fd.Get(), POLLOUT, deadline)) throw TimeoutError(std::string(kConnectTimedOutMessage));
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(fd.Get(), SOL_SOCKET, SO_ERROR, &error, &length) != 0) ThrowLastError();
    if (error != 0) throw SocketError(WsaCodeFromErrno(error));
  }
  SetNonBlocking(fd.Get(), false);
  return Socket(fd.Release(), address.family);
}

bool Socket::IsOpen() const { return handle_ != kInvalid; }

bool Socket::WaitReadable(Deadline deadline) {
  if (!IsOpen()) throw SocketError(10038);
  return WaitFor(Fd(handle_), POLLIN, deadline);
}

size_t Socket::Receive(std::span<uint8_t> into) {
  if (!IsOpen()) throw SocketError(10038);
  for (;;) {
    const ssize_t got = ::recv(Fd(handle_), into.data(), into.size(), 0);
    if (got >= 0) return static_cast<size_t>(got);
    if (errno != EINTR) ThrowLastError();
  }
}

size_t Socket::Send(std::span<const uint8_t> bytes) {
  if (!IsOpen()) throw SocketError(10038);
  for (;;) {
    const ssize_t sent = ::send(Fd(handle_), bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent >= 0) return static_cast<size_t>(sent);
    if (errno != EINTR) ThrowLastError();
  }
}

void Socket::Close() {
  if (handle_ != kInvalid) ::close(Fd(std::exchange(handle_, kInvalid)));
}

void Socket::Reset() {
  if (handle_ == kInvalid) return;
  linger option{1, 0};
  ::setsockopt(Fd(handle_), SOL_SOCKET, SO_LINGER, &option, sizeof option);
  Close();
}

ListeningSocket::ListeningSocket(uint16_t port) {
  FdGuard fd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, IPPROTO_TCP));
  if (fd.Get() < 0) ThrowLastError();
  const int reuse = 1;
  ::setsockopt(fd.Get(), SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
  SocketAddress loopback = *LiteralAddress("127.0.0.1", port, AddressFamily::kIPv4);
  SockaddrBuffer local = ToSockaddr(loopback);
  if (::bind(fd.Get(), local.Get(), local.length) != 0 || ::listen(fd.Get(), 64) != 0) ThrowLastError();
  sockaddr_in bound{};
  socklen_t length = sizeof bound;
  if (::getsockname(fd.Get(), reinterpret_cast<sockaddr*>(&bound), &length) != 0) ThrowLastError();
  port_ = ntohs(bound.sin_port);
  handle_ = fd.Release();
}

ListeningSocket::~ListeningSocket() { Close(); }

ListeningSocket::ListeningSocket(ListeningSocket&& other) noexcept
    : handle_(std::exchange(other.handle_, Socket::kInvalid)), port_(other.port_) {}

Socket ListeningSocket::Accept(Deadline deadline) {
  if (handle_ == Socket::kInvalid || !WaitFor(Fd(handle_), POLLIN, deadline)) return Socket();
  const int fd = ::accept4(Fd(handle_), nullptr, nullptr, SOCK_CLOEXEC);
  if (fd < 0) ThrowLastError();
  return Socket(fd, AddressFamily::kIPv4);
}

void ListeningSocket::Close() {
  if (handle_ != Socket::kInvalid) ::close(Fd(std::exchange(handle_, Socket::kInvalid)));
}

}  // namespace vorlan::platform
