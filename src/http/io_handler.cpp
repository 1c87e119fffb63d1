#include "http/io_handler.h"

#include <algorithm>

#include "http/http_errors.h"
#include "platform/ascii.h"

namespace vorlan::http {

using platform::AsciiFromBytes;
namespace {

constexpr int kConnectedPollRounds = 8;

bool EndsConnection(int code) {
  return code == platform::kWsaConnectionAborted || code == platform::kWsaConnectionReset ||
         code == platform::kWsaShutdown;
}

}  // namespace

TIOHandlerStack::TIOHandlerStack(TConnector connector, const TWaitLimits& limits)
    : connector_(std::move(connector)), limits_(limits) {}

bool TIOHandlerStack::Connected() {
  try {
    // A few receives at most: a peer that keeps sending cannot hold us here.
    for (int round = 0; round < kConnectedPollRounds && channel_; ++round) {
      if (!channel_->WaitReadable(platform::Deadline::Now()) || !ReceiveIntoBuffer(platform::Deadline::Now())) break;
    }
  } catch (const platform::SocketError&) {
    // A reset of an idle connection only means it is gone.
    CloseChannel();
  }
  return IsOpen() || !InputBufferIsEmpty();
}

void TIOHandlerStack::Connect(const std::string& host, uint16_t port, platform::AddressFamily family) {
  if (IsOpen()) throw Error(std::string(kAlreadyConnected));
  if (host.empty() || port == 0) throw Error(std::string());
  TConnectTarget target{host, port, family, platform::Deadline::AfterOrNever(limits_.connect)};
  ClearInputBuffer();
  channel_ = connector_(target);
  host_ = host;
  port_ = port;
  family_ = family;
  closed_gracefully_ = false;
}

void TIOHandlerStack::Disconnect() {
  CloseChannel();
  ClearInputBuffer();
  write_buffer_.reset();
}

void TIOHandlerStack::CloseChannel() { channel_.reset(); }

void TIOHandlerStack::ClearInputBuffer() {
  input_.clear();
  head_ = 0;
}

void TIOHandlerStack::WriteBufferOpen() {
  if (!write_buffer_) write_buffer_.emplace();
}

void TIOHandlerStack::WriteLn(std::string_view line) {
  std::string bytes(line);
  bytes += "\r\n";
  if (write_buffer_) {
    *write_buffer_ += bytes;
  } else {
    SendAll(bytes);
  }
}

void TIOHandlerStack::WriteBufferClose() {
  if (!write_buffer_) return;
  const std::string bytes = std::move(*write_buffer_);
  write_buffer_.reset();
  SendAll(bytes);
}

void TIOHandlerStack::WriteBufferCancel() { write_buffer_.reset(); }

void TIOHandlerStack::SendAll(std::string_view bytes) {
  if (!channel_) {
    if (closed_gracefully_) ThrowClosed();
    throw Error(std::string(kNotConnected));
  }
  while (!bytes.empty()) {
    size_t sent = 0;
    try {
      sent = channel_->Send({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
    } catch (const platform::SocketError& error) {
      if (EndsConnection(error.Code())) closed_gracefully_ = true;
      CloseChannel();
      throw;
    }
    if (sent == 0) {
      closed_gracefully_ = true;
      CloseChannel();
      ThrowClosed();
    }
    bytes.remove_prefix(std::min(sent, bytes.size()));
  }
}

platform::Deadline TIOHandlerStack::ReadDeadline() const { return platform::Deadline::AfterOrNever(limits_.read); }

void TIOHandlerStack::ThrowClosed() const {
  if (closed_gracefully_) throw EConnectionClosedGracefully();
  throw Error(std::string(kNotConnected));
}

size_t TIOHandlerStack::ReceiveInto(std::span<uint8_t> into, platform::Deadline deadline, bool input_buffered) {
  if (!channel_) return 0;
  if (!channel_->WaitReadable(deadline)) {
    // Half a response may be on its way: the connection is out of step.
    CloseChannel();
    throw platform::TimeoutError(std::string(platform::kReadTimedOutMessage));
  }
  size_t got = 0;
  try {
    got = channel_->Receive(into);
  } catch (const platform::SocketError& error) {
    CloseChannel();
    if (!EndsConnection(error.Code())) throw;
    closed_gracefully_ = true;
    // Bytes already buffered are delivered first.
    if (!input_buffered) throw;
    return 0;
  }
  if (got == 0) {
    closed_gracefully_ = true;
    CloseChannel();
  }
  return got;
}

bool TIOHandlerStack::ReceiveIntoBuffer(platform::Deadline deadline) {
  if (head_ > 0 && head_ >= input_.size() / 2) {
    input_.erase(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(head_));
    head_ = 0;
  }
  const size_t old_size = input_.size();
  input_.resize(old_size + kRecvBufferSize);
  size_t got = 0;
  try {
    got = ReceiveInto({input_.data() + old_size, kRecvBufferSize}, deadline, old_size > head_);
  } catch (...) {
    input_.resize(old_size);
    throw;
  }
  input_.resize(old_size + got);
  return got > 0;
}

std::string TIOHandlerStack::ReadLn() {
  size_t searched = 0;  // bytes after head_ already searched
  for (;;) {
    const auto begin = input_.begin() + static_cast<std::ptrdiff_t>(head_);
    const auto found = std::find(begin + static_cast<std::ptrdiff_t>(searched), input_.end(), uint8_t{'\n'});
    if (found != input_.end()) {
      const size_t length = static_cast<size_t>(found - begin);
      if (length > kMaxLineLength) throw Error(std::string(kMaxLineLengthExceeded));
      size_t text_length = length;
      if (text_length > 0 && *(begin + static_cast<std::ptrdiff_t>(text_length - 1)) == '\r') --text_length;
      std::string line(reinterpret_cast<const char*>(input_.data() + head_), text_length);
      head_ += length + 1;
      return AsciiFromBytes(line);
    }
    searched = Buffered();
    if (searched > kMaxLineLength) throw Error(std::string(kMaxLineLengthExceeded));
    if (!channel_) ThrowClosed();
    ReceiveIntoBuffer(ReadDeadline());
  }
}

void TIOHandlerStack::ReadBytes(int64_t count, std::vector<uint8_t>& into) {
  if (count <= 0) return;
  size_t wanted = static_cast<size_t>(count);
  // Room for the whole piece at once, but growing at least twofold: a chunked
  // body arrives in thousands of calls, and exact growth would copy the body
  // so far on every one of them.
  if (into.capacity() - into.size() < wanted) into.reserve(std::max(into.size() + wanted, into.capacity() * 2));
  const size_t from_buffer = std::min(wanted, Buffered());
  into.insert(into.end(), input_.begin() + static_cast<std::ptrdiff_t>(head_),
              input_.begin() + static_cast<std::ptrdiff_t>(head_ + from_buffer));
  head_ += from_buffer;
  wanted -= from_buffer;
  while (wanted > 0) {
    if (!channel_) ThrowClosed();
    const size_t old_size = into.size();
    const size_t piece = std::min(wanted, kRecvBufferSize);
    into.resize(old_size + piece);
    size_t got = 0;
    try {
      got = ReceiveInto({into.data() + old_size, piece}, ReadDeadline(), false);
    } catch (...) {
      into.resize(old_size);
      throw;
    }
    into.resize(old_size + got);
    wanted -= got;
  }
}

void TIOHandlerStack::ReadUntilClose(std::vector<uint8_t>& into, size_t limit) {
  const auto check_limit = [&] {
    if (into.size() > limit) {
      Disconnect();
      throw Error(std::string(kResponseBodyTooLarge));
    }
  };
  into.insert(into.end(), input_.begin() + static_cast<std::ptrdiff_t>(head_), input_.end());
  ClearInputBuffer();
  check_limit();
  while (channel_) {
    const size_t old_size = into.size();
    into.resize(old_size + kRecvBufferSize);
    size_t got = 0;
    try {
      got = ReceiveInto({into.data() + old_size, kRecvBufferSize}, ReadDeadline(), false);
    } catch (...) {
      into.resize(old_size);
      throw;
    }
    into.resize(old_size + got);
    check_limit();
  }
}

bool TIOHandlerStack::CheckForDataOnSource(std::chrono::milliseconds wait) {
  if (!InputBufferIsEmpty()) return true;
  if (channel_ && channel_->WaitReadable(platform::Deadline::After(wait))) {
    ReceiveIntoBuffer(platform::Deadline::Now());
  }
  return !InputBufferIsEmpty();
}

}  // namespace vorlan::http
