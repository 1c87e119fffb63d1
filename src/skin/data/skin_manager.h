#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/broadcast.h"
#include "skin/data/loaded_skin.h"
#include "skin/data/manager_const_data.h"
#include "skin/data/manager_messages.h"
#include "skin/data/manager_options.h"
#include "skin/data/manager_stored_skin.h"
#include "skin/data/preview_data.h"
#include "skin/data/shadow_templates.h"
#include "skin/data/skin_options.h"
#include "skin/data/skin_package.h"
#include "skin/data/skinable_menus_link.h"

// The skin manager: chooses, loads, recolours and announces the skin of the
// application.
namespace vorlan::skin {

inline constexpr std::u16string_view kDefaultSkinDirectory = u"c:\\Skins";
inline constexpr std::u16string_view kSuiteVersion = u"10.22";
inline constexpr std::u16string_view kDefaultIcoLineSkin = u"ICOLINE";

// The application's last minimise or restore command.
enum class TShowState { Ignore, Restore, Minimize };

class TSkinManager {
 public:
  using TNotifyEvent = std::function<void(TSkinManager&)>;

  // The first manager of the process becomes the default manager.
  TSkinManager();
  ~TSkinManager();
  TSkinManager(const TSkinManager&) = delete;
  TSkinManager& operator=(const TSkinManager&) = delete;

  // While the form resource is read: settings are stored and a skin named
  // then is loaded but not yet applied; Loaded() applies it.
  void BeginLoading() { FLoading = true; }
  void Loaded();
  bool Loading() const { return FLoading; }

  // ---- published properties ----
  bool Active() const { return FActive; }
  void SetActive(bool value);
  const std::u16string& SkinName() const { return FSkinName; }
  void SetSkinName(std::u16string_view value);
  const std::u16string& SkinDirectory() const { return FSkinDirectory; }
  void SetSkinDirectory(std::u16string_view value);
  TSkinStoredSkins InternalSkins;
  std::u16string SkinInfo() const;
  std::u16string_view Version() const { return kSuiteVersion; }
  std::int32_t HueOffset() const { return FHueOffset; }
  void SetHueOffset(std::int32_t value);
  std::int32_t Saturation() const { return FSaturation; }
  void SetSaturation(std::int32_t value);
  std::int32_t Brightness() const { return FBrightness; }
  void SetBrightness(std::int32_t value);
  bool ExtendedBorders() const { return FExtendedBorders; }
  void SetExtendedBorders(bool value);
  bool SkinnedPopups() const { return FSkinnedPopups; }
  void SetSkinnedPopups(bool value);
  const TSkinningRules& SkinningRules() const { return FSkinningRules; }
  void SetSkinningRules(const TSkinningRules& rules);
  const std::u16string& CommonSections() const { return FCommonSections; }
  void SetCommonSections(std::u16string_view text);
  ThirdPartyList ThirdParty;
  // Each option group changes only through its setter, which stores the
  // group and then does what each changed option asks of the windows.
  const TSkMenuSupport& MenuSupport() const { return FMenuSupport; }
  void SetMenuSupport(const TSkMenuSupport& value) { FMenuSupport = value; }
  const TSkinEffects& Effects() const { return FEffects; }
  void SetEffects(const TSkinEffects& value);
  const TSkAnimEffects& AnimEffects() const { return FAnimEffects; }
  void SetAnimEffects(const TSkAnimEffects& value) { FAnimEffects = value; }
  const TSkButtonsSupport& ButtonsOptions() const { return FButtonsOptions; }
  void SetButtonsOptions(const TSkButtonsSupport& value) { FButtonsOptions = value; }
  const TSkLabelsSupport& LabelsOptions() const { return FLabelsOptions; }
  void SetLabelsOptions(const TSkLabelsSupport& value) { FLabelsOptions = value; }
  const TSkScrollBarsSupport& ScrollsOptions() const { return FScrollsOptions; }
  void SetScrollsOptions(const TSkScrollBarsSupport& value);
  const TSkOptions& Options() const { return FOptions; }
  void SetOptions(const TSkOptions& value);
  bool IsDefault() const;
  void SetIsDefault(bool value);

