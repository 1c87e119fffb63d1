#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "paint/bitmap32.h"
#include "skin/controls/base/running_animations.h"
#include "skin/draw/fade_steps.h"
#include "ui/timer.h"

// A control's state animation: a message timer of the UI thread (no worker
// thread) with the fade's counts and the pictures it fades between.
// Destroying it stops the timer and frees the pictures.
namespace vorlan::skin {

class TSkinCommonData;

// A frame of an animation: (data, iteration) → whether it goes on.
using TSkAnimProc = bool (*)(TSkinCommonData& data, std::int32_t iteration);

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

inline constexpr std::int32_t kPictureFade = 0;
inline constexpr std::int32_t kGlowFade = 1;

class TSkThreadedTimer : public ui::TTimer, public TSkFadeSteps {
 public:
  TSkThreadedTimer();
  ~TSkThreadedTimer() override;
  std::u16string_view ClassName() const override { return u"TSkThreadedTimer"; }

  // Sets up a run of the fade towards `target` and starts the ticks.
  void InitData(TSkinCommonData& data, std::int32_t startIteration, bool fast, std::int32_t target, TSkAnimProc proc);
  // Runs the frame procedure once with the current iteration; a false
  // answer stops the timer and makes it idle.
  void TimeHandler();
  // Recreates the message timer.
  void Reset();
  // A tick of the message timer (also what tests call to count ticks).
  void Tick();
  // Stops the ticks and frees the pictures; the timer is idle.
  void Stop();
  // The ticks run.
  bool Animating() const { return Running(); }

  // `target` becomes a copy of `rect` of `source`.
  static void CopyFrom(std::unique_ptr<paint::TBitmap32>& target, const paint::TBitmap32& source,
                       const paint::TRect& rect);

  // ---- fields, in the order the skin's code expects them ----
  ui::TNotifyEvent FOnTimer;                                    // ticks without a frame procedure
  TThreadPriority FThreadPriority = TThreadPriority::tpNormal;  // stored only
  bool InHandler = false;
  bool Executing = false;  // a frame runs: ticks meanwhile are dropped
  std::int32_t IntState = -1;
  std::int32_t ThreadType = kPictureFade;
  std::unique_ptr<paint::TBitmap32> BmpTo;
  std::unique_ptr<paint::TBitmap32> BmpOut;
  std::unique_ptr<paint::TBitmap32> BmpFrom;
  RECT AnimRect{};
  TSkinCommonData* AnimData = nullptr;  // borrowed: the data owns the timer
  bool Destroyed = false;
  TSkAnimProc AnimProc = nullptr;

 private:
  TAnimationEntry entry_{[this] { return Running(); }};
};

// Whether a control's fade is under way.
bool AnimationRunning(const TSkinCommonData& data);

// A timer stopped from inside its own frame is kept until no frame runs;
// these free such timers (called at points where no frame is on the stack).
void ReapStoppedTimers();
void KeepUntilReaped(std::unique_ptr<TSkThreadedTimer> timer);

}  // namespace vorlan::skin
