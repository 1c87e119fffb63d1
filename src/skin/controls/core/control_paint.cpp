#include "skin/controls/core/control_paint.h"

#include "paint/adjust.h"
#include "paint/bitmap_gdi_win.h"
#include "paint/copies.h"
#include "paint/masks.h"
#include "platform/handle_win.h"
#include "skin/controls/core/bg_request.h"
#include "skin/data/skin_manager.h"
#include "skin/draw/border_geometry.h"
#include "skin/draw/border_mask.h"
#include "skin/draw/image_entry.h"
#include "skin/draw/paint_checks.h"
#include "skin/draw/section.h"
#include "skin/draw/state_fill.h"
#include "ui/win_control.h"

namespace vorlan::skin {
namespace {

using paint::TRect;

// The pieces of the painting shared by both entry points. Returns the section
// and limited state, or none when nothing may be painted.
struct TControlPaint {
  const TLoadedSkin* Skin = nullptr;
  const TSkinGeneralData* Section = nullptr;
  std::int32_t State = 0;
};

TControlPaint Prepare(const TSkinCommonData& data, std::int32_t state, const TRect& r, const paint::TBitmap32& bmp) {
  const TSkinGeneralData* section = data.Section();
  if (section == nullptr || !LiesInside(r, bmp)) return {};
  return {&data.SkinManager()->Skin, section, LimitState(*section, state)};
}

TColor CustomColorOf(const TSkinCommonData& data) {
  if (!data.FCustomColor || data.Target() == nullptr) return kNoCustomColor;
  return paint::ResolveColor(data.Target()->Color());
}

// The border, unless hidden in this state; whether it was painted.
bool PaintBorder(const TSkinCommonData& data, const TControlPaint& p, const paint::TCacheInfo& cacheInfo,
                 paint::TPoint offset, const TRect& r, paint::TBitmap32& bmp, bool updateCorners) {
  const TImageEntry border = SkinImage(*p.Skin, data.BorderIndex);
  if (!border || (p.State == 0 && (border.M().DrawMode & kBorderNotInState0) != 0)) return false;
  PaintBorderMask(bmp, r, paint::Shifted(cacheInfo, offset), border, p.State, updateCorners);
  return true;
}

// Receives the border pieces and redraws only the selected corners.
class TCornerPieces final : public TBorderPieces {
 public:
  TCornerPieces(paint::TBitmap32& bmp, const TRect& r, const paint::TCacheInfo& parent, const TImageEntry& image,
                int corners)
      : bmp_(bmp), r_(r), parent_(parent), image_(image), corners_(corners) {}

  void Copy(TBorderPart part, const TRect& dst, paint::TPoint src) override {
    if (part != TBorderPart::Corner || (corners_ & CornerBit(dst)) == 0) return;
    CopyBorderPiece(bmp_, image_, part, dst, paint::MakeRect(src.X, src.Y, dst.Width(), dst.Height()), true, parent_);
  }
  void Stretch(TBorderPart, const TRect&, const TRect&) override {}

 private:
  int CornerBit(const TRect& dst) const {
    const bool left = dst.Left == r_.Left;
    const bool top = dst.Top == r_.Top;
    if (left) return top ? kCornerTopLeftBit : kCornerBottomLeftBit;
    return top ? kCornerTopRightBit : kCornerBottomRightBit;
  }

