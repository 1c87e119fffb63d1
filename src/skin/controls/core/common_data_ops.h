#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "paint/bitmap32.h"
#include "paint/cache_info.h"
#include "paint/colors.h"
#include "skin/controls/core/bg_request.h"
#include "skin/controls/core/common_data.h"

// The operations of the common control handling that the control classes
// call besides the two message handlers.
namespace vorlan::skin {

// The state a control is painted in now: 1 when hot, else 0.
std::int32_t CurrentState(const TSkinCommonData& data);

// Fills `request` with this control's background for a child (command 34).
void AnswerBgRequest(TSkinCommonData& data, TSkBgRequest& request, std::int32_t state);
// The parent's background for this control's own painting.
paint::TCacheInfo ParentCacheInfo(TSkinCommonData& data);
// The same, or nothing when the parent answers that its picture is not ready
// (it forbids painting over it yet).
std::optional<paint::TCacheInfo> ReadyParentCacheInfo(TSkinCommonData& data);
// Creates the cache picture when missing and sizes it to the control.
void PrepareCacheBmp(TSkinCommonData& data);
// The colour the control shows in a state.
TColor BgColor(const TSkinCommonData& data, std::int32_t state);
// Classes whose colours follow the skin take state 0's colours.
void SyncControlColors(TSkinCommonData& data, bool invalidate);
// Recomputes whether the background is plain (CtrlSkinState bit 1).
void UpdateCtrlSkinState(TSkinCommonData& data, bool notifyChildren = false);
void StopAnimation(TSkinCommonData& data);
bool ShouldBeHot(const TSkinCommonData& data);
// The widest border of the border image (0 without one, or hidden in state 0).
std::int32_t BorderWidth(const TSkinCommonData& data);
// The control's tone, hue and saturation over a painted picture, then its
// corners redrawn over the parent.
void ApplyColorAdjustments(paint::TBitmap32& bmp, TSkinCommonData& data, std::int32_t state);
// The control's own colour and font colour from state 1 (hot) or 0.
void SetHotLook(TSkinCommonData& data, bool hot);
// The data has a cache picture of exactly this size.
bool CacheFits(const TSkinCommonData& data, int width, int height);
// The parent's update has ended (scUpdateDone): the control stops waiting
// unless a parent still holds it; true when it is to repaint now.
bool ParentUpdateEnded(TSkinCommonData& data);
// A command whose payload is the sending manager came from the data's own one.
bool FromOwnManager(const TSkinCommonData& data, const ui::TMessage& message);

}  // namespace vorlan::skin
