#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "paint/bitmap32.h"
#include "paint/geometry.h"
#include "platform/handle_win.h"
#include "skin/data/skin_manager.h"
#include "ui/popup_menu.h"

// Small pieces the menu painter's measuring and drawing share.
namespace vorlan::skin {

inline constexpr std::u16string_view kMainMenuSection = u"MAINMENU";
// Items carry no pictures of their own: the glyph column is 16 × 16.
inline constexpr int kGlyphSize = 16;
// The share of its own picture a disabled item keeps.
inline constexpr double kDisabledBlend = 0.4;

// The popup an item belongs to, or none.
const ui::TPopupMenu* MenuOf(const ui::TMenuItem& item);
// An item after another whose break starts a new column.
bool HasBreakBefore(const ui::TMenuItem& item);
// The item after this one in its popup, or none.
const ui::TMenuItem* NextItem(const ui::TMenuItem& item);
// A caption line's text without its dashes.
std::u16string CaptionText(std::u16string_view caption);

// The font of an item: the system's menu font, bold for the default item,
// as the program's item-data event leaves it.
struct TMenuItemFont {
  platform::UniqueFont Handle;
  TColor Color = 0;
  bool PlainColor = false;  // the program chose the colour: no skin colours
};
TMenuItemFont MenuItemFont(const TSkinManager& manager, const ui::TMenuItem& item, std::int32_t state);

// All of src at `at` of dst, clipped.
void CopyOnto(paint::TBitmap32& dst, const paint::TBitmap32& src, paint::TPoint at);

// The extra line strip (section, glyph, text written upwards) at the left of
// the popup picture, inside its skin border.
void PaintExtraLine(const TSkinManager& manager, const TSkMenuExtraLine& line, paint::TBitmap32& bmp,
                    std::int32_t border);

}  // namespace vorlan::skin
