#include "skin/controls/effects/outer_effects.h"

#include <memory>

#include "paint/bitmap_gdi_win.h"
#include "paint/block_copy.h"
#include "skin/controls/base/skin_messaging.h"
#include "skin/controls/core/child_messaging.h"
#include "skin/controls/core/common_data.h"
#include "skin/controls/core/control_seams.h"
#include "skin/data/skin_manager.h"
#include "skin/draw/outer_effect.h"
#include "ui/win_control.h"

namespace vorlan::skin {

void DrawOuterEffect(TSkinCommonData& data, TSkOuterRequest& request, std::uint32_t flags) {
  if (request.Bmp == nullptr || !data.Skinned()) return;
  if (data.FOuterEffects.Visibility == TSkOuterVisibility::ovNone) return;
  const ui::TControl* target = data.Target();
  if (target == nullptr) return;
  const std::optional<TOuterEffectLook> look = SectionOuterEffect(data.SkinManager()->Skin, data.SkinIndex);
  if (!look) return;
  paint::TRect bounds = paint::FromRECT(target->BoundsRect());
  bounds = {bounds.Left + request.Offset.x, bounds.Top + request.Offset.y, bounds.Right + request.Offset.x,
            bounds.Bottom + request.Offset.y};
  const paint::TRect rect = OuterEffectRect(bounds, *look);
  paint::TBitmap32& picture = *request.Bmp;
  const paint::TRect under = paint::Intersect(rect, picture.Bounds());
  if (under.IsEmpty()) return;

  // The saved pixels belong to the frame's place; a frame that moved or
  // changed size saves afresh.
  const bool same_place =
      data.FOuterCache && data.FOuterCache->Width() == under.Width() && data.FOuterCache->Height() == under.Height();
  if ((flags & kOuterRedraw) != 0 && same_place) {
    paint::CopyBlock(picture, {under.Left, under.Top}, *data.FOuterCache, data.FOuterCache->Bounds());
  }
  if (!same_place) data.FOuterCache = std::make_unique<paint::TBitmap32>(under.Width(), under.Height());
  paint::CopyBlock(*data.FOuterCache, {0, 0}, picture, under);
  PaintOuterEffectFrame(picture, rect, look->Image, look->Opacity);
}

void PaintOuterEffect(TSkinCommonData& data, TSkOuterRequest& request) { DrawOuterEffect(data, request, 0); }

void TSkinCommonData::PaintOuterEffects(ui::TControl* ownerCtrl, POINT offset) {
  auto* owner = dynamic_cast<ui::TWinControl*>(ownerCtrl);
  if (owner == nullptr || !FCacheBmp || FCacheBmp->Empty() || !Skinned()) return;
  if (!SkinManager()->Effects().AllowOuterEffects) return;
  TSkOuterRequest request{FCacheBmp.get(), offset};
  // The count is read each round: a child may leave the list while it draws.
  for (std::size_t i = 0; i < owner->Controls().size(); ++i) {
    ui::TControl* child = owner->Controls()[i];
    if (!child->Visible() || !CanBeShown(*child)) continue;
    Send<scPaintOuterEffect>(child, &request);
  }
}

}  // namespace vorlan::skin
