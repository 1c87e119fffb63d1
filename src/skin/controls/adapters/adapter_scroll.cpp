#include "skin/controls/adapters/adapter_scroll.h"

#include <windowsx.h>

#include "paint/bitmap_gdi_win.h"
#include "paint/fills.h"
#include "platform/handle_win.h"
#include "skin/controls/base/window_queries.h"
#include "skin/controls/core/common_data_ops.h"
#include "skin/controls/core/hot_tracking.h"
#include "skin/data/skin_manager.h"
#include "skin/draw/image_entry.h"
#include "skin/draw/mask_image.h"
#include "skin/draw/section.h"

namespace vorlan::skin {
namespace {

constexpr UINT_PTR kScrollTimer = 0x5C01;
constexpr UINT kFirstRepeat = 400;  // ms before a held arrow or page repeats
constexpr UINT kRepeat = 50;
constexpr DWORD kScrollStyles = WS_HSCROLL | WS_VSCROLL;

bool SameInfo(const TSkScrollBar& a, const TSkScrollBar& b) {
  return a.Range.Min == b.Range.Min && a.Range.Max == b.Range.Max && a.Range.Page == b.Range.Page && a.Pos == b.Pos &&
         a.Enabled == b.Enabled;
}

int StepCode(TScrollPart part) {
  switch (part) {
    case TScrollPart::Arrow1:
      return SB_LINEUP;
    case TScrollPart::Arrow2:
      return SB_LINEDOWN;
    case TScrollPart::Page1:
      return SB_PAGEUP;
    case TScrollPart::Page2:
      return SB_PAGEDOWN;
    default:
      return -1;
  }
}

}  // namespace

TSkScrollWnd::TSkScrollWnd(HWND window, const TSkinParams& params, TSkinManager* manager, TSkinCommonData* data)
    : TSkMainWnd(window, params, manager, data) {}

TSkScrollWnd::~TSkScrollWnd() {
  if (FTracked != nullptr && IsWindow(FCtrlHandle)) KillTimer(FCtrlHandle, kScrollTimer);
  const bool hadBars = Installed() && (GetWindowLongPtrW(FCtrlHandle, GWL_STYLE) & kScrollStyles);
  Uninstall();
  // The platform takes its bars' space back.
  if (hadBars && IsWindow(FCtrlHandle)) SetWindowPos(FCtrlHandle, nullptr, 0, 0, 0, 0, kFrameChangedFlags);
}

std::unique_ptr<TSkinCommonData> TSkScrollWnd::InitSkinData() {
  return std::make_unique<TSkinScrollWndData>(FControl, true);
}

void TSkScrollWnd::AfterCreation() {
  ReadScrollInfo();
  fLeftScrollbar = (GetWindowLongPtrW(FCtrlHandle, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  TSkMainWnd::AfterCreation();
  ScrollsInitialized = true;
  // The bars' space is taken at once, not at the next change of the frame.
  if (GetWindowLongPtrW(FCtrlHandle, GWL_STYLE) & kScrollStyles) {
    SetWindowPos(FCtrlHandle, nullptr, 0, 0, 0, 0, kFrameChangedFlags);
  }
}

std::int32_t TSkScrollWnd::Thickness(bool vertical) const {
  const std::int32_t own = vertical ? Params().VertScrollSize : Params().HorzScrollSize;
  if (own >= 0) return own;
  if (const TSkinManager* manager = FSkinData->SkinManager(); manager && manager->ScrollsOptions().ScrollSize >= 0) {
    return manager->ScrollsOptions().ScrollSize;
  }
  return GetSystemMetrics(vertical ? SM_CXVSCROLL : SM_CYHSCROLL);
}

std::int32_t TSkScrollWnd::ButtonSize(bool vertical) const {
  const std::int32_t own = vertical ? Params().VertScrollBtnSize : Params().HorzScrollBtnSize;
  if (own >= 0) return own;
  if (const TSkinManager* manager = FSkinData->SkinManager(); manager && manager->ScrollsOptions().ButtonsSize >= 0) {
    return manager->ScrollsOptions().ButtonsSize;
  }
  return GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL);
}

TScrollBarLayout TSkScrollWnd::Layout(const TSkScrollBar& bar) const {
  const std::int32_t pos = fThumbTracking && FTracked == &bar ? bar.TrackPos : bar.Pos;
  return LayoutScrollBar(paint::FromRECT(bar.Rect), bar.Vertical, ButtonSize(bar.Vertical), bar.Range, pos);
}

void TSkScrollWnd::ReadScrollInfo() {
  for (TSkScrollBar* bar : {&FHorz, &FVert}) {
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    if (GetScrollInfo(FCtrlHandle, bar->Vertical ? SB_VERT : SB_HORZ, &si)) {
      bar->Range = TScrollRange{si.nMin, si.nMax, si.nPage};
      bar->Pos = si.nPos;
      if (!fThumbTracking || FTracked != bar) bar->TrackPos = si.nTrackPos;
    } else {
      bar->Range = TScrollRange{};
      bar->Pos = 0;
    }
    SCROLLBARINFO sbi{};
    sbi.cbSize = sizeof(sbi);
    bar->Enabled = !GetScrollBarInfo(FCtrlHandle, bar->Vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &sbi) ||
                   (sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
  }
}

POINT TSkScrollWnd::ToWindow(POINT screen) const {
  RECT w{};
  GetWindowRect(FCtrlHandle, &w);
  return POINT{screen.x - w.left, screen.y - w.top};
}

void TSkScrollWnd::WithoutScrollStyles(ui::TMessage& message) {
  const LONG_PTR style = GetWindowLongPtrW(FCtrlHandle, GWL_STYLE);
  const LONG_PTR bars = style & kScrollStyles;
  if (bars == 0) {
    CallPrevWndProc(message);
    return;
  }
  bPreventStyleChange = true;
  SetWindowLongPtrW(FCtrlHandle, GWL_STYLE, style & ~bars);
  CallPrevWndProc(message);
  if (IsWindow(FCtrlHandle))
    SetWindowLongPtrW(FCtrlHandle, GWL_STYLE, GetWindowLongPtrW(FCtrlHandle, GWL_STYLE) | bars);
  bPreventStyleChange = false;
}

void TSkScrollWnd::skWndProc(ui::TMessage& message) {
  if (CommonPart(message)) return;
  if (!Active() || !FSkinData->Skinned()) {
    CallPrevWndProc(message);
    return;
  }
  if (ScrollMessage(message)) return;
  CallPrevWndProc(message);
  switch (message.Msg) {
    case WM_PAINT:
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_ERASEBKGND:
    case WM_CTLCOLORSCROLLBAR:
      return;
    default:
      break;
  }
  if (FDestroyed || !IsWindow(FCtrlHandle)) return;
  // The window moves its own bars (a new line, a key): the platform may have
  // drawn its bar; the skin's goes over it again.
  const TSkScrollBar horz = FHorz, vert = FVert;
  ReadScrollInfo();
  if ((!SameInfo(horz, FHorz) || !SameInfo(vert, FVert)) && IsWindowVisible(FCtrlHandle)) {
    const platform::WholeWindowDc dc(FCtrlHandle);
    PaintBars(dc.get());
  }
}

bool TSkScrollWnd::ScrollMessage(ui::TMessage& message) {
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      CalcSize(message);
      return true;
    case WM_NCHITTEST: {
      if (ActiveControl(FSkinData->SkinManager()) != FCtrlHandle && IsWindowEnabled(FCtrlHandle)) {
        SetActiveControl(FSkinData->SkinManager(), FCtrlHandle);
      }
      const LRESULT hit = HitTest(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
      if (hit < 0) return false;
      message.Result = hit;
      return true;
    }
    case WM_NCPAINT:
      NcPaint(message);
      return true;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (message.WParam != HTVSCROLL && message.WParam != HTHSCROLL) return false;
      StartTracking(message.WParam == HTVSCROLL ? FVert : FHorz,
                    ToWindow(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)}));
      message.Result = 0;
      return true;
    case WM_NCMOUSEMOVE:
      return HotTrack(message);
    case WM_NCMOUSELEAVE:
      SetHotPart(nullptr, TScrollPart::None);
      return false;
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
    case WM_NCMBUTTONDBLCLK:
      if (message.WParam != HTVSCROLL && message.WParam != HTHSCROLL) return false;
      message.Result = 0;
      return true;
    case WM_MOUSEMOVE:
      if (FTracked == nullptr) {
        SetHotPart(nullptr, TScrollPart::None);  // in the client area: off the bars
        return false;
      }
      Track(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
      message.Result = 0;
      return true;
    case WM_LBUTTONUP:
      if (FTracked == nullptr) return false;
      EndTracking(true);
      message.Result = 0;
      return true;
    case WM_CAPTURECHANGED:
      if (FTracked != nullptr && reinterpret_cast<HWND>(message.LParam) != FCtrlHandle) EndTracking(false);
      return false;
    case WM_TIMER:
      if (message.WParam != kScrollTimer) return false;
      Step();
      if (FTracked != nullptr) SetTimer(FCtrlHandle, kScrollTimer, kRepeat, nullptr);
      message.Result = 0;
      return true;
    case WM_SYSCOMMAND:
      if ((message.WParam & 0xFFF0) != SC_VSCROLL && (message.WParam & 0xFFF0) != SC_HSCROLL) return false;
      message.Result = 0;
      return true;
    case WM_STYLECHANGED:
      if (bPreventStyleChange) return false;
      CallPrevWndProc(message);
      fLeftScrollbar = (GetWindowLongPtrW(FCtrlHandle, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
      ReadScrollInfo();
      return true;
    default:
      return false;
  }
}

void TSkScrollWnd::CalcSize(ui::TMessage& message) {
  auto* r = message.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam)->rgrc[0]
                           : reinterpret_cast<RECT*>(message.LParam);
  if (r == nullptr) {
    CallPrevWndProc(message);
    return;
  }
  const RECT window = *r;
  WithoutScrollStyles(message);
  cxLeftEdge = r->left - window.left;
  cyTopEdge = r->top - window.top;
  cxRightEdge = window.right - r->right;
  cyBottomEdge = window.bottom - r->bottom;
  const LONG_PTR style = GetWindowLongPtrW(FCtrlHandle, GWL_STYLE);
  const std::int32_t h = Thickness(false);
  const std::int32_t w = Thickness(true);
  FHorz.fScrollVisible = (style & WS_HSCROLL) && r->bottom - r->top >= h;
  if (FHorz.fScrollVisible) r->bottom -= h;
  FVert.fScrollVisible = (style & WS_VSCROLL) && r->right - r->left >= w;
  if (FVert.fScrollVisible) {
    if (fLeftScrollbar) {
      r->left += w;
    } else {
      r->right -= w;
    }
  }
  // The bars in window coordinates, beside the client rectangle.
  const RECT c{r->left - window.left, r->top - window.top, r->right - window.left, r->bottom - window.top};
  FHorz.Rect = FHorz.fScrollVisible ? RECT{c.left, c.bottom, c.right, c.bottom + h} : RECT{};
  FVert.Rect = !FVert.fScrollVisible ? RECT{}
               : fLeftScrollbar      ? RECT{c.left - w, c.top, c.left, c.bottom}
                                     : RECT{c.right, c.top, c.right + w, c.bottom};
}

LRESULT TSkScrollWnd::HitTest(POINT screen) {
  const POINT p = ToWindow(screen);
  for (const TSkScrollBar* bar : {&FVert, &FHorz}) {
    if (bar->fScrollVisible && PtInRect(&bar->Rect, p)) {
      if (!bar->Enabled) return HTNOWHERE;
      return bar->Vertical ? HTVSCROLL : HTHSCROLL;
    }
  }
  if (FVert.fScrollVisible && FHorz.fScrollVisible) {
    const RECT corner{FVert.Rect.left, FHorz.Rect.top, FVert.Rect.right, FHorz.Rect.bottom};
    if (PtInRect(&corner, p) && (GetWindowLongPtrW(FCtrlHandle, GWL_STYLE) & WS_THICKFRAME)) return HTBOTTOMRIGHT;
  }
  return -1;
}

void TSkScrollWnd::NcPaint(ui::TMessage& message) {
  if (!ScrollsInitialized) {
    ScrollsInitialized = true;
    SetWindowPos(FCtrlHandle, nullptr, 0, 0, 0, 0, kFrameChangedFlags);
  }
  WithoutScrollStyles(message);
  if (FDestroyed || !IsWindowVisible(FCtrlHandle) || FSkinData->FUpdating) return;
  const platform::WholeWindowDc dc(FCtrlHandle);
  PaintBars(dc.get());
  PaintFrame(dc.get());
}

void TSkScrollWnd::PaintBars(HDC windowDc) {
  if (windowDc == nullptr) return;
  for (const TSkScrollBar* bar : {&FHorz, &FVert}) {
    if (bar->fScrollVisible) PaintBar(windowDc, *bar);
  }
  if (FHorz.fScrollVisible && FVert.fScrollVisible) {
    const RECT corner{FVert.Rect.left, FHorz.Rect.top, FVert.Rect.right, FHorz.Rect.bottom};
    paint::TBitmap32 box(corner.right - corner.left, corner.bottom - corner.top);
    if (box.Empty()) return;
    paint::FillRect32(box, box.Bounds(), paint::ResolveColor(BgColor(*FSkinData, 0)), 255);
    paint::ShowBitmap(windowDc, {corner.left, corner.top}, box);
  }
}

void TSkScrollWnd::PaintBar(HDC windowDc, const TSkScrollBar& bar) {
  const TSkinManager* manager = FSkinData->SkinManager();
  const TLoadedSkin* skin = PaintingSkin(manager);
  const int width = bar.Rect.right - bar.Rect.left;
  const int height = bar.Rect.bottom - bar.Rect.top;
  if (manager == nullptr || skin == nullptr || width <= 0 || height <= 0) return;
  paint::TBitmap32 bmp(width, height);
  paint::TCacheInfo parent;
  parent.FillColor = paint::ResolveColor(BgColor(*FSkinData, 0));
  paint::FillRect32(bmp, bmp.Bounds(), parent.FillColor, 255);
  // The parts relative to the bar's own picture.
  TSkScrollBar local = bar;
  local.Rect = RECT{0, 0, width, height};
  const TScrollBarLayout layout = Layout(local);
  const bool tracked = FTracked == &bar;
  const auto stateOf = [&](TScrollPart part) {
    if (!bar.Enabled) return 0;
    if (tracked && FTrackPart == part && (FOverPart || part == TScrollPart::Thumb)) return 2;
    return FTracked == nullptr && FHotBar == &bar && FHotPart == part ? 1 : 0;
  };
  const TConstantSkinData& c = manager->ConstData;
  const auto paintPart = [&](const TSkConstElementData& e, const paint::TRect& r, int state, bool glyph) {
    if (r.IsEmpty()) return;
    PaintSectionSimple(*skin, e.SkinIndex, e.MaskIndex, e.BGIndex[0], bmp, {0, 0}, r, state, parent);
    if (!glyph) return;
    const TImageEntry image = SkinImage(*skin, e.GlyphIndex);
    if (!image) return;
    const paint::TPoint at{r.Left + (r.Width() - image.FrameWidth()) / 2,
                           r.Top + (r.Height() - image.FrameHeight()) / 2};
    PaintMaskImage(bmp, at, state, parent, image, bar.Enabled ? kMaskImageNormal : 0, r);
  };
  const bool v = bar.Vertical;
  paintPart(c.Scrolls[v ? asTop : asLeft], layout.Track, 0, false);
  // The half of the track held down for paging looks pressed.
  if (tracked && FOverPart && (FTrackPart == TScrollPart::Page1 || FTrackPart == TScrollPart::Page2) &&
      !layout.Thumb.IsEmpty()) {
    const paint::TRect& t = layout.Track;
    const paint::TRect& th = layout.Thumb;
    const paint::TRect half = FTrackPart == TScrollPart::Page1 ? (v ? paint::TRect{t.Left, t.Top, t.Right, th.Top}
                                                                    : paint::TRect{t.Left, t.Top, th.Left, t.Bottom})
                                                               : (v ? paint::TRect{t.Left, th.Bottom, t.Right, t.Bottom}
                                                                    : paint::TRect{th.Right, t.Top, t.Right, t.Bottom});
    paintPart(c.Scrolls[v ? asBottom : asRight], half, 2, false);
  }
  paintPart(c.ScrollBtns[v ? asTop : asLeft], layout.Arrow1, stateOf(TScrollPart::Arrow1), true);
  paintPart(c.ScrollBtns[v ? asBottom : asRight], layout.Arrow2, stateOf(TScrollPart::Arrow2), true);
  paintPart(c.Sliders[v ? 1 : 0], layout.Thumb, stateOf(TScrollPart::Thumb), false);
  paint::ShowBitmap(windowDc, {bar.Rect.left, bar.Rect.top}, bmp);
}

void TSkScrollWnd::StartTracking(TSkScrollBar& bar, POINT window) {
  ReadScrollInfo();
  const TScrollBarLayout layout = Layout(bar);
  const TScrollPart part = ScrollPartAt(layout, {window.x, window.y});
  if (part == TScrollPart::None || !bar.Enabled) return;
  FTracked = &bar;
  FTrackPart = part;
  FOverPart = true;
  SetCapture(FCtrlHandle);
  if (part == TScrollPart::Thumb) {
    fThumbTracking = true;
    bar.TrackPos = bar.Pos;
    FGrab = bar.Vertical ? window.y - layout.Thumb.Top : window.x - layout.Thumb.Left;
  } else {
    Step();
    SetTimer(FCtrlHandle, kScrollTimer, kFirstRepeat, nullptr);
  }
  const platform::WholeWindowDc dc(FCtrlHandle);
  PaintBars(dc.get());
}

bool TSkScrollWnd::HotTrack(ui::TMessage& message) {
  if (message.WParam != HTVSCROLL && message.WParam != HTHSCROLL) {
    SetHotPart(nullptr, TScrollPart::None);
    return false;
  }
  const TSkScrollBar& bar = message.WParam == HTVSCROLL ? FVert : FHorz;
  const POINT p = ToWindow(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
  SetHotPart(&bar, ScrollPartAt(Layout(bar), {p.x, p.y}));
  message.Result = 0;
  return true;
}

void TSkScrollWnd::SetHotPart(const TSkScrollBar* bar, TScrollPart part) {
  if (bar == nullptr || !bar->Enabled) part = TScrollPart::None;
  if (part == TScrollPart::None) bar = nullptr;
  if (bar == FHotBar && part == FHotPart) return;
  FHotBar = bar;
  FHotPart = part;
  // The system tells when the mouse leaves the frame.
  if (bar != nullptr) {
    TRACKMOUSEEVENT leave{sizeof(leave), TME_LEAVE | TME_NONCLIENT, FCtrlHandle, 0};
    TrackMouseEvent(&leave);
  }
  if (!IsWindowVisible(FCtrlHandle)) return;
  const platform::WholeWindowDc dc(FCtrlHandle);
  PaintBars(dc.get());
}

void TSkScrollWnd::Step() {
  if (FTracked == nullptr || !FOverPart) return;
  const int code = StepCode(FTrackPart);
  if (code < 0) return;
  // A page step stops once the thumb has reached the pointer.
  if (FTrackPart == TScrollPart::Page1 || FTrackPart == TScrollPart::Page2) {
    POINT cursor{};
    GetCursorPos(&cursor);
    const POINT p = ToWindow(cursor);
    if (ScrollPartAt(Layout(*FTracked), {p.x, p.y}) != FTrackPart) return;
  }
  SendMessageW(FCtrlHandle, FTracked->Vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, 0), 0);
  if (FDestroyed) return;
  ReadScrollInfo();
  const platform::WholeWindowDc dc(FCtrlHandle);
  PaintBars(dc.get());
}

void TSkScrollWnd::Track(POINT client) {
  POINT screen = client;
  ClientToScreen(FCtrlHandle, &screen);
  const POINT p = ToWindow(screen);
  TSkScrollBar& bar = *FTracked;
  const TScrollBarLayout layout = Layout(bar);
  if (fThumbTracking) {
    const std::int32_t along = bar.Vertical ? p.y - layout.Track.Top : p.x - layout.Track.Left;
    const std::int32_t pos = ScrollPositionAt(layout, bar.Range, along - FGrab);
    if (pos == bar.TrackPos) return;
    bar.TrackPos = pos;
    SendThumb(bar, SB_THUMBTRACK);
  } else {
    const bool over = ScrollPartAt(layout, {p.x, p.y}) == FTrackPart;
    if (over == FOverPart) return;
    FOverPart = over;
  }
  if (FDestroyed) return;
  const platform::WholeWindowDc dc(FCtrlHandle);
  PaintBars(dc.get());
}

void TSkScrollWnd::SendThumb(const TSkScrollBar& bar, int code) {
  // Controls read the thumb's place from the bar's tracking position, not
  // from the message; outside the platform's own tracking that is the bar's
  // position, so the bar is put there first (without drawing the platform's).
  SetScrollPos(FCtrlHandle, bar.Vertical ? SB_VERT : SB_HORZ, bar.TrackPos, FALSE);
  SendMessageW(FCtrlHandle, bar.Vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, bar.TrackPos), 0);
}

void TSkScrollWnd::EndTracking(bool release) {
  TSkScrollBar* bar = FTracked;
  if (bar == nullptr) return;
  FTracked = nullptr;  // ReleaseCapture below comes back as WM_CAPTURECHANGED
  KillTimer(FCtrlHandle, kScrollTimer);
  const UINT msg = bar->Vertical ? WM_VSCROLL : WM_HSCROLL;
  if (fThumbTracking) {
    fThumbTracking = false;
    SendThumb(*bar, SB_THUMBPOSITION);
  }
  if (!FDestroyed) SendMessageW(FCtrlHandle, msg, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
  FTrackPart = TScrollPart::None;
  if (release && GetCapture() == FCtrlHandle) ReleaseCapture();
  if (FDestroyed) return;
  ReadScrollInfo();
  const platform::WholeWindowDc dc(FCtrlHandle);
  PaintBars(dc.get());
}

}  // namespace vorlan::skin
