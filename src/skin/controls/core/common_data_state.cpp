#include <algorithm>

#include "skin/controls/base/skin_messaging.h"
#include "skin/controls/core/common_data_ops.h"
#include "skin/controls/core/control_paint.h"
#include "skin/data/class_codes.h"
#include "skin/data/skin_manager.h"
#include "skin/draw/border_geometry.h"
#include "skin/draw/image_entry.h"
#include "ui/types.h"
#include "ui/win_control.h"

namespace vorlan::skin {
namespace {

// The colour of the parent of a control, or of the parent window.
TColor ParentShownColor(const TSkinCommonData& data) {
  const ui::TControl* target = data.Target();
  if (target != nullptr && target->Parent() != nullptr) return target->Parent()->Color();
  if (const HWND window = data.OwnerHandle()) {
    if (const HWND parent = GetParent(window)) {
      if (auto* control = dynamic_cast<ui::TControl*>(ui::FindTarget(parent))) return control->Color();
    }
  }
  return ui::clBtnFace;
}

bool SetFontColor(ui::TControl& control, TColor color) {
  if (control.Font().Color() == color) return false;
  ui::TFont font = control.Font();
  font.SetColor(color);
  control.SetFont(font);
  return true;
}

// Colour and font colour of the control from one Props entry; whether
// anything changed.
bool TakeStateColors(TSkinCommonData& data, const TSkinGenState& props) {
  ui::TControl* control = data.Target();
  bool changed = false;
  if (!data.FCustomColor && control->Color() != props.Color) {
    control->SetColor(props.Color);
    changed = true;
  }
  if (!data.FCustomFont) changed = SetFontColor(*control, props.FontColor.Color) || changed;
  return changed;
}

}  // namespace

std::int32_t CurrentState(const TSkinCommonData& data) { return data.FFocused || data.FMouseAbove ? 1 : 0; }

TColor BgColor(const TSkinCommonData& data, std::int32_t state) {
  const TSkinGeneralData* section = data.Section();
  if (!data.Skinned() || section == nullptr) {
    if (const ui::TControl* target = data.Target()) return target->Color();
    return ui::clBtnFace;
  }
  const std::size_t s = state > 0 && section->States > 1 ? 1 : 0;
  const std::int32_t t = section->Props[s].Transparency;
  const TColor own = data.FCustomColor && data.Target() ? data.Target()->Color() : section->Props[s].Color;
  if (t <= 0) return own;
  const TColor parent = ParentShownColor(data);
  if (t >= 100) return parent;
  // T percent of what lies behind shows through, as in the answer to children.
  return paint::MixColors(paint::ResolveColor(parent), paint::ResolveColor(own), t / 100.0);
}

void SyncControlColors(TSkinCommonData& data, bool invalidate) {
  if (!IsStateColorClass(data.COC) || data.Target() == nullptr || !data.Skinned()) return;
  const bool changed = TakeStateColors(data, *data.StateProps(0));
  if (invalidate && changed) data.Invalidate();
}

void SetHotLook(TSkinCommonData& data, bool hot) {
  if (data.Target() == nullptr || !data.Skinned()) return;
  data.BGChanged = true;
  if (TakeStateColors(data, *data.StateProps(hot ? 1 : 0))) data.Target()->Invalidate();
  if (const HWND window = data.OwnerHandle()) SendMessageW(window, WM_NCPAINT, 1, 0);
}

void UpdateCtrlSkinState(TSkinCommonData& data, bool notifyChildren) {
  data.CtrlSkinState &= static_cast<std::uint16_t>(~kCtrlPlainBackground);
  const TSkinGeneralData* section = data.Section();
  ui::TControl* target = data.Target();
  if (section != nullptr && target != nullptr && (ComputesBackgroundKind(data.COC) || data.ProviderForm() != nullptr)) {
    const TSkinGenState& props = section->Props[0];
    int kind;  // 0 not plain, 1 plain, 2 undetermined
    if (props.Transparency == 100) {
      ui::TWinControl* parent = target->Parent();
      if (parent == nullptr) {
        kind = 1;
      } else if (!parent->HandleAllocated()) {
        kind = 2;
      } else if (IsSkinCommandTrue(parent, scIsSkinned)) {
        kind = (PerformSkinCommand(*parent, scGetCtrlState) & kCtrlPlainBackground) ? 1 : 0;
      } else {
        kind = 1;
      }
    } else {
      const TSkinManager* manager = data.SkinManager();
      const TImageEntry border = SkinImage(manager->Skin, data.BorderIndex);
      const bool borderPlain = !border || ((border.M().DrawMode & kBorderFillCentre) == 0 && border.M().MaskType == 0);
      const bool noCorners = section->ImgTL < 0 && section->ImgTR < 0 && section->ImgBL < 0 && section->ImgBR < 0;
      kind =
          borderPlain && props.Transparency == 0 && props.ImagePercent == 0 && props.GradientPercent == 0 && noCorners
              ? 1
              : 0;
    }
    if (kind == 2) return;
    if (data.FOuterEffects.Visibility != TSkOuterVisibility::ovNone) kind = 0;
    if (kind == 1) data.CtrlSkinState |= kCtrlPlainBackground;
  }
  data.CtrlSkinState &= static_cast<std::uint16_t>(~kCtrlStateUndetermined);
  if (notifyChildren && target != nullptr) PerformSkinCommandOnChildren(*target, scGetCtrlState, 1);
}

void StopAnimation(TSkinCommonData& data) {
  ReapStoppedTimers();
  if (!data.AnimTimer) return;
  data.AnimTimer->Stop();
  // Stopped from inside its own frame: it goes once the frame has returned.
  if (data.AnimTimer->Executing) {
    KeepUntilReaped(std::move(data.AnimTimer));
  } else {
    data.AnimTimer.reset();
  }
}

bool ShouldBeHot(const TSkinCommonData& data) {
  const ui::TControl* target = data.Target();
  if (target == nullptr || target->IsDestroying() || !target->Enabled()) return false;
  if (data.FFocused) return true;
  if (const HWND window = data.OwnerHandle(); window != nullptr && GetFocus() == window) {
    return data.COC != kClassPanel;
  }
  if (!data.FMouseAbove) return false;
  const TSkinManager* manager = data.SkinManager();
  if (manager != nullptr && manager->Options().NoMouseHover) return false;
  if (IsNoHoverClass(data.COC)) return false;
  if (IsHotOnlyWithFlagClass(data.COC)) return GlobalHoverSwitch();
  return true;
}

std::int32_t BorderWidth(const TSkinCommonData& data) {
  const TSkinManager* manager = data.SkinManager();
  if (manager == nullptr || !data.Skinned()) return 0;
  const TImageEntry border = SkinImage(manager->Skin, data.BorderIndex);
  if (!border || (border.M().DrawMode & kBorderNotInState0) != 0) return 0;
  const TSkinMaskData& m = border.M();
  return std::max({static_cast<std::int32_t>(m.WL), static_cast<std::int32_t>(m.WT), static_cast<std::int32_t>(m.WR),
                   static_cast<std::int32_t>(m.WB)});
}

void ApplyColorAdjustments(paint::TBitmap32& bmp, TSkinCommonData& data, std::int32_t state) {
  AdjustControlColors(data, bmp, std::clamp(data.FSaturation * 255 / 100, -255, 255));
  RepaintCorners(data, state, kAllCorners);
}

void PrepareCacheBmp(TSkinCommonData& data) {
  const ui::TControl* target = data.Target();
  const std::int32_t width = target ? std::max(0, target->Width()) : 0;
  const std::int32_t height = target ? std::max(0, target->Height()) : 0;
  if (data.FCacheBmp && data.FCacheBmp->Width() == width && data.FCacheBmp->Height() == height) return;
  data.FCacheBmp = std::make_unique<paint::TBitmap32>(width, height);
}

}  // namespace vorlan::skin
