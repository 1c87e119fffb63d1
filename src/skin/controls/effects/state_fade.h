#pragma once

#include <cstdint>

#include "skin/controls/core/anim_timer.h"

// The cross-fade of a control from its old picture to the picture of a new
// state, composed from three prepared bitmaps and copied to the window on
// every tick; nothing is painted from the skin meanwhile.
namespace vorlan::skin {

class TSkinCommonData;

// Fades the control to `target` when animations may run now and its cache
// is up to date; otherwise the control is just repainted and its glow
// follows the mouse. withGlow: the change shows a glow (mouse enter, up).
void AnimateState(TSkinCommonData& data, std::int32_t target, TSkAnimProc proc, bool withGlow, bool fast, bool allowed);
// Captures the old and the new picture and starts the ticks.
void StartAnimation(TSkinCommonData& data, std::int32_t target, TSkAnimProc proc, bool fast);
// The frame procedure of state changes.
bool PictureFadeFrame(TSkinCommonData& data, std::int32_t iteration);

}  // namespace vorlan::skin
