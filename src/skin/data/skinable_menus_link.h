#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "paint/colors.h"
#include "skin/data/manager_options.h"

// The manager's side of its menu painter: the painter itself lives with the
// window framework; the manager only switches it and keeps its settings.
namespace vorlan::skin {

// The extra line of a popup (a vertical strip on its left side).
struct TSkMenuExtraLine {
  std::u16string SkinSection = u"EXTRALINE";
  std::u16string Caption = u"Use OnGetExtraLineData event";
  const void* Glyph = nullptr;  // a paint::TBitmap32 (borrowed), or none
  bool Visible = true;
};

enum TSkMenuAlignment { maLeftJustify, maRightJustify, maCenter };

class ISkinableMenus {
 public:
  virtual ~ISkinableMenus() = default;

  bool Active() const { return FActive; }
  // Hooks (or unhooks) every menu of the application when the value changes.
  void SetActive(bool value) {
    if (value == FActive) return;
    FActive = value;
    InitItems(value);
  }
  // The painter follows the manager's active flag.
  void UpdateMenus(bool manager_active) { SetActive(manager_active); }
  // Walks every menu of the application again (owner drawing follows the
  // manager's SkinnedPopups).
  virtual void InitItems(bool active) = 0;
  // Frees the pictures of the open popups (the menu loop has ended).
  virtual void ClearMenuInfos() = 0;
  // A new skin is applied: the frame width is taken from it again.
  virtual void ForgetBorderWidth() = 0;

  std::int32_t Margin() const { return FMargin; }
  void SetMargin(std::int32_t value) { FMargin = value; }
  std::int32_t Spacing() const { return FSpacing; }
  void SetSpacing(std::int32_t value) { FSpacing = value; }
  std::int32_t BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(std::int32_t value) { FBevelWidth = value; }
  std::int32_t BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(std::int32_t value) { FBorderWidth = value; }
  const TSkMenuFont& CaptionFont() const { return FCaptionFont; }
  void SetCaptionFont(const TSkMenuFont& value) { FCaptionFont = value; }
  TSkMenuAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TSkMenuAlignment value) { FAlignment = value; }

 protected:
  std::int32_t FMargin = 2;
  std::int32_t FSpacing = 8;
  std::int32_t FBevelWidth = 0;
  std::int32_t FBorderWidth = 3;  // width of the popup frame taken from the background picture
  TSkMenuFont FCaptionFont;
  TSkMenuAlignment FAlignment = maLeftJustify;
  bool FActive = false;
};

}  // namespace vorlan::skin
