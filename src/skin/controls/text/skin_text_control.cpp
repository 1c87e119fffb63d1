#include "skin/controls/text/skin_text.h"

// The caption routines for a control's skin data. Kept apart from the
// routines themselves, which need only the few values gathered here.
namespace vorlan::skin {

TControlTextSkin TextSkinOf(TSkinCommonData& data) {
  TControlTextSkin skin;
  skin.Manager = data.Skinned() ? data.SkinManager() : nullptr;
  skin.SkinIndex = data.SkinIndex;
  skin.CustomFont = data.FCustomFont;
  skin.CacheBmp = data.FCacheBmp.get();
  skin.Adjustment = ColorAdjustmentOf(data);
  skin.Control = data.FOwnerControl;
  return skin;
}

void WriteSkinText(const TTextCanvas& canvas, std::u16string_view text, bool enabled, std::int32_t state,
                   TSkinCommonData& data, UINT format, const RECT& rect) {
  WriteSkinText(canvas, text, enabled, state, TextSkinOf(data), format, rect);
}

}  // namespace vorlan::skin