  TNotifyEvent OnActivate, OnDeactivate, OnBeforeChange, OnAfterChange, OnSkinLoading, OnSkinListChanged;
  // The extra line of a popup whose first item is named "SkinSelectItem".
  std::function<void(std::u16string_view first_item, TSkMenuExtraLine& line)> OnGetMenuExtraLineData;
  // An item's font before it is measured and drawn (state 0 measuring, else
  // the drawing state); a changed colour makes the text plain.
  std::function<void(std::u16string_view item, std::int32_t state, TSkMenuFont& font)> OnGetPopupItemData;
  // A standard dialog is being taken over (its window).
  std::function<void(std::intptr_t window)> OnSysDlgInit;

  // The skinned-menu painter, when the window layer provides one.
  ISkinableMenus* SkinableMenus() const { return FSkinableMenus.get(); }

  // ---- the loaded skin ----
  TLoadedSkin Skin;  // gd, ma, oe, ExtArray, MasterBitmap, CommonSkinData, Palette
  TConstantSkinData ConstData;
  bool SkinIsPacked = false;
  bool SkinRemoving() const { return FSkinRemoving; }
  // Set from the start of the destructor: controls forget such a manager.
  bool Destroying() const { return FDestroying; }
  bool NoAutoUpdate() const { return FNoAutoUpdate; }
  bool GlobalHookInstalled = false;
  TShadowTemplates Shadows;  // ShdaTemplate, ShdiTemplate, FormShadowSize
  std::int32_t SysFontScale = 0;
  TShowState ShowState = TShowState::Ignore;

  // ---- skin preview from a skin editor ----
  TSkPreviewData PreviewBuffer;
  // A WM_COPYDATA block for the application window: true when it was taken
  // into PreviewBuffer, and the caller then posts scPreviewSkin to the
  // application window. Ignored when `answered` (someone else answered the
  // message), while an earlier preview still waits to be loaded, when
  // `wparam` is not kPreviewWParam or the block holds no whole record.
  bool ReceivePreview(std::uintptr_t wparam, std::span<const std::uint8_t> block, bool answered);
  // scPreviewSkin: shows the skin of PreviewBuffer and stays in preview
  // mode for the rest of the process's life.
  void LoadPreviewSkin();
  bool PreviewMode() const { return FPreviewMode; }
  bool PreviewPending() const { return FPreviewPending; }

  // ---- operations ----
  void ReloadSkin();
  void ReloadPackedSkin();
  void CheckVersion(double version);
  void UpdateSkin(bool repaint = true);
  void UpdateSkinSection(std::u16string_view section_name);
  void RepaintForms(bool do_lock_forms = true);
  void BeginUpdate() { FNoAutoUpdate = true; }
  void EndUpdate(bool repaint = false, bool allow_animation = true);
  void InitConstantIndexes();
  void CheckShadows();

  std::int32_t GetSkinIndex(std::u16string_view section) const { return Skin.GetSkinIndex(section); }
  std::int32_t GetMaskIndex(std::u16string_view section, std::u16string_view mask) const {
    return Skin.GetMaskIndex(section, mask);
  }
  std::int32_t GetMaskIndex(std::int32_t skin_index, std::u16string_view mask) const {
    return Skin.GetMaskIndex(skin_index, mask);
  }
  std::int32_t GetMaskIndex(std::int32_t skin_index, std::u16string_view section, std::u16string_view mask) const {
    return Skin.GetMaskIndex(skin_index, section, mask);
  }
  std::int32_t GetTextureIndex(std::int32_t skin_index, std::u16string_view section, std::u16string_view prop) const {
    return Skin.GetTextureIndex(skin_index, section, prop);
  }
  bool IsValidSkinIndex(std::int32_t index) const { return Skin.IsValidSkinIndex(index); }
  bool IsValidImgIndex(std::int32_t index) const { return Skin.IsValidImgIndex(index); }
  std::int32_t MaskWidthLeft(std::int32_t mask_index);
  std::int32_t MaskWidthTop(std::int32_t mask_index) const;
  std::int32_t MaskWidthRight(std::int32_t mask_index) const;
  std::int32_t MaskWidthBottom(std::int32_t mask_index) const;
  TColor GetGlobalColor() const { return Skin.Palette[pcMainColor]; }
  TColor GetGlobalFontColor() const { return Skin.Palette[pcLabelText]; }
  TColor GetActiveEditColor() const { return Skin.Palette[pcEditBG]; }
  TColor GetActiveEditFontColor() const { return Skin.Palette[pcEditText]; }
  TColor GetHighLightColor(bool focused) const { return Skin.Palette[focused ? pcSelectionBG_Focused : pcSelectionBG]; }
  TColor GetHighLightFontColor(bool focused) const {
    return Skin.Palette[focused ? pcSelectionText_Focused : pcSelectionText];
  }

