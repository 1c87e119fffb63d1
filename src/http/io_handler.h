#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "http/channel.h"
#include "http/http_limits.h"

// The client's one connection with its buffered line and byte reading and
// its buffered writing.
namespace vorlan::http {

class TIOHandlerStack {
 public:
  TIOHandlerStack(TConnector connector, const TWaitLimits& limits);

  bool IsOpen() const { return channel_ != nullptr; }
  platform::AddressFamily Family() const { return family_; }
  const std::string& Host() const { return host_; }
  uint16_t Port() const { return port_; }
  bool ClosedGracefully() const { return closed_gracefully_; }

  // Takes in whatever has already arrived (noticing a close by the peer),
  // then: true while the connection is open or unread input is buffered.
  bool Connected();
  void Connect(const std::string& host, uint16_t port, platform::AddressFamily family);
  // Closes the connection and drops unread input.
  void Disconnect();

  void WriteBufferOpen();
  // The line and CR LF; `line` is already ASCII.
  void WriteLn(std::string_view line);
  // Sends the buffered bytes in one go.
  void WriteBufferClose();
  void WriteBufferCancel();

  // One line without its LF and one CR before it; bytes above 0x7F become "?".
  std::string ReadLn();
  // Exactly `count` bytes appended to `into`; when the peer closes first, what
  // arrived is appended and EConnectionClosedGracefully raised.
  void ReadBytes(int64_t count, std::vector<uint8_t>& into);
  // Everything until the peer closes; more than `limit` bytes in `into`
  // fails with "Response body too large.".
  void ReadUntilClose(std::vector<uint8_t>& into, size_t limit);
  // Waits at most `wait` for input; true when input is buffered afterwards.
  bool CheckForDataOnSource(std::chrono::milliseconds wait);
  bool InputBufferIsEmpty() const { return head_ == input_.size(); }
  void ClearInputBuffer();

 private:
  size_t Buffered() const { return input_.size() - head_; }
  // Receives once into the input buffer; false when the connection has ended.
  bool ReceiveIntoBuffer(platform::Deadline deadline);
  // Receives once into `into`; 0 when the connection has ended.
  size_t ReceiveInto(std::span<uint8_t> into, platform::Deadline deadline, bool input_buffered);
  platform::Deadline ReadDeadline() const;
  [[noreturn]] void ThrowClosed() const;
  void CloseChannel();
  void SendAll(std::string_view bytes);

  TConnector connector_;
  const TWaitLimits& limits_;
  std::unique_ptr<TByteChannel> channel_;
  std::vector<uint8_t> input_;
  size_t head_ = 0;  // consumed bytes at the front of input_
  std::optional<std::string> write_buffer_;
  bool closed_gracefully_ = false;
  std::string host_;
  uint16_t port_ = 0;
  platform::AddressFamily family_ = platform::AddressFamily::kIPv4;
};

}  // namespace vorlan::http
