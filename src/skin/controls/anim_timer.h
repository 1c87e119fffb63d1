#pragma once

// A control's state animation (the effects layer fills it in): a message
// timer of the UI thread with the pictures it fades between. Destroying it
// stops the timer and frees the pictures.
namespace vorlan::skin {

class TSkThreadedTimer {
 public:
  TSkThreadedTimer() = default;
  TSkThreadedTimer(const TSkThreadedTimer&) = delete;
  TSkThreadedTimer& operator=(const TSkThreadedTimer&) = delete;
  virtual ~TSkThreadedTimer() = default;
};

}  // namespace vorlan::skin
