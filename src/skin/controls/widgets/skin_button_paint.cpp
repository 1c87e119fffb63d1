#include <algorithm>

#include "paint/bitmap_gdi_win.h"
#include "skin/controls/base/skin_flags.h"
#include "skin/controls/base/skin_messaging.h"
#include "skin/controls/core/common_data_ops.h"
#include "skin/controls/core/control_color_adjust.h"
#include "skin/controls/core/control_paint.h"
#include "skin/controls/text/skin_text.h"
#include "skin/controls/widgets/skin_button.h"
#include "skin/controls/widgets/skin_button_layout.h"
#include "skin/data/skin_manager.h"
#include "skin/draw/border_geometry.h"
#include "skin/draw/border_mask.h"
#include "skin/draw/image_entry.h"

namespace vorlan::skin {
namespace {

TImageEntry BorderImage(const TSkinCommonData& data) {
  const TSkinManager* manager = data.SkinManager();
  return manager != nullptr ? SkinImage(manager->Skin, data.BorderIndex) : TImageEntry{};
}

bool MakesRegion(const TImageEntry& border) { return border && border.M().CornerType == 2; }

platform::UniqueRegion RegionWithout(int width, int height, const std::vector<paint::TRect>& holes) {
  platform::UniqueRegion region(CreateRectRgn(0, 0, width, height));
  for (const paint::TRect& hole : holes) {
    const platform::UniqueRegion cut(CreateRectRgn(hole.Left, hole.Top, hole.Right, hole.Bottom));
    CombineRgn(region.get(), region.get(), cut.get(), RGN_DIFF);
  }
  return region;
}

}  // namespace

std::int32_t TSkinButton::PaintedState() const {
  const TSkinGeneralData* section = FCommonData->Section();
  return PaintedButtonState(CurrentState(), section != nullptr ? section->States : 1);
}

SIZE TSkinButton::TextRectSize() const {
  if (Caption().empty()) return SIZE{0, 0};
  const UINT format = (FWordWrap ? DT_WORDBREAK : DT_SINGLELINE) | DT_CENTER | DT_NOPREFIX;
  return MeasureText(Font().Handle(), Caption(), format, Width() - 2 * FContentMargin, FWordWrap);
}

RECT TSkinButton::CaptionRect() const {
  const int width = FStyle == TButtonStyle::bsSplitButton ? Width() - 16 : Width();
  RECT r = ButtonCaptionRect(TextRectSize(), width, Height());
  if (CurrentState() == kButtonPressed) {
    const TSkinManager* manager = FCommonData->SkinManager();
    if (!FCommonData->Skinned() || (manager != nullptr && manager->ButtonsOptions().ShiftContentOnClick)) {
      OffsetRect(&r, 1, 1);
    }
  }
  return r;
}

bool TSkinButton::PrepareCache() {
  TSkinCommonData& data = *FCommonData;
  const std::optional<paint::TCacheInfo> ready = ReadyParentCacheInfo(data);
  if (!ready) {
    data.FUpdating = true;
    return false;
  }
  const paint::TCacheInfo& parent = *ready;
  PrepareCacheBmp(data);
  paint::TBitmap32& cache = *data.FCacheBmp;
  if (cache.Empty()) {
    data.BGChanged = false;
    return true;
  }
  const std::int32_t state = PaintedState();
  const paint::TPoint at{Left(), Top()};
  PaintControlSkin(data, parent, state, cache.Bounds(), at, cache, true, data.HotTexture, data.Texture);
  if (const TImageEntry border = BorderImage(data)) {
    if (RegionChanged && MakesRegion(border) && !AnimationRunning(data)) {
      FRegion =
          RegionWithout(cache.Width(), cache.Height(), BorderCornerHoles(border, cache.Width(), cache.Height(), state));
      region_state_ = state;
    } else if (state > 0 || (border.M().DrawMode & kBorderNotInState0) == 0) {
      paint::TCacheInfo shifted = parent;
      shifted.X += at.X;
      shifted.Y += at.Y;
      PaintBorderMask(cache, cache.Bounds(), shifted, border, state, true);
    }
  }
  ApplyColorAdjustments(cache, data, state);
  {
    const paint::TBitmapDC dc(cache);
    if (dc.get() != nullptr) DrawCaption(dc.get(), state);
    paint::TBitmapDC::Flush();
  }
  DrawFocusMark(state);
  if (!Enabled()) {
    paint::TDisabledLook look;
    look.Kinds = FDisabledKind;
    PaintDisabledLook(cache, look, ParentColor(Parent()), at, parent);
  }
  data.BGChanged = false;
  return true;
}

void TSkinButton::DrawCaption(HDC dc, std::int32_t state) {
  if (Caption().empty()) return;
  RECT r = CaptionRect();
  UINT format = DT_CENTER | DT_VCENTER | DT_EXPANDTABS;
  if (FWordWrap) {
    format |= DT_WORDBREAK;
    r = CaptionDrawRect(r, Width() - 2 * FContentMargin);
  }
  if ((GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0) format |= DT_RTLREADING;
  WriteSkinText(TTextCanvas{dc, TTextFont::Of(Font())}, Caption(), Enabled(), state, *FCommonData, format, r);
}

void TSkinButton::DrawFocusMark(std::int32_t /*state*/) {
  TSkinCommonData& data = *FCommonData;
  const TSkinManager* manager = data.SkinManager();
  if (!Focused() || !Enabled() || Caption().empty() || !FShowFocus || !data.Skinned() ||
      !manager->ButtonsOptions().ShowFocusRect) {
    return;
  }
  const TSkinGeneralData& section = *data.Section();
  const TColor colour = section.Props[std::min(2, std::max(0, section.States))].FontColor.Color;
  const RECT mark = FocusMarkRect(CaptionRect(), FFocusMargin, Height());
  DrawFocusDots(*data.FCacheBmp, mark, AdjustSkinColor(colour, ColorAdjustmentOf(data)));
}

void TSkinButton::ApplyRegion() {
  if (!FRegion || !HandleAllocated()) return;
  // The system owns the region only once it has taken it.
  if (SetWindowRgn(Handle(), FRegion.get(), FRegionRedraw ? TRUE : FALSE) == 0) return;
  static_cast<void>(FRegion.release());
  FRegionRedraw = false;
}

void TSkinButton::PaintHandler(HDC dc, bool printing) {
  TSkinCommonData& data = *FCommonData;
  if (dc == nullptr || (AnimationInProgress() && !printing)) return;
  if (data.Updating() || AnimationRunning(data)) return;
  RECT parentClient{0, 0, 0, 0};
  if (Parent() != nullptr) parentClient = Parent()->ClientRect();
  RECT inside{};
  IntersectRect(&inside, &BoundsRect(), &parentClient);
  if (data.HalfVisible) data.BGChanged = true;
  data.HalfVisible = !EqualRect(&inside, &BoundsRect());
  const TImageEntry border = BorderImage(data);
  // Frames of other states may have other corners.
  if (MakesRegion(border) && PaintedState() != region_state_) RegionChanged = true;
  if (RegionChanged && MakesRegion(border)) {
    if (!PrepareCache()) return;
    if (!printing) {
      ApplyRegion();
      RegionChanged = false;
      const RECT& now = BoundsRect();
      if (Parent() != nullptr && Parent()->HandleAllocated() && !IsRectEmpty(&LastRect) &&
          (now.right - now.left < LastRect.right - LastRect.left ||
           now.bottom - now.top < LastRect.bottom - LastRect.top)) {
        // The old corners may have uncovered the parent there.
        const TBorderWidths w =
            FitBorderWidths(border.M(), LastRect.right - LastRect.left, LastRect.bottom - LastRect.top);
        const RECT corners[] = {
            {LastRect.right - w.Right, LastRect.top, LastRect.right, LastRect.top + w.Top},
            {LastRect.right - w.Right, LastRect.bottom - w.Bottom, LastRect.right, LastRect.bottom},
            {LastRect.left, LastRect.bottom - w.Bottom, LastRect.left + w.Left, LastRect.bottom},
        };
        for (const RECT& corner : corners) InvalidateRect(Parent()->Handle(), &corner, FALSE);
      }
      LastRect = now;
    }
  } else if (data.BGChanged) {
    if (!PrepareCache()) return;
  }
  if (data.FCacheBmp && !data.FCacheBmp->Empty()) paint::ShowBitmap(dc, {0, 0}, *data.FCacheBmp);
}

void TSkinButton::PaintUnskinned(HDC dc) {
  if (dc == nullptr) return;
  RECT client{0, 0, Width(), Height()};
  const bool pushed = FDown || (HandleAllocated() && (SendMessageW(Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0);
  UINT frame = DFCS_BUTTONPUSH;
  if (pushed) frame |= DFCS_PUSHED;
  if (!Enabled()) frame |= DFCS_INACTIVE;
  DrawFrameControl(dc, &client, DFC_BUTTON, frame);
  if (!Caption().empty()) {
    RECT r = ButtonCaptionRect(TextRectSize(), Width(), Height());
    if (pushed) OffsetRect(&r, 1, 1);
    UINT format = DT_CENTER | DT_VCENTER | DT_EXPANDTABS;
    if (FWordWrap) {
      format |= DT_WORDBREAK;
      r = CaptionDrawRect(r, Width() - 2 * FContentMargin);
    }
    WriteSkinText(TTextCanvas{dc, TTextFont::Of(Font())}, Caption(), Enabled(), pushed ? 2 : 0, *FCommonData, format,
                  r);
  }
  if (Focused() && FShowFocus) {
    RECT mark{0, 0, Width(), Height()};
    InflateRect(&mark, -4, -4);
    DrawFocusRect(dc, &mark);
  }
}

}  // namespace vorlan::skin
