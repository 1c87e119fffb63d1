#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "paint/bitmap32.h"
#include "platform/handle_win.h"
#include "skin/controls/base/running_animations.h"
#include "ui/timer.h"

// The fade of one title button between its look in the frame picture and
// its hot or pressed frame: a layered, mouse-transparent window above the
// form shows the button's new look at a rising (or falling) constant alpha,
// one level per tick of a 10 ms timer of the user-interface thread.
namespace vorlan::skin {

class TSkSBAnimation {
 public:
  static constexpr UINT kTickInterval = 10;

  // What the fade needs of its button and form.
  struct TSource {
    HWND FormHandle = nullptr;
    // The button's picture for a state (the title under it with the frame
    // drawn over), and its place in screen coordinates.
    std::function<paint::TBitmap32(std::int32_t state)> MakeImg;
    std::function<RECT()> GetFormBounds;
    // The cursor left the button: the form resets its hot state.
    std::function<bool()> CursorOutside;
  };

  explicit TSkSBAnimation(TSource source);
  ~TSkSBAnimation();
  TSkSBAnimation(const TSkSBAnimation&) = delete;
  TSkSBAnimation& operator=(const TSkSBAnimation&) = delete;

  // A state change of the button with `steps` levels (1 = at once).
  void ChangeState(std::int32_t state, std::int32_t steps);
  // One tick of the fade (the timer's work; callable directly).
  void OnAnimTimer();

  std::int32_t CurrentLevel = 0;
  std::int32_t CurrentState = -1;
  std::int32_t MaxIterations = 0;
  bool Up = true;

  // The alpha last shown (-1: nothing shown since the last reset).
  std::int32_t ShownAlpha() const { return shown_alpha_; }
  bool TimerRunning() const { return timer_.Enabled(); }
  // Fading in or out (at the full hot look the timer only watches the mouse).
  bool Playing() const { return timer_.Running() && !(Up && top_shown_); }
  HWND FadeWindow() const { return window_.get(); }

 private:
  std::int32_t Step() const { return MaxIterations > 0 ? 255 / MaxIterations : 255; }
  void StartAnimation(std::int32_t state, bool up);
  void CheckMouseLeave();
  void MakeForm();
  void UpdateForm(std::int32_t alpha);
  void FreeForm();

  TSource source_;
  bool first_use_ = true;
  bool top_shown_ = false;
  std::int32_t shown_alpha_ = -1;
  paint::TBitmap32 image_;
  platform::UniqueWindow window_;
  ui::TTimer timer_;
  TAnimationEntry entry_{[this] { return Playing(); }};
};

}  // namespace vorlan::skin
