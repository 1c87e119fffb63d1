#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "paint/bitmap32.h"
#include "paint/colors.h"
#include "skin/data/skin_manager.h"
#include "ui/form.h"

// A form's binding to its skin section: the indexes resolved from it, the
// whole-window picture (the cache) and its flags. Named as the shared
// control data names them, so that the provider can move onto that class.
namespace vorlan::skin {

class TProviderSkinData {
 public:
  explicit TProviderSkinData(ui::TForm& form) : form_(form) {}

  const std::u16string& SkinSection() const { return FSkinSection; }
  // Stored upper-cased; marks the picture changed when the name changes.
  void SetSkinSection(std::u16string_view value);
  // The manager set, else the default manager (may be none).
  TSkinManager* SkinManager() const;
  void SetSkinManager(TSkinManager* manager) { FSkinManager = manager; }

  void UpdateIndexes();
  // A manager with an applied skin and a valid section (and, with
  // checkSkinActive, the manager switched on).
  bool Skinned(bool checkSkinActive = false) const;
  const TSkinGeneralData* Section() const;
  // The colour children see behind them in `state` (transparency mixes the
  // form's own colour in).
  paint::TColor BgColor(std::int32_t state) const;
  ui::TForm& Form() const { return form_; }

  std::u16string FSkinSection;
  TSkinManager* FSkinManager = nullptr;  // borrowed; none = the default manager
  std::int32_t SkinIndex = -1;
  std::int32_t BorderIndex = -1;
  std::unique_ptr<paint::TBitmap32> FCacheBmp;
  bool BGChanged = true;
  bool FUpdating = false;
  bool FCustomColor = false;

 private:
  ui::TForm& form_;
};

}  // namespace vorlan::skin
