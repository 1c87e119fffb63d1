#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Control class codes (the COC of a control's skin data) and the groups the
// common handlers treat alike. A control class sets its own code; codes
// outside 0..255 belong to no group.
namespace vorlan::skin {

inline constexpr std::int32_t kClassEdit = 3;
inline constexpr std::int32_t kClassImage = 50;
inline constexpr std::int32_t kClassPanel = 51;
inline constexpr std::int32_t kClassButton = 93;

// The mouse never makes the control hot (FMouseAbove stays false).
bool IsNoHoverClass(std::int32_t coc);
// A background request never asks for the hot state; no glow on mouse enter.
bool IsNoHotBackgroundClass(std::int32_t coc);
// The control's own colour and font colour follow the section state.
bool IsStateColorClass(std::int32_t coc);
// The mouse alone makes the control hot only with the global hover switch.
bool IsHotOnlyWithFlagClass(std::int32_t coc);
// A skin refresh sends the window a frame change.
bool IsFrameOnRefreshClass(std::int32_t coc);
// The control names its section itself (asked by command).
bool AsksControlForSection(std::int32_t coc);
// Glow never shown on mouse enter (besides the no-hot-background classes).
bool IsNoGlowClass(std::int32_t coc);
// Containers whose background kind (plain or not) their children may use.
bool ComputesBackgroundKind(std::int32_t coc);

// The section a class takes when none is set, if it has a fixed one.
std::optional<std::u16string_view> DefaultSectionOf(std::int32_t coc);

// The process-wide switch that lets the mouse make hot-only-with-flag
// controls hot. Off; nothing in the program turns it on.
bool GlobalHoverSwitch();
void SetGlobalHoverSwitch(bool on);

}  // namespace vorlan::skin
