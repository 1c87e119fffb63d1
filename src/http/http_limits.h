#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

// Every limit of the HTTP client in one place.
namespace vorlan::http {

inline constexpr size_t kRecvBufferSize = 32768;  // most bytes asked for by one receive
inline constexpr size_t kSendBufferSize = 32768;  // pieces in which a stream is sent
inline constexpr size_t kMaxLineLength = 16384;   // bytes of one line before its LF
inline constexpr int kMaxHeaderLines = 255;       // header (and trailer) lines of one response
inline constexpr size_t kHeaderFoldWidth = 1024;  // longest request header line before folding
inline constexpr int64_t kMaxBodySize = int64_t{256} * 1024 * 1024;
inline constexpr int kMaxAuthRetries = 3;
inline constexpr int kRedirectMaximum = 15;

inline constexpr std::chrono::milliseconds kConnectTimeout{15'000};
inline constexpr std::chrono::milliseconds kReadTimeout{30'000};
// How long a 3xx answer's body may take to start arriving.
inline constexpr std::chrono::milliseconds kRedirectBodyWait{5'000};

// The waiting limits of one client (non-positive: no limit).
struct TWaitLimits {
  std::chrono::milliseconds connect = kConnectTimeout;
  std::chrono::milliseconds read = kReadTimeout;
  std::chrono::milliseconds redirect_body = kRedirectBodyWait;
};

}  // namespace vorlan::http
