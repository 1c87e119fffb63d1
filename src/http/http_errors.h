#pragma once

#include <string>

#include "platform/error.h"

// The HTTP client's fixed messages and its error types.
namespace vorlan::http {

inline constexpr char kConnectionClosedGracefully[] = "Connection Closed Gracefully.";
inline constexpr char kNotConnected[] = "Not Connected";
inline constexpr char kAlreadyConnected[] = "Already connected.";
inline constexpr char kIOHandlerNotValid[] = "IOHandler value is not valid";
inline constexpr char kMaxLineLengthExceeded[] = "Max line length exceeded.";
inline constexpr char kUnknownProtocol[] = "Unknown Protocol";
inline constexpr char kResponseBodyTooLarge[] = "Response body too large.";
inline constexpr char kTooManyHeaderLines[] = "Too many header lines.";

// The peer closed while more input was needed.
class EConnectionClosedGracefully : public Error {
 public:
  EConnectionClosedGracefully() : Error(std::string(kConnectionClosedGracefully)) {}
};

// A status the client does not accept: the message is the status line as
// received.
class EHttpProtocolException : public Error {
 public:
  EHttpProtocolException(const std::string& status_line, int status_code, std::u16string error_body)
      : Error(status_line), status_code_(status_code), error_body_(std::move(error_body)) {}

  int ErrorCode() const { return status_code_; }
  const std::u16string& ErrorMessage() const { return error_body_; }

 private:
  int status_code_;
  std::u16string error_body_;
};

}  // namespace vorlan::http
