#pragma once

#include <windows.h>

#include "ui/control.h"

// Where the common control handling calls up into floors above it, at a few
// fixed moments of a control's life: the glow and outer effects (defined in
// effects/) and the form's adapters (provider/). Declared here and defined
// there so that the core includes nothing above it; one library links both.
namespace vorlan::skin {

class TSkinCommonData;
struct TSkOuterRequest;

// ---- glow and outer effects ----
// Shows (show) or hides the control's glow, fading when animated.
void UpdateGlow(TSkinCommonData& data, bool show, bool animated);
// The outer effect of the control drawn into a request (command 40).
void PaintOuterEffect(TSkinCommonData& data, TSkOuterRequest& request);

// ---- adapters ----
// A child window has just been created under a skinned window: the form's
// adapters look for what to adapt.
void AttachStandardAdapters(HWND parent, HWND child);

}  // namespace vorlan::skin
