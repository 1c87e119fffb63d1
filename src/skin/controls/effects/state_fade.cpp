#include "skin/controls/effects/state_fade.h"

#include "paint/bitmap_gdi_win.h"
#include "platform/handle_win.h"
#include "skin/controls/base/running_animations.h"
#include "skin/controls/base/skin_flags.h"
#include "skin/controls/base/skin_messaging.h"
#include "skin/controls/core/common_data.h"
#include "skin/controls/core/common_data_ops.h"
#include "skin/controls/effects/glow.h"
#include "skin/data/skin_manager.h"

namespace vorlan::skin {
namespace {

// States of 100 and above are effects of their own, never glowing.
constexpr std::int32_t kFirstNonGlowState = 100;

// No fade starts while the system ends the session: the end waits for the
// running ones only.
bool AnimationsSuppressed() { return SkinChanging() || AnimationInProgress() || SystemEnding(); }

void ShowOnWindow(const TSkinCommonData& data, const paint::TBitmap32& frame) {
  const HWND window = data.OwnerHandle();
  if (window == nullptr) return;
  const platform::WindowDc dc(window);
  if (dc.get() == nullptr) return;
  // The frame is laid out left to right whatever the window's layout.
  const DWORD layout = GetLayout(dc.get());
  if (layout != 0) SetLayout(dc.get(), 0);
  paint::ShowBitmap(dc.get(), {0, 0}, frame);
  if (layout != 0) SetLayout(dc.get(), layout);
}

}  // namespace

void AnimateState(TSkinCommonData& data, std::int32_t target, TSkAnimProc proc, bool withGlow, bool fast,
                  bool allowed) {
  if (!data.Skinned()) return;
  const TSkinManager* manager = data.SkinManager();
  if (allowed && !AnimationsSuppressed() && data.FCacheBmp && !data.FCacheBmp->Empty() && !data.BGChanged &&
      manager->Effects().AllowAnimation) {
    if (withGlow && target < kFirstNonGlowState && data.GlowID < 0) ShowControlGlow(data, 0);
    data.BGChanged = true;
    StartAnimation(data, target, proc, fast);
    return;
  }
  data.Invalidate();
  if (withGlow && data.FMouseAbove) {
    if (target < kFirstNonGlowState && data.GlowID < 0) ShowControlGlow(data, 255);
  } else if (!data.FMouseAbove && data.GlowID >= 0) {
    HideGlow(data.GlowID, false);
  }
}

void StartAnimation(TSkinCommonData& data, std::int32_t target, TSkAnimProc proc, bool fast) {
  ReapStoppedTimers();
  if (!data.FCacheBmp) return;
  const bool fresh = !data.AnimTimer;
  if (fresh) {
    data.AnimTimer = std::make_unique<TSkThreadedTimer>();
    data.AnimTimer->Glow = TSkFadeSteps::InitialGlow(target);
  }
  TSkThreadedTimer& timer = *data.AnimTimer;
  if (timer.Animating() && timer.State == target) return;
  const std::int32_t start = TSkFadeSteps::StartIterationFor(fresh ? nullptr : &timer);
  paint::TBitmap32& cache = *data.FCacheBmp;
  if (timer.BmpOut && timer.BmpOut->Size() != cache.Size()) timer.BmpOut.reset();
  TSkThreadedTimer::CopyFrom(timer.BmpFrom, cache, cache.Bounds());
  if (data.BGChanged) {
    ui::TControl* target_control = data.Target();
    if (target_control != nullptr && PerformSkinCommand(*target_control, scPrepareCache) != 0) {
      timer.SetEnabled(false);
      return;
    }
  }
  // The control may have gone from under its data while it painted.
  if (!data.AnimTimer || !data.FCacheBmp) return;
  TSkThreadedTimer::CopyFrom(timer.BmpTo, *data.FCacheBmp, data.FCacheBmp->Bounds());
  timer.InitData(data, start, fast, target, proc);
  timer.TimeHandler();
}

bool PictureFadeFrame(TSkinCommonData& data, std::int32_t /*iteration*/) {
  TSkThreadedTimer* timer = data.AnimTimer.get();
  if (timer == nullptr || !timer->BmpFrom || !timer->BmpTo) return false;
  const TSkFadeFrame frame = timer->PictureFrame();
  if (!timer->BmpOut) timer->BmpOut = std::make_unique<paint::TBitmap32>();
  ComposeFadeFrame(*timer->BmpOut, *timer->BmpFrom, *timer->BmpTo, timer->State, frame.Level);
  ShowOnWindow(data, *timer->BmpOut);
  if (frame.Continues) {
    if (frame.GlowEnds) {
      FreeGlow(data.GlowID);
    } else if (data.GlowID >= 0) {
      SetGlowAlpha(data.GlowID, static_cast<std::uint8_t>(frame.Level));
    }
    return true;
  }
  const std::int32_t target = timer->State;
  if (target == kFadeToNormal) StopAnimation(data);
  if (target != kFadeToHot && data.GlowID >= 0) FreeGlow(data.GlowID);
  return false;
}

}  // namespace vorlan::skin
