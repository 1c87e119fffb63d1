#pragma once

#include <windows.h>

#include "ui/control.h"

// Where the common control handling calls into layers that come later: the
// glow and outer effects, the skinned popup menus and the standard-control
// adapters. Each does nothing until its layer is built; the handlers call
// them at the right moments already.
namespace vorlan::skin {

class TSkinCommonData;
class TSkinManager;
struct TSkOuterRequest;

// ---- glow and outer effects ----
// Shows (show) or hides the control's glow, fading when animated.
void UpdateGlow(TSkinCommonData& data, bool show, bool animated);
// The outer effect of the control drawn into a request (command 40).
void PaintOuterEffect(TSkinCommonData& data, TSkOuterRequest& request);

// ---- popup menus ----
// The manager's menu painter takes over the control's popup menu.
void HookControlPopupMenu(TSkinCommonData& data, TSkinManager& manager);

// ---- adapters ----
// A child window has just been created under a skinned window: the form's
// adapters look for what to adapt.
void AttachStandardAdapters(HWND parent, HWND child);

}  // namespace vorlan::skin
