#include "skin/data/skin_manager.h"
#include "platform/ascii.h"

#include <algorithm>
#include <utility>

#include "skin/data/manager_directory.h"
#include "skin/data/skin_loader.h"
#include "skin/data/skin_manager_platform.h"

namespace vorlan::skin {

namespace {
TSkinManager* g_default_manager = nullptr;
bool g_std_dialogs_not_skinned = true;
}  // namespace

TSkinManager* DefaultManager() { return g_default_manager; }
bool StdDialogsNotSkinned() { return g_std_dialogs_not_skinned; }

TSkinManager::TSkinManager() : FMessageBox(&PlatformSkinMessageBox()) {
  InternalSkins.OnChange = [this] { Fire(OnSkinListChanged); };
  SysFontScale = ReadSysFontScale();
  ThirdParty.FillDefaultsAndRebuild();
  FSkinDirectory = kDefaultSkinDirectory;
  if (g_default_manager == nullptr) {
    g_default_manager = this;
    if (ISkinWindowSystem* system = SkinWindowSystem()) system->InstallApplicationHook();
  }
  if (ISkinWindowSystem* system = SkinWindowSystem()) FSkinableMenus = system->CreateSkinableMenus(*this);
}

TSkinManager::~TSkinManager() {
  FDestroying = true;
  const bool removes_skin = FActive && !FSkinName.empty() && !FLoading;
  SetActive(false);
  // Controls may hold this manager without a skin of it: they forget it too.
  if (!removes_skin) Broadcast(scRemoveSkin, Self());
  if (FSkinableMenus) FSkinableMenus->SetActive(false);
  FExtendedBorders = false;
  if (g_default_manager == this) {
    if (ISkinWindowSystem* system = SkinWindowSystem()) system->RemoveApplicationHook();
    g_default_manager = nullptr;
    g_std_dialogs_not_skinned = true;
  }
  ThirdParty.WriteBack();
}

void TSkinManager::Loaded() {
  FLoading = false;
  ThirdParty.FillDefaultsAndRebuild();
  if (FSkinDirectory.empty()) FSkinDirectory = kDefaultSkinDirectory;
  if (FMenuSupport.IcoLineSkin.empty()) FMenuSupport.IcoLineSkin = kDefaultIcoLineSkin;
  if (FActive && !FSkinName.empty()) ApplySkin(false);
  UpdateDialogFlag();
  if (FActive) Fire(OnActivate);
}

bool TSkinManager::IsDefault() const { return g_default_manager == this; }

void TSkinManager::SetIsDefault(bool value) {
  // False is ignored: controls must always find a default while one exists.
  if (!value || g_default_manager == this) return;
  g_default_manager = this;
  if (FActive) {
    UpdateSkin(true);
  } else {
    RemoveSkin();
  }
  UpdateDialogFlag();
}

void TSkinManager::SetActive(bool value) {
  if (value == FActive) return;
  if (value) {
    FActive = true;
    SetSkinName(FSkinName);
    return;
  }
  FActive = false;
  if (FSkinName.empty()) return;
  if (!FLoading) RemoveSkin();
  InitConstantIndexes();
  UpdateDialogFlag();
  Fire(OnDeactivate);
}

void TSkinManager::SetSkinnedPopups(bool value) {
  if (value == FSkinnedPopups) return;
  FSkinnedPopups = value;
  // Switching off also takes the painter off the menus: owner-drawn items
  // without a skin would show nothing.
  if (FSkinableMenus && FSkinableMenus->Active() && IsDefault() && !FLoading) FSkinableMenus->InitItems(true);
}

void TSkinManager::SetSkinDirectory(std::u16string_view value) {
  if (value == FSkinDirectory) return;
  FSkinDirectory = value;
  Skin.CommonSkinData.SkinPath = GetFullSkinDirectory();
  Fire(OnSkinListChanged);
}

void TSkinManager::SetHueOffset(std::int32_t value) {
  if (value == FHueOffset) return;
  FHueOffset = value;
  ReloadWithAdjustments();
}

void TSkinManager::SetSaturation(std::int32_t value) {
  if (value == FSaturation) return;
  FSaturation = value;
  ReloadWithAdjustments();
}

void TSkinManager::SetBrightness(std::int32_t value) {
  value = std::clamp(value, -100, 100);
  if (value == FBrightness) return;
  FBrightness = value;
  ReloadWithAdjustments();
}

void TSkinManager::SetExtendedBorders(bool value) {
  if (value == FExtendedBorders) return;
  FExtendedBorders = value;
  if (Skin.gd.empty() || FLoading) return;
  ReloadWithAdjustments();
}

void TSkinManager::SetCommonSections(std::u16string_view text) {
  FCommonSections = NormalizeCommonSections(text);
  ReloadWithAdjustments();
}

void TSkinManager::SetSkinningRules(const TSkinningRules& rules) {
  FSkinningRules = rules;
  UpdateDialogFlag();
}

void TSkinManager::SetScrollsOptions(const TSkScrollBarsSupport& value) {
  const TSkScrollBarsSupport old = std::exchange(FScrollsOptions, value);
  if (FLoading) return;
  if (value.ScrollSize != old.ScrollSize) Broadcast(scFrameChanged, 0);
  if (value.ButtonsSize != old.ButtonsSize) RepaintForms(false);
}

void TSkinManager::SetEffects(const TSkinEffects& value) {
  const TSkinEffects old = std::exchange(FEffects, value);
  if (FLoading || FNoAutoUpdate) return;
  if (value.AllowOuterEffects != old.AllowOuterEffects) RepaintForms(false);
  if (value.DiscoloredGlyphs != old.DiscoloredGlyphs) RepaintForms(true);
}

void TSkinManager::SetOptions(const TSkOptions& value) {
  const TSkOptions old = std::exchange(FOptions, value);
  if (value.ChangeSysColors == old.ChangeSysColors || FLoading || !IsDefault()) return;
  if (ISkinWindowSystem* system = SkinWindowSystem()) system->SetSysColorSubstitution(value.ChangeSysColors);
}

void TSkinManager::ShowUnskinned(TSkinBoxKind kind, std::u16string_view text) {
  const TSkinningRules rules = FSkinningRules;
  TSkinningRules without_dialogs = rules;
  without_dialogs.Exclude(srStdDialogs);
  SetSkinningRules(without_dialogs);
  FMessageBox->Show(kind, text);
  SetSkinningRules(rules);
}

void TSkinManager::UpdateDialogFlag() {
  if (IsDefault()) g_std_dialogs_not_skinned = !(FActive && FSkinningRules.Contains(srStdDialogs));
}

bool TSkinManager::ExtendedBordersInEffect() const {
  const ISkinWindowSystem* system = SkinWindowSystem();
  return FExtendedBorders && (system == nullptr || system->SupportsLayeredWindows());
}

void TSkinManager::Broadcast(TSkinCommand command, std::intptr_t lparam) {
  if (ISkinWindowSystem* system = SkinWindowSystem()) BroadcastSkinMessage(*system, MakeSkinMessage(command, lparam));
}

void TSkinManager::InitConstantIndexes() {
  skin::InitConstantIndexes(Skin, ConstData);
  CheckShadows();
}

void TSkinManager::CheckShadows() {
  const bool extended = ExtendedBordersInEffect();
  if (FActive || !extended) skin::CheckShadows(Skin, ConstData.ExBorder, extended, Shadows);
}

void TSkinManager::UpdateSkin(bool repaint) {
  if (FActive) ApplySkin(repaint);
}

void TSkinManager::ApplySkin(bool repaint) {
  if (FLoading) return;
  ISkinWindowSystem* system = SkinWindowSystem();
  if (system && IsDefault()) system->RemoveAllGlows();
  if (FSkinableMenus) FSkinableMenus->ForgetBorderWidth();
  Skin.CommonSkinData.Active = false;
  InitConstantIndexes();
  Broadcast(scPrepareSkin, Self());
  Skin.CommonSkinData.Active = true;
  if (system && IsDefault() && !GlobalHookInstalled) {
    system->InstallHook();
    GlobalHookInstalled = true;
  }
  if (FSkinableMenus && IsDefault()) FSkinableMenus->UpdateMenus(FActive);
  if (repaint) RepaintForms(false);
}

void TSkinManager::RemoveSkin() {
  FSkinRemoving = true;
  ISkinWindowSystem* system = SkinWindowSystem();
  if (system && IsDefault()) system->RemoveAllGlows();
  if (system && GlobalHookInstalled) system->UnInstallHook();
  GlobalHookInstalled = false;
  Skin.CommonSkinData.Active = false;
  if (FSkinableMenus) FSkinableMenus->SetActive(false);
  Broadcast(scRemoveSkin, Self());
  Skin.FreeMasks();
  Skin.gd.clear();
  FSkinRemoving = false;
}

void TSkinManager::RepaintForms(bool /*do_lock_forms: the skin-change animation is not used*/) {
  if (!FLoading) Broadcast(scStopAnimation, Self());
  Broadcast(scRefreshSkin, Self());
  ISkinWindowSystem* system = SkinWindowSystem();
  if (system == nullptr) return;
  if (ISkinControl* auxiliary = system->AuxiliaryWindow()) {
    const TSkinMessage message = MakeSkinMessage(scRefreshSkin, Self());
    auxiliary->HasWindow() ? auxiliary->Send(message) : auxiliary->Dispatch(message);
  }
  for (ISkinForeignWindow* window : system->HookedWindows()) {
    if (window->IsVisible()) window->Redraw();
  }
}

void TSkinManager::UpdateSkinSection(std::u16string_view section_name) {
  const std::u16string upper = platform::AsciiUpperCopy(section_name);
  Broadcast(scSectionChanged, PayloadWord<scSectionChanged>(upper.c_str()));
}

void TSkinManager::EndUpdate(bool repaint, bool allow_animation) {
  FNoAutoUpdate = false;
  const bool animation = FAnimEffects.SkinChanging.Active;
  if (!allow_animation) FAnimEffects.SkinChanging.Active = false;
  UpdateSkin(repaint);
  FAnimEffects.SkinChanging.Active = animation;
  Fire(OnAfterChange);
}

std::int32_t TSkinManager::MaskWidthLeft(std::int32_t mask_index) {
  if (!IsValidImgIndex(mask_index)) return 0;
  TSkinMaskData& mask = Skin.ma[mask_index];
  if (mask.ImageCount == 0) mask.ImageCount = 1;
  return mask.WL > 0 ? mask.WL : mask.BorderWidth > 0 ? mask.BorderWidth : FrameWidth(mask);
}

std::int32_t TSkinManager::MaskWidthTop(std::int32_t mask_index) const {
  if (!IsValidImgIndex(mask_index)) return 0;
  const TSkinMaskData& mask = Skin.ma[mask_index];
  return mask.WT > 0 ? mask.WT : mask.BorderWidth > 0 ? mask.BorderWidth : FrameHeight(mask);
}

std::int32_t TSkinManager::MaskWidthRight(std::int32_t mask_index) const {
  if (!IsValidImgIndex(mask_index)) return 0;
  const TSkinMaskData& mask = Skin.ma[mask_index];
  return mask.WR > 0 ? mask.WR : mask.BorderWidth > 0 ? mask.BorderWidth : FrameWidth(mask);
}

std::int32_t TSkinManager::MaskWidthBottom(std::int32_t mask_index) const {
  if (!IsValidImgIndex(mask_index)) return 0;
  const TSkinMaskData& mask = Skin.ma[mask_index];
  return mask.WB > 0 ? mask.WB : mask.BorderWidth > 0 ? mask.BorderWidth : FrameHeight(mask);
}

}  // namespace vorlan::skin
