#pragma once

#include <chrono>
#include <functional>

// Every animation of the skin runs on a message timer of the user-interface
// thread. The animations register here while they live, so that the end of
// the session can let them play out before the program answers.
namespace vorlan::skin {

// Registers an animation for the entry's lifetime (a member of the
// animation); `playing` tells whether it is under way. A timer that only
// watches (a title button at its full hot look waits for the mouse to
// leave) is not playing.
class TAnimationEntry {
 public:
  explicit TAnimationEntry(std::function<bool()> playing);
  ~TAnimationEntry();
  TAnimationEntry(const TAnimationEntry&) = delete;
  TAnimationEntry& operator=(const TAnimationEntry&) = delete;

  bool Playing() const { return playing_(); }

 private:
  std::function<bool()> playing_;
};

// Some registered animation is under way.
bool SkinAnimationRunning();

// The process-wide flag that the system is ending the session.
bool SystemEnding();
void SetSystemEnding(bool ending);

// Runs the thread's pending messages until no skin animation runs, for at
// most `limit` (an animation that never ends cannot hold the session up). A
// quit message is put back for the main loop.
void LetSkinAnimationsEnd(std::chrono::milliseconds limit);

}  // namespace vorlan::skin
