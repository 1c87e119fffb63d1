#include "skin/draw/title_hit_test.h"

namespace vorlan::skin {
namespace {

bool Contains(const paint::TRect& r, paint::TPoint p) {
  return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

// The code a system button stands for, or the caption when its command is
// not available now.
std::int32_t ButtonCode(const TTitleHitInput& in, std::size_t position) {
  switch (position) {
    case 0:
      return in.EnabledClose ? kHtClose : kHtCaption;
    case 1:
      return in.EnabledMax || (in.EnabledRestore && !in.Minimized) ? kHtMaxButton : kHtCaption;
    case 2:
      return in.Minimized || in.EnabledMin ? kHtMinButton : kHtCaption;
    default:
      return kHtHelp;
  }
}

}  // namespace

bool IsTitleButtonCode(std::int32_t code) {
  return code == kHtMinButton || code == kHtMaxButton || code == kHtClose || code == kHtHelp ||
         (code >= 101 && code <= 103) || (code >= 1000 && code <= 1100) || (code >= 2000 && code <= 2100);
}

std::int32_t TitleHitTest(const TTitleHitInput& in, paint::TPoint p) {
  for (std::size_t i = 0; i < in.Buttons.size(); ++i) {
    const TTitleHitInput::TButton& button = in.Buttons[i];
    if (button.Present && Contains(button.Rect, p)) return ButtonCode(in, i);
  }
  const TFrameGeometry& g = in.Frame;
  if (!in.Maximized && in.SizingFrame) {
    // The window procedure hands sizing answers back to the platform, so
    // these bands only decide that a point is not caption.
    const bool bottom = p.Y > g.H - g.B;
    const bool top = p.Y < g.B;
    if (bottom || top) {
      if (p.X < g.B) return bottom ? kHtBottomLeft : kHtTopLeft;
      if (p.X > g.W - g.B) return bottom ? kHtBottomRight : kHtTopRight;
      return bottom ? kHtBottom : kHtTop;
    }
    if (p.X < g.B) return kHtLeft;
    if (p.X > g.W - g.B) return kHtRight;
  }
  if (p.Y >= 0 && p.Y <= g.B + g.CH) return Contains(in.IconRect, p) ? kHtSysMenu : kHtCaption;
  return kHtClient;
}

}  // namespace vorlan::skin
