#include "skin/controls/core/common_data.h"

#include <algorithm>

#include "platform/ascii.h"
#include "skin/controls/base/skin_messaging.h"
#include "skin/controls/core/child_messaging.h"
#include "skin/controls/core/common_data_ops.h"
#include "skin/controls/core/control_seams.h"
#include "skin/controls/core/hot_tracking.h"
#include "skin/data/class_codes.h"
#include "skin/data/skin_manager.h"
#include "skin/draw/state_fill.h"
#include "ui/win_control.h"

namespace vorlan::skin {
namespace {

constexpr UINT kRedraw = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN;

// BGType: 4 for a texture, the gradient's kind in the low bits.
std::uint16_t BackgroundType(const TSkinGeneralData& section) {
  const TSkinGenState& props = section.Props[0];
  std::uint16_t type = props.ImagePercent != 0 ? 4 : 0;
  if (props.GradientPercent > 0 && !props.GradientArray.empty()) {
    switch (props.GradientArray.front().Mode1) {
      case 0:
        type |= 2;
        break;
      case 1:
        type |= 1;
        break;
      case 2:
        type |= 3;
        break;
      default:
        break;
    }
  }
  return type;
}

}  // namespace

TSkinCommonData::TSkinCommonData(ui::TControl* owner, bool createCacheBmp) : FOwnerObject(owner), FOwnerControl(owner) {
  if (createCacheBmp) FCacheBmp = std::make_unique<paint::TBitmap32>();
}

TSkinCommonData::TSkinCommonData(ui::TForm& providerForm, bool createCacheBmp)
    : FOwnerObject(&providerForm), FProviderForm(&providerForm) {
  if (createCacheBmp) FCacheBmp = std::make_unique<paint::TBitmap32>();
}

TSkinCommonData::~TSkinCommonData() {
  if (GlowID >= 0) UpdateGlow(*this, false, false);
  // The manager's hot record must not keep a control that is going away.
  if (FOwnerControl != nullptr) ForgetHotControl(*FOwnerControl);
  SkinIndex = BorderIndex = Texture = HotTexture = -1;
  FOwnerControl = nullptr;
  FOwnerObject = nullptr;
  FSkinManager = nullptr;
}

TSkinManager* TSkinCommonData::SkinManager() const { return FSkinManager ? FSkinManager : DefaultManager(); }

const TSkinGeneralData* TSkinCommonData::Section() const {
  const TSkinManager* manager = SkinManager();
  if (manager == nullptr || !manager->IsValidSkinIndex(SkinIndex)) return nullptr;
  return &manager->Skin.gd[static_cast<std::size_t>(SkinIndex)];
}

const TSkinGenState* TSkinCommonData::StateProps(std::int32_t state) const {
  const TSkinGeneralData* section = Section();
  if (section == nullptr) return nullptr;
  return &section->Props[static_cast<std::size_t>(PropsIndex(*section, state))];
}

ui::TWinControl* TSkinCommonData::WindowedTarget() const { return dynamic_cast<ui::TWinControl*>(Target()); }

bool TSkinCommonData::OwnerDestroying() const {
  const ui::TControl* target = Target();
  return target != nullptr && target->IsDestroying();
}

HWND TSkinCommonData::OwnerHandle() const {
  if (const ui::TWinControl* windowed = WindowedTarget(); windowed && windowed->HandleAllocated()) {
    return windowed->Handle();
  }
  return FSWHandle;
}

bool TSkinCommonData::Skinned(bool checkSkinActive) const {
  const TSkinManager* manager = SkinManager();
  if (manager == nullptr || manager->SkinRemoving() || manager->Destroying() || !manager->IsValidSkinIndex(SkinIndex)) {
    return false;
  }
  if (OwnerDestroying()) return false;
  return !checkSkinActive || manager->Skin.CommonSkinData.Active;
}

bool TSkinCommonData::Live() const {
  const ui::TControl* target = Target();
  return target != nullptr && !Loading && !target->IsLoading() && !target->IsDestroying() &&
         (target->Parent() != nullptr || FProviderForm != nullptr);
}

void TSkinCommonData::Loaded() {
  Loading = false;
  if (FSkinSection.empty()) {
    if (const auto fixed = DefaultSectionOf(COC)) {
      FSkinSection = *fixed;
    } else if (!AsksControlForSection(COC) && Target() != nullptr) {
      FSkinSection = platform::AsciiUpperCopy(Target()->ClassName());
    }
  }
  UpdateIndexes(true);
  ui::TControl* target = Target();
  if (Skinned() && FOwnerControl != nullptr && target->Parent() != nullptr && !target->IsLoading() &&
      target->IsWindowed()) {
    if (ui::TForm* form = target->ParentForm(); form && form != target && form->HandleAllocated()) {
      Send<scControlAdded>(form->Handle(), target);
    }
  }
  SyncControlColors(*this, false);
}

void TSkinCommonData::UpdateIndexes(bool updateMain) {
  BGChanged = true;
  TSkinManager* manager = SkinManager();
  if (updateMain) {
    if (manager == nullptr || !manager->Active()) {
      SkinIndex = -1;
    } else if (!FSkinSection.empty()) {
      SkinIndex = manager->GetSkinIndex(FSkinSection);
    } else if (ui::TControl* target = Target()) {
      SkinIndex = static_cast<std::int32_t>(PerformSkinCommand(*target, scGetSkinSection)) - 1;
    } else {
      SkinIndex = -1;
    }
  }
  const TSkinGeneralData* section = Section();
  BGType = section ? BackgroundType(*section) : 0;
  CtrlSkinState = kCtrlStateUndetermined;
  if (section != nullptr) {
    BorderIndex = section->BorderIndex;
    Texture = manager->GetTextureIndex(SkinIndex, section->ClassName, u"PATTERN");
    HotTexture = manager->GetTextureIndex(SkinIndex, section->ClassName, u"HOTPATTERN");
    UpdateCtrlSkinState(*this);
  } else {
    BorderIndex = Texture = HotTexture = -1;
  }
}

void TSkinCommonData::Invalidate(bool updateNow) {
  ui::TControl* target = Target();
  if (Loading || target == nullptr || target->IsDestroying() || target->IsLoading()) return;
  BGChanged = true;
  if (FOwnerControl != nullptr && !CanBeShown(*FOwnerControl)) return;
  if (ui::TWinControl* windowed = WindowedTarget()) {
    if (!windowed->HandleAllocated()) return;
    RedrawWindow(windowed->Handle(), nullptr, nullptr, updateNow ? kRedraw | RDW_UPDATENOW : kRedraw);
  } else {
    target->Invalidate();
  }
}

void TSkinCommonData::BeginUpdate() {
  ++FUpdateCount;
  FUpdating = true;
  CtrlSkinState |= kCtrlInUpdate;
  if (ui::TControl* target = Target()) PerformSkinCommand(*target, scBeginUpdate);
}

void TSkinCommonData::EndUpdate(bool repaint) {
  // Every end lets the control paint again; only the outermost tells it the
  // update is over.
  FUpdateCount = std::max(0, FUpdateCount - 1);
  FUpdating = false;
  CtrlSkinState &= static_cast<std::uint16_t>(~kCtrlInUpdate);
  if (FUpdateCount == 0) {
    if (ui::TControl* target = Target()) PerformSkinCommand(*target, scEndUpdate);
  }
  if (repaint) Invalidate(true);
}

bool TSkinCommonData::Updating() const {
  if (SkinManager() == nullptr) return false;
  if (FUpdating) return true;
  const ui::TControl* target = Target();
  if (target == nullptr || target->Parent() == nullptr) return false;
  return PerformSkinCommand(*target->Parent(), scIsNotReady) == 1;
}

bool TSkinCommonData::NeedsCache() const {
  const bool plain = (CtrlSkinState & kCtrlPlainBackground) != 0;
  return !(plain && CurrentState(*this) == 0 && FOuterEffects.Visibility == TSkOuterVisibility::ovNone);
}

bool TSkinCommonData::CacheValid() const {
  const ui::TControl* target = Target();
  return !BGChanged && target != nullptr && CacheFits(*this, target->Width(), target->Height()) && !FCacheBmp->Empty();
}

bool TSkinCommonData::RepaintIfMoved() const {
  if (!Skinned() || FOwnerControl == nullptr || !FOwnerControl->Enabled()) return true;
  const TSkinGenState* props = StateProps(0);
  ui::TWinControl* parent = FOwnerControl->Parent();
  if (props->Transparency > 0 && parent != nullptr && parent->HandleAllocated()) {
    return SendSkinCommand(parent->Handle(), scChildMoved) != 0;
  }
  return false;
}

void TSkinCommonData::SetSkinSection(std::u16string_view value) {
  // Names are kept upper-cased: "button" is the section already set as "BUTTON".
  // The stored (upper-cased) name is compared as it is: "button" where
  // "BUTTON" is stored is set again, and stored upper-cased.
  if (value == FSkinSection) return;
  UpdateGlow(*this, false, false);
  FSkinSection = platform::AsciiUpperCopy(value);
  UpdateIndexes(true);
  ApplySectionChange();
}

void TSkinCommonData::ApplySectionChange() {
  if (FProviderForm != nullptr) {
    BGChanged = true;
    return;
  }
  if (!Live()) return;
  if (ui::TWinControl* windowed = WindowedTarget()) {
    if (FCacheBmp) *FCacheBmp = paint::TBitmap32();
    PerformSkinCommandOnChildren(*windowed, scBgChanged, 0, 1);
  }
  if (FUpdating || Loading) return;
  TSkinManager* manager = SkinManager();
  if (SkinIndex >= 0) {
    Perform<scRefreshSkin>(*FOwnerControl, manager, 1);
  } else {
    Perform<scRemoveSkin>(*FOwnerControl, manager);
  }
}

void TSkinCommonData::SetSkinManager(TSkinManager* value) {
  if (value == DefaultManager()) value = nullptr;
  if (value == FSkinManager) return;
  FSkinManager = value;
  UpdateIndexes(true);
  if (FProviderForm == nullptr && Live() && !FUpdating) {
    PerformSkinCommand(*FOwnerControl, SkinIndex >= 0 ? scRefreshSkin : scRemoveSkin,
                       PayloadWord<scRefreshSkin>(SkinManager()));
  }
}

void TSkinCommonData::SetCustomColor(bool value) {
  if (value == FCustomColor) return;
  FCustomColor = value;
  if (Live()) SyncControlColors(*this, true);
}

void TSkinCommonData::SetCustomFont(bool value) {
  if (value == FCustomFont) return;
  FCustomFont = value;
  if (Live()) SyncControlColors(*this, true);
}

void TSkinCtrlSkinData::SetHUEOffset(std::int32_t value) {
  if (value == FHUEOffset) return;
  FHUEOffset = value;
  Loaded();
  Invalidate();
}

void TSkinCtrlSkinData::SetSaturation(std::int32_t value) {
  if (value == FSaturation) return;
  FSaturation = value;
  Loaded();
  Invalidate();
}

void TSkinCtrlSkinData::SetColorTone(TColor value) {
  if (value == FColorTone) return;
  FColorTone = value;
  Loaded();
  Invalidate();
}

}  // namespace vorlan::skin
