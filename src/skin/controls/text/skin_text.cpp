#include "skin/controls/text/skin_text.h"

#include "paint/disabled_look.h"
#include "platform/handle_win.h"
#include "skin/controls/core/font_owner.h"
#include "skin/controls/text/skin_text_alpha.h"
#include "skin/controls/text/skin_text_outline.h"
#include "skin/data/skin_manager.h"

namespace vorlan::skin {
namespace {

RECT Moved(const RECT& r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

void DrawInColor(HDC dc, std::u16string_view text, const RECT& rect, TColor color, UINT format) {
  SetTextColor(dc, paint::ToColorRef(color));
  RECT r = rect;
  DrawTextW(dc, text, r, format);
}

// The outline copies in their order, then the text itself.
void DrawOutlined(HDC dc, std::u16string_view text, const RECT& rect, const TSkinFontColor& colors,
                  const TColorAdjustment& adjustment, UINT format, UINT mainFormat) {
  for (const TTextOutline& outline : OutlinesOf(colors)) {
    DrawInColor(dc, text, Moved(rect, outline.DX, outline.DY), AdjustSkinColor(outline.Color, adjustment), format);
  }
  DrawInColor(dc, text, rect, AdjustSkinColor(colors.Color, adjustment), mainFormat);
}

bool IsSkinned(const TControlTextSkin& skin) {
  return skin.Manager != nullptr && skin.Manager->IsValidSkinIndex(skin.SkinIndex);
}

bool IsConstSection(const TSkinManager& manager, std::int32_t index, TSkSection section) {
  return index >= 0 && manager.ConstData.Sections[section] == index;
}

// Menu items .. web buttons are mostly transparent and take their font
// colour from what lies below them.
bool TakesOwnersFont(const TSkinManager& manager, std::int32_t index) {
  for (int section = ssMenuItem; section <= ssWebButton; ++section) {
    if (IsConstSection(manager, index, static_cast<TSkSection>(section))) return true;
  }
  return false;
}

const TSkinGeneralData* ColourSection(const TControlTextSkin& skin) {
  std::int32_t index = skin.SkinIndex;
  if (TakesOwnersFont(*skin.Manager, index) && skin.Control != nullptr && skin.Control->Parent() != nullptr) {
    const std::int32_t owner = AskFontOwner(*skin.Control);
    if (skin.Manager->IsValidSkinIndex(owner)) index = owner;
  }
  return TextSection(skin.Manager, index);
}

}  // namespace

void WriteSkinText(const TTextCanvas& canvas, std::u16string_view text, bool enabled, std::int32_t state,
                   const TControlTextSkin& skin, UINT format, const RECT& rect) {
  HDC dc = canvas.DC;
  if (text.empty() || dc == nullptr) return;
  const bool skinned = IsSkinned(skin);
  const HFONT font = FontToUse(dc, canvas.Font.Handle);
  // Declared before the saved state, so that it is deselected before it goes.
  platform::UniqueFont underlined;
  if (state != 0 && skinned && IsConstSection(*skin.Manager, skin.SkinIndex, ssWebButton)) {
    underlined = UnderlinedFont(font);
  }
  const HFONT used = underlined ? underlined.get() : font;
  const platform::SavedDcState saved(dc);
  SelectObject(dc, used);
  SetBkMode(dc, TRANSPARENT);

  if (skinned && !skin.CustomFont) {
    const TSkinGeneralData* section = ColourSection(skin);
    if (section == nullptr) {
      DrawInColor(dc, text, rect, canvas.Font.Color, format);
      return;
    }
    const TSkinGenState& props = section->Props[static_cast<std::size_t>(TextState(state))];
    if (skin.CacheBmp != nullptr && props.GlowSize != 0) {
      TMask8 mask;
      const paint::TRect r = paint::FromRECT(rect);
      DrawTextGlow(*skin.CacheBmp, used, text, r, mask, AdjustSkinColor(props.GlowColor, skin.Adjustment),
                   props.GlowSize, kGlowAllSides, format, r);
    }
    if (enabled) {
      DrawOutlined(dc, text, rect, props.FontColor, skin.Adjustment, format, format | DT_NOCLIP);
    } else {
      DrawInColor(dc, text, rect, AdjustSkinColor(props.FontColor.Color, skin.Adjustment), format);
    }
    return;
  }

  if (enabled) {
    DrawInColor(dc, text, rect, canvas.Font.Color, format);
  } else {
    DrawInColor(dc, text, Moved(rect, 1, 1), kEmbossHighlight, format);
    DrawInColor(dc, text, rect, kEmbossShadow, format);
  }
}

void WriteSectionText(const TTextCanvas& canvas, std::u16string_view text, bool enabled, TSkinManager* manager,
                      std::int32_t state, std::int32_t skinIndex, UINT format, const RECT& rect) {
  HDC dc = canvas.DC;
  if (text.empty() || dc == nullptr) return;
  if (manager == nullptr) manager = DefaultManager();
  const platform::SavedDcState saved(dc);
  SelectObject(dc, FontToUse(dc, canvas.Font.Handle));
  SetBkMode(dc, TRANSPARENT);

  const TSkinGeneralData* section = TextSection(manager, skinIndex);
  if (section == nullptr) {
    DrawInColor(dc, text, rect, canvas.Font.Color, format);
  } else if (enabled) {
    DrawOutlined(dc, text, rect, section->Props[static_cast<std::size_t>(TextState(state))].FontColor,
                 TColorAdjustment{}, format, format);
  } else {
    const TSkinGenState& normal = section->Props[0];
    DrawInColor(dc, text, rect,
                paint::MixColors(paint::ResolveColor(normal.FontColor.Color), paint::ResolveColor(normal.Color),
                                 paint::kDefaultDisabledBlend),
                format);
  }
}

}  // namespace vorlan::skin
