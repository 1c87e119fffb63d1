#pragma once

#include <cstdint>

// The program's private window message numbers, all in one place so that no
// two layers pick the same one. They lie in the application range (WM_APP =
// 0x8000 up to 0xBFFF), which no system class uses.
namespace vorlan::platform {

inline constexpr std::uint32_t kAppMessageBase = 0x8000;  // WM_APP

// The tray icon's notifications from the shell (mouse message in LParam).
inline constexpr std::uint32_t WM_TRAYNOTIFY = kAppMessageBase + 1;

// Messages the window framework sends between its own controls.
inline constexpr std::uint32_t CM_BASE = kAppMessageBase + 0x1000;
// A child asks its parent to paint the parent's background into the child's
// device context (unskinned controls only; see the framework's TBackgroundQuery).
inline constexpr std::uint32_t CM_QUERYBACKGROUND = CM_BASE + 1;
// Notifications a parent reflects to the child control they concern:
// CN_BASE + the original message (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*, all
// below 0x200).
inline constexpr std::uint32_t CN_BASE = CM_BASE + 0x100;
inline constexpr std::uint32_t kReflectedRange = 0x200;

// The framework's notifications that skinned controls react to (the numbers
// the skin's handlers know them by).
inline constexpr std::uint32_t CM_VISIBLECHANGED = 0xB00B;
inline constexpr std::uint32_t CM_ENABLEDCHANGED = 0xB00C;
inline constexpr std::uint32_t CM_MOUSEENTER = 0xB013;
inline constexpr std::uint32_t CM_MOUSELEAVE = 0xB014;
inline constexpr std::uint32_t CM_SHOWINGCHANGED = 0xB019;

// The skin command message: the command code in the high word of WParam
// (low word 0), an argument in LParam.
inline constexpr std::uint32_t SM_ALPHACMD = 0xA100;
// The application window's request to invalidate every form.
inline constexpr std::uint32_t SM_INVALIDATE_ALL = 0xB000;

static_assert(CN_BASE + kReflectedRange <= SM_ALPHACMD, "reflected messages stay below the skin command");
static_assert(WM_TRAYNOTIFY < CM_BASE && SM_ALPHACMD < SM_INVALIDATE_ALL && SM_INVALIDATE_ALL < 0xC000);
static_assert(SM_INVALIDATE_ALL < CM_VISIBLECHANGED && CM_SHOWINGCHANGED < 0xC000);

}  // namespace vorlan::platform
