#include "skin/controls/core/anim_timer.h"

#include <vector>

#include "paint/copies.h"
#include "skin/controls/core/common_data.h"

namespace vorlan::skin {
namespace {

std::vector<std::unique_ptr<TSkThreadedTimer>>& StoppedTimers() {
  static std::vector<std::unique_ptr<TSkThreadedTimer>> timers;
  return timers;
}

}  // namespace

TSkThreadedTimer::TSkThreadedTimer() {
  SetEnabled(false);
  OnTimer = [this](ui::TObject&) { Tick(); };
}

TSkThreadedTimer::~TSkThreadedTimer() {
  Destroyed = true;
  SetEnabled(false);
}

void TSkThreadedTimer::InitData(TSkinCommonData& data, std::int32_t startIteration, bool fast, std::int32_t target,
                                TSkAnimProc proc) {
  SetEnabled(false);
  AnimData = &data;
  if (OutBecomesFrom(target) && BmpOut) BmpFrom = std::move(BmpOut);
  Init(startIteration, fast, target, BmpOut != nullptr);
  SetInterval(kFadeInterval);
  AnimProc = proc;
  SetEnabled(true);
}

void TSkThreadedTimer::TimeHandler() {
  if (AnimProc == nullptr || AnimData == nullptr) return;
  // The frame may stop the animation: the timer then outlives the call.
  const bool wasExecuting = Executing;
  Executing = true;
  const bool goesOn = AnimProc(*AnimData, Iteration);
  Executing = wasExecuting;
  if (!goesOn) {
    SetEnabled(false);
    State = kFadeIdle;
  }
}

void TSkThreadedTimer::Tick() {
  if (Executing || Destroyed) return;
  Executing = true;
  if (AnimProc != nullptr) {
    if (Advance()) {
      TimeHandler();
    } else {
      SetEnabled(false);
    }
  } else if (FOnTimer) {
    FOnTimer(*this);
  }
  Executing = false;
}

void TSkThreadedTimer::Reset() {
  const bool enabled = Enabled();
  SetEnabled(false);
  SetEnabled(enabled);
}

void TSkThreadedTimer::Stop() {
  SetEnabled(false);
  State = kFadeIdle;
  BmpTo.reset();
  BmpOut.reset();
  BmpFrom.reset();
}

void TSkThreadedTimer::CopyFrom(std::unique_ptr<paint::TBitmap32>& target, const paint::TBitmap32& source,
                                const paint::TRect& rect) {
  const std::int32_t w = rect.Right - rect.Left;
  const std::int32_t h = rect.Bottom - rect.Top;
  if (!target || target->Width() != w || target->Height() != h) {
    target = std::make_unique<paint::TBitmap32>(w, h, source.Order());
  }
  if (target->Empty()) return;
  paint::BlendBitmaps(*target, source, 0, paint::TPoint{0, 0},
                      paint::TRect{rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1});
}

bool AnimationRunning(const TSkinCommonData& data) { return data.AnimTimer && data.AnimTimer->Animating(); }

void ReapStoppedTimers() {
  auto& timers = StoppedTimers();
  std::erase_if(timers, [](const std::unique_ptr<TSkThreadedTimer>& t) { return !t->Executing; });
}

void KeepUntilReaped(std::unique_ptr<TSkThreadedTimer> timer) { StoppedTimers().push_back(std::move(timer)); }

}  // namespace vorlan::skin
