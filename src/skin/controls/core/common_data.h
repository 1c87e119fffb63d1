#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "paint/bitmap32.h"
#include "paint/cache_info.h"
#include "paint/colors.h"
#include "skin/controls/core/anim_timer.h"
#include "skin/data/skin_commands.h"
#include "ui/control.h"
#include "ui/form.h"

// What every skinned control keeps of its skin: the section it is bound to,
// the indexes resolved from it, its current look (hot, focused, updating)
// and its painted picture, the cache. Controls hand their window messages to
// CommonWndProc and their skin commands to CommonSkinCommand before their own
// handling.
namespace vorlan::skin {

using paint::TColor;

class TSkinManager;
struct TSkinGeneralData;
struct TSkinGenState;

enum class TSkOuterVisibility { ovNone, ovAlways };

struct TSkOuterEffects {
  TSkOuterVisibility Visibility = TSkOuterVisibility::ovNone;
};

// CtrlSkinState bits.
inline constexpr std::uint16_t kCtrlPlainBackground = 1;
inline constexpr std::uint16_t kCtrlStateUndetermined = 2;
inline constexpr std::uint16_t kCtrlPrinting = 0x200;
inline constexpr std::uint16_t kCtrlInUpdate = 0x800;

// Colour adjustments "none".
inline constexpr TColor kNoColorTone = 0x1FFFFFFF;

class TSkinCommonData {
 public:
  // owner: the control whose skin this is. A form's skin provider passes no
  // control and names its form instead (ProviderForm).
  TSkinCommonData(ui::TControl* owner, bool createCacheBmp);
  TSkinCommonData(ui::TForm& providerForm, bool createCacheBmp);
  virtual ~TSkinCommonData();
  TSkinCommonData(const TSkinCommonData&) = delete;
  TSkinCommonData& operator=(const TSkinCommonData&) = delete;

  void Loaded();
  void UpdateIndexes(bool updateMain = true);
  void Invalidate(bool updateNow = false);
  void BeginUpdate();
  void EndUpdate(bool repaint);
  bool Skinned(bool checkSkinActive = false) const;
  HWND OwnerHandle() const;
  bool ManagerStored() const { return FSkinManager != nullptr; }
  bool RepaintIfMoved() const;
  void PaintOuterEffects(ui::TControl* ownerCtrl, POINT offset);

  // ---- properties ----
  const std::u16string& SkinSection() const { return FSkinSection; }
  void SetSkinSection(std::u16string_view value);
  // The manager used: the one set, else the default manager (may be none).
  TSkinManager* SkinManager() const;
  void SetSkinManager(TSkinManager* value);
  bool CustomColor() const { return FCustomColor; }
  void SetCustomColor(bool value);
  bool CustomFont() const { return FCustomFont; }
  void SetCustomFont(bool value);
  const TSkOuterEffects& OuterEffects() const { return FOuterEffects; }
  void SetOuterEffects(const TSkOuterEffects& value) { FOuterEffects = value; }

  // The section this data is bound to, or none when not skinned.
  const TSkinGeneralData* Section() const;
  // The Props entry of a state (limited to the section's states and to 2);
  // none when not skinned.
  const TSkinGenState* StateProps(std::int32_t state) const;
  // The control that shows this data's picture: the owner control, or a
  // provider's form.
  ui::TControl* Target() const { return FOwnerControl ? FOwnerControl : FProviderForm; }
  // The same when it has a window of its own.
  ui::TWinControl* WindowedTarget() const;
  // Painting is suspended here or the parent makes its children wait.
  bool Updating() const;
  // The picture cannot be given from a plain colour alone.
  bool NeedsCache() const;
  // The cache holds a finished picture of the control's size.
  bool CacheValid() const;
  // The form of a provider's data, none for a control's.
  ui::TForm* ProviderForm() const { return FProviderForm; }
  // The owner is going away (its data answers no more questions).
  bool OwnerDestroying() const;

  // ---- fields, in the order the skin's code expects them ----
  bool FCustomFont = false;
  bool FCustomColor = false;
  std::unique_ptr<paint::TBitmap32> FOuterCache;
  std::int32_t FUpdateCount = 0;
  std::u16string FSkinSection;
  TSkOuterEffects FOuterEffects;
  bool FFocused = false;
  bool FUpdating = false;
  bool FMouseAbove = false;
  bool HalfVisible = true;
  bool Loading = true;
  std::int32_t COC = 0;
  std::int32_t GlowID = -1;
  std::int32_t Texture = -1;
  std::int32_t FHUEOffset = 0;
  std::int32_t FSaturation = 0;
  std::int32_t BorderIndex = -1;
  std::int32_t HotTexture = -1;
  HDC PrintDC = nullptr;
  std::unique_ptr<paint::TBitmap32> FCacheBmp;
  TColor FColorTone = kNoColorTone;
  HWND FSWHandle = nullptr;
  ui::TObject* FOwnerObject = nullptr;
  ui::TControl* FOwnerControl = nullptr;
  TSkinManager* FSkinManager = nullptr;
  std::unique_ptr<TSkThreadedTimer> AnimTimer;
  std::uint16_t BGType = 0;
  std::uint16_t CtrlSkinState = kCtrlStateUndetermined;
  RECT InvalidRectH{};
  RECT InvalidRectV{};
  bool BGChanged = true;
  std::int32_t SkinIndex = -1;

 private:
  void ApplySectionChange();
  bool Live() const;

  ui::TForm* FProviderForm = nullptr;
};

// The published colour adjustments of a control.
class TSkinCtrlSkinData : public TSkinCommonData {
 public:
  using TSkinCommonData::TSkinCommonData;
  std::int32_t HUEOffset() const { return FHUEOffset; }
  void SetHUEOffset(std::int32_t value);
  std::int32_t Saturation() const { return FSaturation; }
  void SetSaturation(std::int32_t value);
  TColor ColorTone() const { return FColorTone; }
  void SetColorTone(TColor value);
};

// Scroll-bar sizes of a scrolling control; -1 = from the skin.
struct TSkScrollData {
  std::int32_t ScrollWidth = -1;
  std::int32_t ButtonsSize = -1;
};

class TSkinScrollWndData : public TSkinCtrlSkinData {
 public:
  using TSkinCtrlSkinData::TSkinCtrlSkinData;
  TSkScrollData HorzScrollData;
  TSkScrollData VertScrollData;
};

}  // namespace vorlan::skin
