#pragma once

#include "paint/bitmap32.h"
#include "ui/control.h"

namespace vorlan::ui {

// A picture painted by its parent at the control's top-left corner (or in
// its centre with Center on), clipped to the control; the parent's
// background shows where the picture does not reach. Stretch and
// Proportional are settings for whoever prepares the picture to fit.
class TImage : public TControl {
 public:
  std::u16string_view ClassName() const override { return u"TImage"; }
  const paint::TBitmap32& Picture() const { return picture_; }
  // Replaces the picture and repaints.
  void SetPicture(paint::TBitmap32 picture);

  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch) { stretch_ = stretch; }
  bool Proportional() const { return proportional_; }
  void SetProportional(bool proportional) { proportional_ = proportional; }
  bool Center() const { return center_; }
  void SetCenter(bool center);

  void Paint(HDC dc) override;

 private:
  paint::TBitmap32 picture_;
  bool stretch_ = false;
  bool proportional_ = false;
  bool center_ = false;
};

}  // namespace vorlan::ui