  std::u16string GetFullSkinDirectory() const;
  // Fills `names` (sorted); returns the first name found before sorting.
  std::u16string GetSkinNames(std::vector<std::u16string>& names, TSkinTypes type = stAllSkins) const;
  std::u16string GetExternalSkinNames(std::vector<std::u16string>& names, TSkinTypes type = stAllSkins) const;
  void GetSkinSections(std::vector<std::u16string>& names) const;
  std::u16string GetRandomSkin() const;

  void ExtractInternalSkin(std::u16string_view name_of_skin, std::u16string_view dest_dir);
  void ExtractByIndex(std::size_t index, std::u16string_view dest_dir);

  // Where the manager's messages go (the platform's boxes by default).
  void SetMessageBox(ISkinMessageBox* box) { FMessageBox = box ? box : &PlatformSkinMessageBox(); }
  ISkinMessageBox& MessageBox() const { return *FMessageBox; }

 private:
  void SelectSkin(std::u16string_view value);
  std::u16string PackageFileName() const;
  bool ReloadCurrentSkin();
  void LoadFromOptions(const TSkinOptions* options);
  void ApplySkin(bool repaint);
  void RemoveSkin();
  void ReloadWithAdjustments();
  void UpdateDialogFlag();
  bool ExtendedBordersInEffect() const;
  void Broadcast(TSkinCommand command, std::intptr_t lparam);
  void Fire(const TNotifyEvent& event) {
    if (event) event(*this);
  }
  void ShowError(std::u16string_view text) { FMessageBox->Show(TSkinBoxKind::Error, text); }
  // A box that keeps the platform's look: dialog skinning is off while it is up.
  void ShowUnskinned(TSkinBoxKind kind, std::u16string_view text);
  // The LParam of the commands whose payload is the sending manager.
  std::intptr_t Self() const { return PayloadWord<scPrepareSkin>(this); }

  bool FLoading = false;
  bool FActive = true;
  std::u16string FSkinName;
  std::u16string FSkinDirectory;
  std::int32_t FHueOffset = 0;
  std::int32_t FSaturation = 0;
  std::int32_t FBrightness = 0;
  bool FExtendedBorders = false;
  bool FSkinnedPopups = true;
  TSkinningRules FSkinningRules;
  std::u16string FCommonSections;
  TSkMenuSupport FMenuSupport;
  TSkinEffects FEffects;
  TSkAnimEffects FAnimEffects;
  TSkButtonsSupport FButtonsOptions;
  TSkLabelsSupport FLabelsOptions;
  TSkScrollBarsSupport FScrollsOptions;
  TSkOptions FOptions;
  bool FSkinRemoving = false;
  bool FDestroying = false;
  bool FNoAutoUpdate = false;
  bool FPreviewMode = false;
  bool FPreviewPending = false;
  std::optional<std::string> FPreviewOptions;  // the options text while a preview loads
  ISkinMessageBox* FMessageBox;
  std::unique_ptr<ISkinableMenus> FSkinableMenus;
};

// The process's default manager (the first created), or none.
TSkinManager* DefaultManager();
// True while a skin is loaded or reloaded; painting skips work meanwhile.
bool SkinChanging();
// True unless the default manager is active and skins standard dialogs.
bool StdDialogsNotSkinned();

}  // namespace vorlan::skin