  paint::TBitmap32& bmp_;
  TRect r_;
  const paint::TCacheInfo& parent_;
  const TImageEntry& image_;
  int corners_;
};

}  // namespace

void AdjustControlColors(const TSkinCommonData& data, paint::TBitmap32& bmp, std::int32_t saturation) {
  using paint::TPixelAdjustment;
  if (data.FColorTone != kNoColorTone) {
    paint::AdjustBitmap(bmp, {TPixelAdjustment::Tone, data.FColorTone}, paint::kKeyColor);
  }
  if (data.FHUEOffset != 0) paint::AdjustBitmap(bmp, {TPixelAdjustment::Hue, data.FHUEOffset}, paint::kKeyColor);
  if (saturation != 0) paint::AdjustBitmap(bmp, {TPixelAdjustment::Saturation, saturation}, paint::kKeyColor);
}

void PaintControlSkin(TSkinCommonData& data, const paint::TCacheInfo& cacheInfo, std::int32_t state, const TRect& r,
                      paint::TPoint offset, paint::TBitmap32& bmp, bool updateCorners, std::int32_t hotTexture,
                      std::int32_t texture) {
  const TControlPaint p = Prepare(data, state, r, bmp);
  if (p.Section == nullptr) return;
  PaintSectionBackground(*p.Skin, data.SkinIndex, cacheInfo, p.State, CustomColorOf(data), hotTexture, texture, bmp,
                         offset, r);
  PaintCornerImages(*p.Skin, *p.Section, p.State, r, bmp);
  const bool border = PaintBorder(data, p, cacheInfo, offset, r, bmp, updateCorners);
  if (!border && p.Section->Props[static_cast<std::size_t>(PropsIndex(*p.Section, p.State))].Transparency != 0) return;
  // The saturation goes in unscaled here, as the skin's own pictures expect.
  AdjustControlColors(data, bmp, data.FSaturation);
}

bool PaintControlSkinFromParent(TSkinCommonData& data, ui::TControl& control, std::int32_t state, const TRect& r,
                                paint::TPoint offset, paint::TBitmap32& bmp, bool updateCorners) {
  TSkBgRequest request;
  auto* windowed = dynamic_cast<ui::TWinControl*>(&control);
  RequestBackgroundBehind(request, &control, windowed && windowed->HandleAllocated() ? windowed->Handle() : nullptr);
  if (request.BgType == btForbidden) return false;
  const TControlPaint p = Prepare(data, state, r, bmp);
  if (p.Section == nullptr) return true;
  const paint::TCacheInfo cacheInfo = BgRequestToCacheInfo(request);
  PaintSectionBackground(*p.Skin, data.SkinIndex, cacheInfo, p.State, CustomColorOf(data), data.HotTexture,
                         data.Texture, bmp, offset, r);
  PaintBorder(data, p, cacheInfo, offset, r, bmp, updateCorners);
  PaintCornerImages(*p.Skin, *p.Section, p.State, r, bmp);
  return true;
}

void RepaintCorners(TSkinCommonData& data, std::int32_t state, int corners) {
  const TSkinManager* manager = data.SkinManager();
  ui::TControl* control = data.FOwnerControl;
  if (manager == nullptr || control == nullptr || !data.FCacheBmp || data.FCacheBmp->Empty()) return;
  const TImageEntry border = SkinImage(manager->Skin, data.BorderIndex);
  if (!border) return;
  TSkBgRequest request;
  POINT position{control->Left(), control->Top()};
  RequestBackgroundBehind(request, control, data.OwnerHandle());
  paint::TCacheInfo parent = BgRequestToCacheInfo(request);
  if (request.BgType == btCache) parent = paint::Shifted(parent, {position.x, position.y});
  TCornerPieces pieces(*data.FCacheBmp, data.FCacheBmp->Bounds(), parent, border, corners);
  LayBorderPieces(border, data.FCacheBmp->Bounds(), state, pieces);
}

void PaintSectionToDC(std::int32_t skinIndex, const paint::TCacheInfo& cacheInfo, const TSkinManager* manager, HDC dc,
                      paint::TPoint offset, const TRect& r, std::int32_t state) {
  const TLoadedSkin* skin = PaintingSkin(manager);
  if (skin == nullptr || dc == nullptr || !skin->IsValidSkinIndex(skinIndex) || r.IsEmpty() || r.Left < 0 ||
      r.Top < 0) {
    return;
  }
  const platform::SavedDcState saved(dc);
  paint::TBitmap32 picture(r.Width(), r.Height());
  PaintSection(*skin, skinIndex, cacheInfo, state, picture.Bounds(), offset, picture);
  paint::ShowBitmap(dc, {r.Left, r.Top}, picture);
}

}  // namespace vorlan::skin
