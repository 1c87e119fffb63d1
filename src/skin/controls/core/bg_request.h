#pragma once

#include <windows.h>

#include <cstdint>

#include "paint/bitmap32.h"
#include "paint/cache_info.h"
#include "paint/colors.h"
#include "ui/control.h"

// How a transparent control learns what lies behind it: it asks its parent
// (the skin command scGetBackground with the address of a TSkBgRequest) and
// the parent answers with its cache picture, a plain colour, or a refusal.
namespace vorlan::skin {

using paint::TColor;

enum TBgType : std::uint8_t {
  btNoAnswer = 0,
  btColor = 1,     // plain colour (border strips FillR may come from Bmp)
  btCache = 2,     // the parent's cache picture
  btForbidden = 3  // the parent forbids painting now; the asker paints nothing
};

struct TSkBgRequest {
  const paint::TBitmap32* Bmp = nullptr;  // borrowed from the answering control
  TColor Color = paint::kKeyColor;
  POINT Offset{};  // origin of the asker inside Bmp
  RECT R{};        // the asker's area
  RECT FillR{};    // widths of the parent's border strips held in Bmp
  std::uint8_t BgType = btNoAnswer;
  std::uint8_t PleaseDraw = 0;  // draw yourself into DC when you cannot answer
  HDC DC = nullptr;
};

// Fills `request` with the parent's answer. parent is a window, or a
// control reached through its message chain when it has no window.
void RequestParentBackground(TSkBgRequest& request, HWND parent, bool pleaseDraw);
void RequestParentBackground(TSkBgRequest& request, ui::TControl& parent, bool pleaseDraw);

// Asks what lies behind a control: its parent control, else its window's
// parent window. False, and the request untouched, when it has neither.
bool RequestBackgroundBehind(TSkBgRequest& request, ui::TControl* control, HWND window);

paint::TCacheInfo BgRequestToCacheInfo(const TSkBgRequest& request);

}  // namespace vorlan::skin
