#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "paint/bitmap32.h"
#include "skin/controls/core/common_data.h"
#include "skin/controls/core/control_color_adjust.h"
#include "skin/controls/text/skin_text_draw.h"

// Captions in the colours of a skin section: a main text colour per state,
// up to four one-pixel outline copies, an optional glow behind the text, and
// a disabled look.
namespace vorlan::skin {

// What a control's caption needs of its skin data.
struct TControlTextSkin {
  TSkinManager* Manager = nullptr;  // none: the control is not skinned
  std::int32_t SkinIndex = -1;
  bool CustomFont = false;               // the caption keeps the font's own colour
  paint::TBitmap32* CacheBmp = nullptr;  // the picture the canvas draws on, for the glow
  TColorAdjustment Adjustment;           // applied to every colour taken from the section
  ui::TControl* Control = nullptr;       // asked which section gives the font colour
};

// The text-relevant part of a control's skin data.
TControlTextSkin TextSkinOf(TSkinCommonData& data);

// A control's caption in state `state` (0 normal, 1 hot, 2 pressed).
// Skinned without a custom font: the adjusted colours of the section (or of
// the ancestor that gives its font colour to the constant sections of menu
// items .. web buttons), the glow into the cache when the state has one,
// outlines when enabled, the state's plain text colour when disabled.
// Otherwise the font's colour, or the embossed look of disabled text.
void WriteSkinText(const TTextCanvas& canvas, std::u16string_view text, bool enabled, std::int32_t state,
                   const TControlTextSkin& skin, UINT format, const RECT& rect);
void WriteSkinText(const TTextCanvas& canvas, std::u16string_view text, bool enabled, std::int32_t state,
                   TSkinCommonData& data, UINT format, const RECT& rect);

// A caption in a section's colours without a control (menus, title bars):
// outlines and main colour of state `state` when enabled; disabled, 40
// percent of state 0's text colour over 60 percent of its background colour.
// The default manager when `manager` is none; without a valid section the
// font's colour.
void WriteSectionText(const TTextCanvas& canvas, std::u16string_view text, bool enabled, TSkinManager* manager,
                      std::int32_t state, std::int32_t skinIndex, UINT format, const RECT& rect);

// The system colours of the embossed look of disabled, unskinned text.
inline constexpr TColor kEmbossHighlight = paint::SystemColorOf(COLOR_BTNHIGHLIGHT);
inline constexpr TColor kEmbossShadow = paint::SystemColorOf(COLOR_BTNSHADOW);

}  // namespace vorlan::skin
