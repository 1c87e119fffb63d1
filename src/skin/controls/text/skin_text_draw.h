#pragma once

#include <windows.h>

#include <string_view>

#include "ui/font.h"
#include "ui/types.h"

// The platform's text drawing as the skin's text routines use it: a
// rectangle and DrawText format flags, the string's own length.
namespace vorlan::skin {

using ui::TColor;

// A font and its colour, as the framework's controls carry them.
struct TTextFont {
  HFONT Handle = nullptr;  // none: the font already selected (or the default GUI font)
  TColor Color = ui::clWindowText;

  static TTextFont Of(const ui::TFont& font) { return {font.Handle(), font.Color()}; }
};

// Where text is written: a device context and the font to write with.
struct TTextCanvas {
  HDC DC = nullptr;
  TTextFont Font;
};

// DrawText with the text's length; with DT_CALCRECT `rect` receives the
// extent. Returns the text's height (0 on failure or for an empty text).
int DrawTextW(HDC dc, std::u16string_view text, RECT& rect, UINT format);
// The same with the canvas's font selected and its colour set, both only for
// this call.
int DrawTextW(const TTextCanvas& canvas, std::u16string_view text, RECT& rect, UINT format);

// The extent of a text in `font` on the screen: with wrap, as DrawText lays it
// out in a box `width` wide; else its plain one-line extent. 0 × 0 on failure.
SIZE MeasureText(HFONT font, std::u16string_view text, UINT format, int width, bool wrap);

// The font to draw with: `font`, else the one selected in dc, else the
// default GUI font.
HFONT FontToUse(HDC dc, HFONT font);

// A copy of `font` with underline, or none when the font cannot be read.
platform::UniqueFont UnderlinedFont(HFONT font);

}  // namespace vorlan::skin
