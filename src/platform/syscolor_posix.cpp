#include <array>

#include "platform/syscolor.h"

namespace vorlan::platform {
namespace {

constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) { return r | (g << 8) | (b << 16); }

// The standard colours of a Windows desktop, by COLOR_* index.
constexpr std::array<std::uint32_t, 31> kStandardColors = {
    Rgb(200, 200, 200),  // COLOR_SCROLLBAR
    Rgb(0, 0, 0),        // COLOR_BACKGROUND
    Rgb(153, 180, 209),  // COLOR_ACTIVECAPTION
    Rgb(191, 205, 219),  // COLOR_INACTIVECAPTION
    Rgb(240, 240, 240),  // COLOR_MENU
    Rgb(255, 255, 255),  // COLOR_WINDOW
    Rgb(100, 100, 100),  // COLOR_WINDOWFRAME
    Rgb(0, 0, 0),        // COLOR_MENUTEXT
    Rgb(0, 0, 0),        // COLOR_WINDOWTEXT
    Rgb(0, 0, 0),        // COLOR_CAPTIONTEXT
    Rgb(180, 180, 180),  // COLOR_ACTIVEBORDER
    Rgb(244, 247, 252),  // COLOR_INACTIVEBORDER
    Rgb(171, 171, 171),  // COLOR_APPWORKSPACE
    Rgb(0, 120, 215),    // COLOR_HIGHLIGHT
    Rgb(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    Rgb(240, 240, 240),  // COLOR_BTNFACE
    Rgb(160, 160, 160),  // COLOR_BTNSHADOW
    Rgb(109, 109, 109),  // COLOR_GRAYTEXT
    Rgb(0, 0, 0),        // COLOR_BTNTEXT
    Rgb(0, 0, 0),        // COLOR_INACTIVECAPTIONTEXT
    Rgb(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    Rgb(105, 105, 105),  // COLOR_3DDKSHADOW
    Rgb(227, 227, 227),  // COLOR_3DLIGHT
    Rgb(0, 0, 0),        // COLOR_INFOTEXT
    Rgb(255, 255, 225),  // COLOR_INFOBK
    Rgb(0, 0, 0),        // (unused)
    Rgb(0, 102, 204),    // COLOR_HOTLIGHT
    Rgb(185, 209, 234),  // COLOR_GRADIENTACTIVECAPTION
    Rgb(215, 228, 242),  // COLOR_GRADIENTINACTIVECAPTION
    Rgb(51, 153, 255),   // COLOR_MENUHILIGHT
    Rgb(240, 240, 240),  // COLOR_MENUBAR
};

}  // namespace

std::uint32_t SysColor(int index) {
  if (index < 0 || index >= static_cast<int>(kStandardColors.size())) return 0;
  return kStandardColors[static_cast<std::size_t>(index)];
}

int SizingFrameWidth() { return 4; }

}  // namespace vorlan::platform
