#pragma once

#include <chrono>
#include <optional>

// One deadline type for every wait of the network code: a point in time, or
// none (wait as long as it takes).
namespace vorlan::platform {

class Deadline {
 public:
  using Clock = std::chrono::steady_clock;

  static Deadline Never() { return Deadline(std::nullopt); }
  static Deadline Now() { return Deadline(Clock::now()); }
  static Deadline After(std::chrono::milliseconds span) { return Deadline(Clock::now() + span); }
  // A non-positive span means no limit.
  static Deadline AfterOrNever(std::chrono::milliseconds span) { return span.count() > 0 ? After(span) : Never(); }

  bool IsNever() const { return !at_.has_value(); }
  bool Expired() const { return at_ && Clock::now() >= *at_; }
  // Milliseconds left, rounded up, at least 0; -1 for no limit.
  int RemainingMilliseconds() const {
    if (!at_) return -1;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(*at_ - Clock::now()).count();
    if (left <= 0) return 0;
    return left > 1'000'000'000 ? 1'000'000'000 : static_cast<int>(left);
  }

 private:
  explicit Deadline(std::optional<Clock::time_point> at) : at_(at) {}
  std::optional<Clock::time_point> at_;
};

}  // namespace vorlan::platform
