#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "paint/bitmap32.h"
#include "platform/handle_win.h"
#include "skin/controls/core/anim_timer.h"
#include "skin/controls/provider/desktop_manager.h"
#include "skin/data/manager_options.h"
#include "skin/draw/window_fade_steps.h"

// A window's show and hide effects: a snapshot of the window in a layered
// tool window of its own that fades (and with the aero kind shrinks or grows)
// while the real window disappears under it or takes its place.
namespace vorlan::skin {

class TSkinProvider;

// A borderless, hidden, layered tool window that never takes the activation,
// at `screenRect`, inserted after `insertAfter` in the z-order.
platform::UniqueWindow CreateEffectWindow(const RECT& screenRect, HWND insertAfter);
// The window right above `window` in the z-order, for a window that is to
// lie directly over it (HWND_TOPMOST for a topmost one, HWND_TOP when none is above).
HWND DirectlyAbove(HWND window);

// The process's one fade-out of a window snapshot; its ticks are those of a
// message timer every 10 ms.
class TSkHideTimer : public TSkThreadedTimer {
 public:
  TSkHideTimer();
  ~TSkHideTimer() override;

  // One step of the fade; the last one frees everything.
  void Step();
  // Frees the snapshot window and the pictures and parks the timer; with
  // `notify` the parent's provider hears that its effect is over.
  void Finish(bool notify);
  bool Playing() const { return static_cast<bool>(Form); }

  HWND ParentWnd = nullptr;
  platform::UniqueWindow Form;  // the window showing the snapshot
  SIZE FBmpSize{};
  POINT FBmpTopLeft{};
  BLENDFUNCTION FBlend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  std::uint8_t StartBlendValue = 255;
  TSkHideFadeSteps Steps;
  bool EventCalled = false;
  std::unique_ptr<paint::TBitmap32> SrcBmp;
  std::unique_ptr<paint::TBitmap32> DstBmp;
};

// The process's hide timer, made on first use.
TSkHideTimer& HideTimer();
// Frees the hide timer (the window system's end).
void ReleaseHideTimer();
// A hide effect is being played.
bool HideAnimationRunning();
// Ends a running hide effect at once: its snapshot goes from the screen.
void FinishHideAnimation();

// Fades the snapshot window out over `duration` ms (none below 10 ms: the
// window and the picture are freed at once) from `startAlpha`; both are
// owned by the effect from here on.
void StartHideAnimation(platform::UniqueWindow snapshotWindow, std::unique_ptr<paint::TBitmap32> snapshot,
                        std::uint32_t duration, HWND parent, TSkAnimType type, std::uint8_t startAlpha);

// Fades the form's complete picture in over `duration` ms (taken as 16 bits)
// up to `targetAlpha`, synchronously, then puts the form under it, makes it
// visible and repaints it, and removes the picture.
void AnimShowForm(TSkinProvider& provider, TSkAnimType type, std::uint32_t duration, std::uint8_t targetAlpha);

// What an effect window was updated with (for tests and diagnostics).
struct TEffectUpdate {
  HWND Window = nullptr;
  bool Hiding = false;
  std::int32_t Step = -1;  // -1: the picture shown before the first step
  std::uint8_t Alpha = 0;
  const paint::TBitmap32* Picture = nullptr;  // valid during the call only
};
using TEffectObserver = std::function<void(const TEffectUpdate&)>;
// Sets the observer of every effect window update; returns the previous one.
TEffectObserver SetEffectObserver(TEffectObserver observer);

}  // namespace vorlan::skin
