#include "skin/controls/widgets/skin_panel.h"

#include "paint/bitmap_gdi_win.h"
#include "platform/handle_win.h"
#include "skin/controls/base/skin_messaging.h"
#include "skin/controls/core/bg_request.h"
#include "skin/controls/core/child_messaging.h"
#include "skin/controls/core/child_painting.h"
#include "skin/controls/core/common_data_ops.h"
#include "skin/controls/core/common_handlers.h"
#include "skin/controls/core/control_paint.h"
#include "skin/controls/core/copy_cache.h"
#include "skin/controls/text/skin_text.h"
#include "skin/data/class_codes.h"
#include "skin/data/skin_manager.h"

namespace vorlan::skin {
namespace {

constexpr UINT kRedrawFrameErase = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;

}  // namespace

TSkinPanel::TSkinPanel() : TSkinnedControl(kClassPanel) {
  HookOwnCommands([this](ui::TMessage& message) { return OwnCommand(message); });
}

TSkinPanel::~TSkinPanel() = default;

void TSkinPanel::Loaded() {
  TSkinnedControl::Loaded();
  FOldBevel = FBevelOuter;
}

void TSkinPanel::SetBevelOuter(TBevelCut value) {
  if (FBevelOuter == value) return;
  FBevelOuter = value;
  // The default section follows the outer bevel.
  if (FCommonData->SkinSection().empty() && !FCommonData->Loading && FOldBevel != FBevelOuter) {
    FOldBevel = FBevelOuter;
    FCommonData->UpdateIndexes(true);
  }
  FCommonData->Invalidate();
}

void TSkinPanel::SetBevelInner(TBevelCut value) {
  FBevelInner = value;
  FCommonData->Invalidate();
}

void TSkinPanel::SetAlignment(TTextAlignment value) {
  FAlignment = value;
  FCommonData->Invalidate();
}

int TSkinPanel::BevelCount() const {
  return (FBevelOuter != TBevelCut::bvNone ? 1 : 0) + (FBevelInner != TBevelCut::bvNone ? 1 : 0);
}

std::int32_t TSkinPanel::BevelSection() const {
  const TSkinManager* manager = FCommonData->SkinManager();
  if (manager == nullptr) return -1;
  switch (FBevelOuter) {
    case TBevelCut::bvNone:
      return manager->ConstData.Sections[ssTransparent];
    case TBevelCut::bvLowered:
      return manager->ConstData.Sections[ssPanelLow];
    case TBevelCut::bvSpace:
      return manager->ConstData.Sections[ssGroupBox];
    case TBevelCut::bvRaised:
      break;
  }
  return manager->ConstData.Sections[ssPanel];
}

bool TSkinPanel::PrepareCache() {
  TSkinCommonData& data = *FCommonData;
  if (!data.Skinned()) return false;
  PrepareCacheBmp(data);
  paint::TBitmap32& cache = *data.FCacheBmp;
  if (cache.Empty()) return false;
  if (!PaintControlSkinFromParent(data, *this, 0, cache.Bounds(), {Left(), Top()}, cache, true)) {
    data.FUpdating = true;
    return false;
  }
  data.PaintOuterEffects(this, POINT{});
  const paint::TBitmapDC canvas(cache);
  if (canvas.get() != nullptr) {
    WriteText(canvas.get());
    if (OnPaint) OnPaint(*this, canvas.get());
    paint::TBitmapDC::Flush();
  }
  data.BGChanged = false;
  return true;
}

void TSkinPanel::WriteText(HDC dc) {
  if (Caption().empty()) return;
  RECT r = ClientRect();
  const int inset = FBevelWidth * BevelCount() + FBorderWidth;
  InflateRect(&r, -inset, -inset);
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
  switch (FAlignment) {
    case TTextAlignment::taLeftJustify:
      format |= DT_LEFT;
      break;
    case TTextAlignment::taRightJustify:
      format |= DT_RIGHT;
      break;
    case TTextAlignment::taCenter:
      format |= DT_CENTER;
      break;
  }
  WriteSkinText(TTextCanvas{dc, TTextFont::Of(Font())}, Caption(), Enabled(), 0, *FCommonData, format, r);
}

void TSkinPanel::OurPaint(HDC dc, bool sendUpdated) {
  TSkinCommonData& data = *FCommonData;
  if (!Showing() || !data.Skinned() || dc == nullptr) return;
  RECT clip{};
  const int clipKind = GetClipBox(dc, &clip);
  if (clipKind != ERROR && clipKind != NULLREGION && !IsRectEmpty(&clip) && !data.Updating()) {
    const bool due = data.HalfVisible || data.BGChanged;
    data.HalfVisible = clip.left > 0 || clip.top > 0 || clip.right < Width() || clip.bottom < Height();
    if (due && !PrepareCache() && data.BGChanged) return;
    const RECT all{0, 0, Width(), Height()};
    CopyCacheToDC(this, data, all, 0, 0, false, dc, all);
    PaintGraphicChildren(dc, *this, true);
  }
  if (sendUpdated) RepaintChildren(*this);
}

void TSkinPanel::RedrawNow() {
  if (HandleAllocated() && IsWindowVisible(Handle())) RedrawWindow(Handle(), nullptr, nullptr, kRedrawFrameErase);
}

void TSkinPanel::PassToChildren(const ui::TMessage& message) { BroadcastToChildControls(*this, message); }

void TSkinPanel::AnswerBackground(ui::TMessage& message) {
  TSkBgRequest* request = PayloadOf<scGetBackground>(message);
  if (request == nullptr) return;
  TSkinCommonData& data = *FCommonData;
  AnswerBgRequest(data, *request, 0);
  const bool wrongSize = !CacheFits(data, Width(), Height());
  if (request->BgType == btCache && data.BGChanged && wrongSize && !data.FUpdating) {
    const bool parentNotReady = Parent() == nullptr || SendSkinCommandTo(Parent(), scIsNotReady) != 0;
    if (parentNotReady) request->BgType = btForbidden;
  }
  // The children's coordinates are those of the panel's whole window (the
  // bevel is painted inside it), so a picture answer needs no shift.
}

void TSkinPanel::UpdateDone() {
  TSkinCommonData& data = *FCommonData;
  const bool waited = data.FUpdating;
  if (ParentUpdateEnded(data)) {
    if (data.FCacheBmp && !CacheFits(data, Width(), Height())) {
      data.BGChanged = true;
    }
    RedrawNow();
    RepaintChildren(*this);
  } else if (!waited && (data.CtrlSkinState & kCtrlPlainBackground) != 0) {
    RepaintChildren(*this);
  }
}

bool TSkinPanel::OwnCommand(ui::TMessage& message) {
  TSkinCommonData& data = *FCommonData;
  switch (CommandOf(message)) {
    case scPrepareSkin:
      PassToChildren(message);
      if (FromOwnManager(data, message)) CommonSkinCommand(message, data);
      return true;
    case scRemoveSkin:
      CommonSkinCommand(message, data);
      Invalidate();
      PassToChildren(message);
      return true;
    case scRefreshSkin:
      CommonSkinCommand(message, data);
      RedrawNow();
      PassToChildren(message);
      return true;
    case scIsSkinned:
      message.Result = 1;
      return true;
    case scGetSkinSection:
      message.Result = BevelSection() + 1;
      return true;
    case scGetBackground:
      AnswerBackground(message);
      return true;
    case scUpdateDone:
      UpdateDone();
      return true;
    case scPrepareCache:
      if (!data.Updating() && !PrepareCache()) data.FUpdating = true;
      return true;
    default:
      return false;
  }
}

void TSkinPanel::PaintBackground(HDC dc, const RECT& rect) {
  TSkinCommonData& data = *FCommonData;
  if (!data.Skinned()) {
    ui::TPanel::PaintBackground(dc, rect);
    return;
  }
  // A framework child that asks for what lies behind it gets the picture.
  if (data.BGChanged) PrepareCache();
  if (data.CacheValid()) {
    paint::ShowBitmap(dc, {rect.left, rect.top}, *data.FCacheBmp, paint::FromRECT(rect));
  } else {
    const platform::UniqueBrush brush(CreateSolidBrush(paint::ToColorRef(BgColor(data, 0))));
    FillRect(dc, &rect, brush.get());
  }
}

void TSkinPanel::WndProc(ui::TMessage& message) {
  TSkinCommonData& data = *FCommonData;
  if (!data.Skinned()) {
    ui::TPanel::WndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_SIZE:
      data.BGChanged = true;
      ui::TPanel::WndProc(message);
      if (data.BGChanged) Invalidate();
      return;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_PAINT:
      if (message.WParam != 0) {
        OurPaint(reinterpret_cast<HDC>(message.WParam), false);
      } else {
        const platform::PaintDc paint(Handle());
        if (!data.Updating()) OurPaint(paint.get(), true);
      }
      message.Result = 0;
      return;
    case WM_PRINT:
    case WM_PRINTCLIENT:
      data.FUpdating = false;
      data.HalfVisible = false;
      if (data.BGChanged) PrepareCache();
      OurPaint(reinterpret_cast<HDC>(message.WParam), false);
      return;
    case WM_WINDOWPOSCHANGING: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(message.LParam);
      if ((pos->flags & SWP_NOMOVE) == 0 && data.StateProps(0)->Transparency > 0) data.BGChanged = true;
      break;
    }
    case platform::CM_VISIBLECHANGED:
      data.BGChanged = true;
      data.FUpdating = false;
      if (message.WParam != 0 && !data.Updating()) PrepareCache();
      ui::TPanel::WndProc(message);
      if (message.WParam != 0) RepaintChildren(*this);
      return;
    case platform::CM_ENABLEDCHANGED:
      ui::TPanel::WndProc(message);
      Invalidate();
      return;
    case WM_SETFONT:
      ui::TPanel::WndProc(message);
      if (!Caption().empty()) data.Invalidate();
      return;
    case WM_SETTEXT:
      ui::TPanel::WndProc(message);
      data.Invalidate();
      return;
    default:
      break;
  }
  ui::TPanel::WndProc(message);
}

}  // namespace vorlan::skin
