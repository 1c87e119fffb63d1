#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "paint/bitmap32.h"
#include "paint/geometry.h"
#include "skin/controls/text/skin_text_draw.h"
#include "skin/draw/text_glow.h"
#include "skin/draw/text_mask8.h"

// Text onto 32-bit pictures whose alpha matters (title bars and menu lines of
// windows with per-pixel alpha, glows): the platform renders the text black
// on white into a temporary picture, which is then merged in colour.
namespace vorlan::skin {

class TSkinManager;

// One text colour onto `bmp` at rect. With keepAlpha the text raises the
// alpha of the pixels it covers and leaves them premultiplied; without it the
// covered pixels become opaque and keep the renderer's sub-pixel colours.
void WriteTextAlpha(paint::TBitmap32& bmp, HFONT font, std::u16string_view text, bool keepAlpha, TColor color,
                    UINT format, const paint::TRect& rect);

// A caption in the colours of state `state` of section `skinIndex` of
// `manager` (the default manager when none): with outlines, each outline
// colour of the state one pixel towards its side first, then the main colour
// (keeping alpha only with outlines). Without a valid section the text is
// written in the font's colour.
void WriteSectionTextAlpha(paint::TBitmap32& bmp, const TTextFont& font, std::u16string_view text, bool withOutlines,
                           TSkinManager* manager, std::int32_t state, std::int32_t skinIndex, UINT format,
                           const paint::TRect& rect);

// A soft halo of `color`, `size` pixels wide, behind a text at rect, spread
// from the given sides (kGlow* flags). `mask` is the halo's blurred mask: it
// is rendered when empty or of another size than this text's needs, and
// reused unchanged otherwise, so a caller that keeps it saves the rendering.
// Only pixels inside clip change.
void DrawTextGlow(paint::TBitmap32& bmp, HFONT font, std::u16string_view text, const paint::TRect& rect, TMask8& mask,
                  TColor color, int size, int sides, UINT format, const paint::TRect& clip);
void DrawTextGlow(paint::TBitmap32& bmp, HFONT font, std::u16string_view text, const paint::TRect& rect, TMask8& mask,
                  TColor color, int size, int sides, UINT format);

}  // namespace vorlan::skin
