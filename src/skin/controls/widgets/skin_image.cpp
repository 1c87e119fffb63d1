#include "skin/controls/widgets/skin_image.h"

#include <algorithm>
#include <cmath>

#include "paint/bitmap_gdi_win.h"
#include "paint/block_copy.h"
#include "paint/composite.h"
#include "paint/fills.h"
#include "paint/resample.h"
#include "platform/handle_win.h"
#include "skin/controls/core/bg_request.h"
#include "skin/controls/core/common_data_ops.h"
#include "skin/controls/core/common_handlers.h"
#include "skin/controls/core/control_paint.h"
#include "skin/data/class_codes.h"

namespace vorlan::skin {
namespace {

// Nearest integer, halves to even (the default rounding mode).
std::int32_t Round(double v) { return static_cast<std::int32_t>(std::nearbyint(v)); }

constexpr paint::TColor kGrayBlendColor = 0xFFFFFF;

}  // namespace

paint::TSize FitImageSize(paint::TSize picture, paint::TSize area, bool stretch, bool proportional, bool reflected) {
  if (!stretch) return picture;
  const std::int32_t w = area.Width;
  const std::int32_t h = reflected ? area.Height * 2 / 3 : area.Height;
  if (!proportional) return {w, h};
  if (picture.Width <= 0 || picture.Height <= 0) return {0, 0};
  const double x = static_cast<double>(picture.Width) / picture.Height;
  paint::TSize size;
  if (picture.Height < picture.Width) {
    size = {w, Round(w / x)};
    if (size.Height > h) size = {Round(x * h), h};
  } else {
    size = {Round(x * h), h};
    if (size.Width > w) size = {w, Round(w / x)};
  }
  return size;
}

TSkinCustomImage::TSkinCustomImage() : TSkinnedControl(kClassImage) {
  HookOwnCommands([this](ui::TMessage& message) { return OwnCommand(message); });
}

TSkinCustomImage::~TSkinCustomImage() = default;

void TSkinCustomImage::SetPicture(paint::TBitmap32 picture) {
  FPictureAlpha = false;
  ++FPictureGeneration;
  FFitted = {};
  FCommonData->BGChanged = true;
  ui::TImage::SetPicture(std::move(picture));
}

void TSkinCustomImage::SetPicture32(paint::TBitmap32 picture) {
  FPictureAlpha = true;
  ++FPictureGeneration;
  FFitted = {};
  FCommonData->BGChanged = true;
  ui::TImage::SetPicture(std::move(picture));
}

void TSkinCustomImage::SetGrayed(bool value) {
  FGrayed = value;
  FCommonData->Invalidate();
}

void TSkinCustomImage::SetReflected(bool value) {
  FReflected = value;
  FCommonData->Invalidate();
}

void TSkinCustomImage::SetUseFullSize(bool value) {
  FUseFullSize = value;
  FCommonData->Invalidate();
}

void TSkinCustomImage::SetBlend(int value) {
  FBlend = std::clamp(value, 0, 100);
  FCommonData->Invalidate();
}

void TSkinCustomImage::SetTransparent(bool value) {
  FTransparent = value;
  UpdateImage();
}

bool TSkinCustomImage::Empty() const { return Picture().Empty(); }

void TSkinCustomImage::UpdateImage() {
  if (IsLoading() || IsDestroying()) return;
  FCommonData->BGChanged = true;
  Invalidate();
}

paint::TRect TSkinCustomImage::PictureRect() const {
  const paint::TSize size = FitImageSize(Picture().Size(), {Width(), Height()}, Stretch(), Proportional(), FReflected);
  paint::TPoint at{0, 0};
  if (Center() && !(Stretch() && !Proportional())) {
    at = {(Width() - size.Width) / 2, (Height() - size.Height - (FUseFullSize ? size.Height / 2 : 0)) / 2};
  }
  return paint::MakeRect(at.X, at.Y, size.Width, size.Height);
}

void TSkinCustomImage::DrawPicture(paint::TBitmap32& cache, const paint::TCacheInfo& parent) {
  if (Empty()) return;
  const paint::TRect place = PictureRect();
  if (place.IsEmpty()) return;
  const bool resampled = Stretch() && (place.Width() != Picture().Width() || place.Height() != Picture().Height());
  paint::TBitmap32 own;
  if (!resampled) {
    own = Picture().Clone();
    if (!FPictureAlpha) paint::SetAlphaRect(own, own.Bounds(), 255, paint::kNoColor);
  }
  const paint::TBitmap32& work = resampled ? FittedPicture({place.Width(), place.Height()}) : own;
  // Only the part inside the control is copied.
  const paint::TRect target =
      paint::Intersect(paint::MakeRect(place.Left, place.Top, work.Width(), work.Height()), cache.Bounds());
  if (target.IsEmpty()) return;
  const paint::TRect source =
      paint::MakeRect(target.Left - place.Left, target.Top - place.Top, target.Width(), target.Height());
  if (!FPictureAlpha && FBlend == 0 && !FGrayed && !FReflected) {
    // Opaque: the picture's pixels exactly, with no blend rounding.
    paint::CopyBlock(cache, {target.Left, target.Top}, work, source);
    return;
  }
  paint::CopyImage32(target, source, cache, FReflected, FBlend, FGrayed ? kGrayBlendColor : paint::kNoColor, false,
                     parent, work);
}

const paint::TBitmap32& TSkinCustomImage::FittedPicture(paint::TSize size) {
  if (FFitted.Generation == FPictureGeneration && FFitted.Size == size) return FFitted.Picture;
  paint::TBitmap32 work = Picture().Clone();
  if (!FPictureAlpha) paint::SetAlphaRect(work, work.Bounds(), 255, paint::kNoColor);
  paint::TBitmap32 fitted(size.Width, size.Height);
  paint::ResampleBitmap(work, fitted, size.Width, paint::kFilterMitchell, size.Height);
  // The filter's lobes touch the alpha too: a picture without alpha stays opaque.
  if (!FPictureAlpha) paint::SetAlphaRect(fitted, fitted.Bounds(), 255, paint::kNoColor);
  FFitted = {FPictureGeneration, size, std::move(fitted)};
  return FFitted.Picture;
}

bool TSkinCustomImage::PrepareCache(HDC dc) {
  TSkinCommonData& data = *FCommonData;
  if (Parent() == nullptr) return false;
  TSkBgRequest background;
  RequestParentBackground(background, *Parent(), false);
  if (background.BgType == btForbidden) {
    data.FUpdating = true;
    return false;
  }
  PrepareCacheBmp(data);
  paint::TBitmap32& cache = *data.FCacheBmp;
  if (cache.Empty()) return false;
  if (background.BgType == btCache && (background.Bmp == nullptr || background.Bmp->Empty())) return false;
  if (FTransparent && dc != nullptr) {
    const platform::UniqueMemoryDc memory(CreateCompatibleDC(dc));
    const platform::SelectGuard select(memory.get(), static_cast<HBITMAP>(cache.NativeHandle()));
    BitBlt(memory.get(), 0, 0, Width(), Height(), dc, 0, 0, SRCCOPY);
    GdiFlush();
  }
  const paint::TCacheInfo parent = BgRequestToCacheInfo(background);
  PaintControlSkin(data, parent, 0, cache.Bounds(), {Left(), Top()}, cache, true, data.HotTexture, data.Texture);
  DrawPicture(cache, parent);
  data.BGChanged = false;
  return true;
}

void TSkinCustomImage::Paint(HDC dc) {
  TSkinCommonData& data = *FCommonData;
  if (Empty() && data.SkinSection().empty()) {
    ui::TImage::Paint(dc);
    return;
  }
  // Every paint starts from the current skin and parent picture.
  data.UpdateIndexes(true);
  if (!data.Skinned()) {
    ui::TImage::Paint(dc);
    return;
  }
  data.FUpdating = false;
  if (!PrepareCache(dc)) return;
  paint::ShowBitmap(dc, {0, 0}, *data.FCacheBmp);
}

void TSkinCustomImage::BoundsChanged() {
  ui::TImage::BoundsChanged();
  if (Visible()) FCommonData->BGChanged = true;
}

bool TSkinCustomImage::OwnCommand(ui::TMessage& message) {
  if (CommandOf(message) != scUpdateDone) return false;
  if (ParentUpdateEnded(*FCommonData)) Invalidate();
  return true;
}

void TSkinCustomImage::WndProc(ui::TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case platform::CM_VISIBLECHANGED:
      FCommonData->BGChanged = true;
      FCommonData->FMouseAbove = false;
      break;
    default:
      break;
  }
  ui::TImage::WndProc(message);
}

}  // namespace vorlan::skin
