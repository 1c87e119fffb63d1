#include "skin/controls/core/control_seams.h"

#include "skin/controls/core/common_data.h"
#include "skin/controls/effects/glow.h"
#include "skin/controls/effects/state_fade.h"

namespace vorlan::skin {

void UpdateGlow(TSkinCommonData& data, bool show, bool animated) {
  if (!show) {
    // Hiding needs no skin: a glow left from a removed skin must go too.
    if (data.GlowID >= 0) HideGlow(data.GlowID, animated);
    return;
  }
  if (data.GlowID >= 0) {
    // Back over a glow that is fading out: it fades in again.
    TSkThreadedTimer* timer = data.AnimTimer.get();
    if (animated && timer != nullptr && timer->ThreadType == kGlowFade && timer->State == kFadeToNormal) {
      timer->InitData(data, 0, false, kFadeToHot, GlowFadeFrame);
      timer->TimeHandler();
    }
    return;
  }
  if (ShowControlGlow(data, animated ? 0 : 255) < 0 || !animated) return;
  AnimateState(data, kFadeToHot, GlowFadeFrame, false, false, true);
  if (data.AnimTimer) data.AnimTimer->ThreadType = kGlowFade;
  // No fade could start: the glow must not stay invisible.
  if (!AnimationRunning(data)) SetGlowAlpha(data.GlowID, 255);
}

}  // namespace vorlan::skin
