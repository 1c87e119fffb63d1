#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "paint/bitmap32.h"
#include "paint/geometry.h"
#include "skin/controls/core/common_data.h"
#include "skin/controls/core/skinned_control.h"
#include "ui/image.h"

// A picture over a skin section: the section (usually fully transparent,
// so the parent's picture) under the picture, which is fitted into the
// control and copied in with its own alpha.
namespace vorlan::skin {

// The size a picture of natural size `picture` is drawn at in `area`: the
// natural size without stretch; the whole area (its upper two thirds with a
// reflection) without proportion; else the largest size of the picture's
// proportions that fits, its sides rounded to the nearest integer, halves
// to even.
paint::TSize FitImageSize(paint::TSize picture, paint::TSize area, bool stretch, bool proportional, bool reflected);

class TSkinCustomImage : public TSkinnedControl<ui::TImage> {
 public:
  TSkinCustomImage();
  ~TSkinCustomImage() override;
  std::u16string_view ClassName() const override { return u"TSkinCustomImage"; }

  // A picture without an alpha channel of its own (a decoded photograph):
  // shown fully opaque.
  void SetPicture(paint::TBitmap32 picture);
  // A 32-bit picture whose alpha is kept.
  void SetPicture32(paint::TBitmap32 picture);

  bool Grayed() const { return FGrayed; }
  void SetGrayed(bool value);
  bool Reflected() const { return FReflected; }
  void SetReflected(bool value);
  bool UseFullSize() const { return FUseFullSize; }
  void SetUseFullSize(bool value);
  // Transparency percentage of the picture (0 opaque .. 100 invisible).
  int Blend() const { return FBlend; }
  void SetBlend(int value);
  // The control's current contents under the picture are kept first.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);

  // Neither an image nor a non-empty picture is set.
  bool Empty() const;
  // Repaints unless loading or going away.
  void UpdateImage();
  // Where the picture goes in the control now.
  paint::TRect PictureRect() const;

  void Paint(HDC dc) override;

 protected:
  void WndProc(ui::TMessage& message) override;
  void BoundsChanged() override;

 private:
  bool OwnCommand(ui::TMessage& message);
  bool PrepareCache(HDC dc);
  void DrawPicture(paint::TBitmap32& cache, const paint::TCacheInfo& parent);
  // The picture resampled to `size`, made again only when the picture or the
  // size changed: resampling a photograph costs more than the rest of a
  // paint, and the control is painted again with every repaint of its parent.
  const paint::TBitmap32& FittedPicture(paint::TSize size);

  struct TFitted {
    std::uint64_t Generation = 0;
    paint::TSize Size{};
    paint::TBitmap32 Picture;
  };
  TFitted FFitted;
  std::uint64_t FPictureGeneration = 1;

  bool FGrayed = false;
  bool FReflected = false;
  bool FUseFullSize = false;
  int FBlend = 0;
  bool FTransparent = false;
  bool FPictureAlpha = false;
};

// The published form of the image.
class TSkinImage : public TSkinCustomImage {
 public:
  std::u16string_view ClassName() const override { return u"TSkinImage"; }
};

}  // namespace vorlan::skin
