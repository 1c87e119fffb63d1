#pragma once

#include <array>
#include <cstdint>

#include "paint/geometry.h"
#include "skin/draw/form_geometry.h"

// The title bar's own hit-test map: which title button, the icon, the
// caption or the sizing border lies under a point of the window. Pure
// arithmetic on the frame's layout, so that every part of it can be checked
// without a window.
namespace vorlan::skin {

// The platform's hit codes the title bar answers with.
inline constexpr std::int32_t kHtNowhere = 0;
inline constexpr std::int32_t kHtClient = 1;
inline constexpr std::int32_t kHtCaption = 2;
inline constexpr std::int32_t kHtSysMenu = 3;
inline constexpr std::int32_t kHtMinButton = 8;
inline constexpr std::int32_t kHtMaxButton = 9;
inline constexpr std::int32_t kHtLeft = 10;
inline constexpr std::int32_t kHtRight = 11;
inline constexpr std::int32_t kHtTop = 12;
inline constexpr std::int32_t kHtTopLeft = 13;
inline constexpr std::int32_t kHtTopRight = 14;
inline constexpr std::int32_t kHtBottom = 15;
inline constexpr std::int32_t kHtBottomLeft = 16;
inline constexpr std::int32_t kHtBottomRight = 17;
inline constexpr std::int32_t kHtClose = 20;
inline constexpr std::int32_t kHtHelp = 21;

// A title button's code stands for a button of the frame (system buttons,
// buttons of a maximized child's menu line, user buttons, title-bar items).
bool IsTitleButtonCode(std::int32_t code);

struct TTitleHitInput {
  TFrameGeometry Frame;
  // System buttons in search order: close, maximize, minimize, help. A
  // button takes part only when present (the form has the system menu, and
  // maximize / minimize / help are shown).
  struct TButton {
    bool Present = false;
    paint::TRect Rect;
  };
  std::array<TButton, 4> Buttons;
  paint::TRect IconRect;
  bool EnabledClose = true, EnabledMax = false, EnabledRestore = false, EnabledMin = false;
  bool Minimized = false, Maximized = false;
  bool SizingFrame = true;
};

// The hit code of a point in window coordinates.
std::int32_t TitleHitTest(const TTitleHitInput& in, paint::TPoint p);

}  // namespace vorlan::skin
