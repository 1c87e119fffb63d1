#include <windows.h>
// (need windows.h before them)
#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "paint/bitmap_gdi_win.h"
#include "skin/controls/adapters/adapter_scroll.h"
#include "skin/controls/base/running_animations.h"
#include "skin/controls/base/skin_flags.h"
#include "skin/controls/base/window_queries.h"
#include "skin/controls/core/child_messaging.h"
#include "skin/controls/core/child_painting.h"
#include "skin/controls/core/common_data_ops.h"
#include "skin/controls/core/common_handlers.h"
#include "skin/controls/core/font_owner.h"
#include "skin/controls/provider/adapter_list.h"
#include "skin/controls/provider/desktop_manager.h"
#include "skin/controls/provider/skin_provider.h"
#include "skin/controls/provider/window_animation.h"
#include "skin/data/skin_commands.h"
#include "skin/draw/form_region.h"

namespace vorlan::skin {
namespace {

// How long the end of the session waits for running animations: far more
// than any fade takes, far less than the system allows for the answer.
constexpr std::chrono::milliseconds kEndingWait{2000};

// Posted to the form when its scroll-bar adapter has left: the adapter is
// freed when it is surely no longer inside a message of the window.
UINT FreeRetiredAdapterMessage() {
  static const UINT message = RegisterWindowMessageW(L"VorlanTV.FreeRetiredAdapter");
  return message;
}

// Whether the thread is inside a menu's own message loop.
bool MenuOpen() {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetCurrentThreadId(), &info) && (info.flags & GUI_INMENUMODE);
}

}  // namespace

void TSkinProvider::NewWndProc(ui::TMessage& message, const ui::TPassOn& oldWndProc) {
  if (message.Msg == FreeRetiredAdapterMessage() && message.Msg != 0) {
    retired_scroll_.reset();
    return;
  }
  if (message.Msg == SM_ALPHACMD && SkinCommand(message, oldWndProc)) return;
  if (form_.IsDestroying() || !FCommonData->Skinned()) {
    // Pass-through: the platform draws the window.
    if (message.Msg == SM_ALPHACMD && ReducedSkinCommand(message)) return;
    oldWndProc(message);
    if (message.Msg == WM_SHOWWINDOW && !message.WParam && FCommonData->FCacheBmp) FCommonData->FCacheBmp.reset();
    return;
  }
  SkinnedMessage(message, oldWndProc);
}

// First stage: runs for every skin command, skinned or not; true = consumed.
bool TSkinProvider::SkinCommand(ui::TMessage& message, const ui::TPassOn&) {
  const TSkinManager* manager = FCommonData->SkinManager();
  const bool ours = manager && PayloadOf<scPrepareSkin>(message) == manager;
  switch (CommandOf(message)) {
    case scPrepareSkin:
      if (!form_.IsDestroying() && ours && !icons_taken_) PrepareForm();
      return false;
    case scRemoveSkin:
      if (ours) {
        RemoveSkin(message);
      } else if (form_.HandleAllocated()) {
        BroadcastToChildControls(form_, message);
      }
      return true;
    case scIsSkinned:
      message.Result = 1;
      return true;
    case scGetBackground:
      if (!FCommonData->Skinned() || !message.LParam) return false;
      AnswerBackground(*PayloadOf<scGetBackground>(message));
      return true;
    case scGetCtrlState:
    case scGetApplication:
      return CommonSkinCommand(message, *FCommonData);
    case scGetClientOffset: {
      const TFrameGeometry g = Geometry();
      message.Result = MAKELONG(g.OffsetX, g.OffsetY);
      return true;
    }
    default:
      return false;
  }
}

// The commands a provider in pass-through mode still answers.
bool TSkinProvider::ReducedSkinCommand(ui::TMessage& message) {
  switch (CommandOf(message)) {
    case scPrepareSkin:
      // A new skin starts with nothing paused by the one removed before it.
      FCommonData->FUpdating = false;
      FCommonData->UpdateIndexes();
      PrepareForm();
      FCommonData->BGChanged = true;
      message.Result = 1;
      return true;
    case scGetProvider:
      SetAnswer<scGetProvider>(message, this);
      return true;
    case scPrepareCache:
      FCommonData->BGChanged = false;
      return true;
    default:
      return false;
  }
}

void TSkinProvider::RemoveSkin(ui::TMessage& message) {
  TSkinScrollWndData& data = *FCommonData;
  // Nothing of the skin stays on the screen or in the window's chain: a
  // title fade, the form's scroll-bar adapter (freed once this message is
  // over: it may be the one passing it on), the desktop's transitions.
  KillAnimations();
  if (ListSW) {
    ListSW->Uninstall();
    retired_scroll_ = std::move(ListSW);
    if (form_.HandleAllocated()) PostMessageW(form_.Handle(), FreeRetiredAdapterMessage(), 0, 0);
  }
  if (form_.HandleAllocated()) SetWindowTransitions(form_.Handle(), false);
  // The data's own part: indexes gone, picture emptied, painting paused.
  CommonSkinCommand(message, data);
  FTitleSkinIndex = FCaptionSkinIndex = FHeaderIndex = -1;
  if (form_.HandleAllocated()) BroadcastToChildControls(form_, message);
  data.FCacheBmp.reset();
  data.BGChanged = true;
  TempBmp = paint::TBitmap32();
  if (form_.IsDestroying() || !form_.HandleAllocated()) return;
  const HWND window = form_.Handle();
  if (icons_taken_) {
    SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | (form_icons_ & WS_SYSMENU));
    icons_taken_ = false;
  }
  if (region_set_) {
    SetWindowRgn(window, nullptr, FALSE);
    region_set_ = false;
  }
  RgnChanged = true;
  if (UseGlobalColor && !data.FCustomColor) form_.SetColor(ui::clBtnFace);
  SetWindowPos(window, nullptr, 0, 0, 0, 0, kFrameChangedFlags);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// The form's answer to a child's background request: its picture, with the
// client origin added so that a child's position in the client area
// addresses the right pixels of the whole-window picture. A drawing request
// keeps the asker's own offset inside the client area.
void TSkinProvider::AnswerBackground(TSkBgRequest& request) {
  const POINT asker = request.Offset;
  request.Offset = POINT{};
  TSkinScrollWndData& data = *FCommonData;
  if (data.BGChanged && !data.FUpdating) PaintAll();
  const TFrameGeometry g = Geometry();
  if (request.PleaseDraw) request.Offset = POINT{g.OffsetX + asker.x, g.OffsetY + asker.y};
  const TSkinGeneralData* section = data.Section();
  AnswerBgRequest(data, request, std::min(FormActive ? 1 : 0, section ? section->States - 1 : 0));
  if (request.BgType == btCache && !request.PleaseDraw && !request.Bmp) {
    PaintAll();
    request.Bmp = data.FCacheBmp.get();
  }
  if (request.PleaseDraw) {
    request.Offset = POINT{g.OffsetX, g.OffsetY};
  } else {
    request.Offset = POINT{request.Offset.x + g.OffsetX, request.Offset.y + g.OffsetY};
  }
}

void TSkinProvider::SkinnedMessage(ui::TMessage& message, const ui::TPassOn& oldWndProc) {
  TSkinScrollWndData& data = *FCommonData;
  switch (message.Msg) {
    case SM_ALPHACMD:
      message.Result = 0;
      SkinnedCommand(message);
      return;
    case ui::CM_SHOWINGCHANGED:
      HandleShowingChanged(message, oldWndProc);
      return;
    case ui::CM_VISIBLECHANGED:
      HandleVisibleChanged(message, oldWndProc);
      return;
    case WM_WINDOWPOSCHANGING:
      HandleWindowPosChanging(message, oldWndProc);
      return;
    case WM_WINDOWPOSCHANGED:
      HandleWindowPosChanged(message, oldWndProc);
      return;
    case WM_CLOSE:
      HandleClose(message, oldWndProc);
      return;
    case WM_NCCREATE:
    case WM_CREATE:
      oldWndProc(message);
      PrepareForm();
      return;
    case WM_NCPAINT:
      HandleNcPaint(message);
      return;
    case WM_NCACTIVATE:
      HandleNcActivate(message, oldWndProc);
      return;
    case WM_SETTEXT:
      HandleSetText(message, oldWndProc);
      return;
    case WM_SETICON:
      data.BGChanged = true;
      WithRedrawSuspended(message, oldWndProc);
      return;
    case ui::CM_ENABLEDCHANGED:
      HandleEnabledChanged(message, oldWndProc);
      return;
    case WM_ERASEBKGND:
      HandleEraseBkgnd(message, oldWndProc);
      return;
    case WM_PAINT:
      HandlePaint(message, oldWndProc);
      return;
    case WM_PRINT:
      HandlePrint(message, oldWndProc);
      return;
    case WM_PRINTCLIENT:
      message.Result = 0;
      return;
    case ui::CM_QUERYBACKGROUND: {
      // An unskinned child asks for what lies behind it: the form's picture.
      const auto* query = reinterpret_cast<const ui::TBackgroundQuery*>(message.LParam);
      if (data.BGChanged && !data.FUpdating) PaintAll();
      if (!CacheValid()) break;
      const TFrameGeometry g = Geometry();
      const RECT& r = query->Rect;
      paint::ShowBitmap(query->Dc, paint::TPoint{r.left, r.top}, *data.FCacheBmp,
                        paint::MakeRect(g.OffsetX + query->Offset.x + r.left, g.OffsetY + query->Offset.y + r.top,
                                        r.right - r.left, r.bottom - r.top));
      message.Result = 1;
      return;
    }
    case WM_SIZE:
      HandleSize(message, oldWndProc);
      return;
    case WM_SHOWWINDOW:
      oldWndProc(message);
      // The picture stays until the hide effect has taken its snapshot.
      if (!message.WParam) KillAnimations();
      return;
    case WM_GETMINMAXINFO: {
      const TFrameGeometry g = Geometry();
      if (g.B > 0 && !(GetWindowLongPtrW(form_.Handle(), GWL_STYLE) & WS_CHILD)) {
        auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
        MONITORINFO monitor{sizeof(MONITORINFO), {}, {}, 0};
        GetMonitorInfoW(MonitorFromWindow(form_.Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
        const RECT& work = monitor.rcWork;
        const RECT& whole = monitor.rcMonitor;
        info->ptMaxPosition = POINT{work.left - whole.left - g.B, work.top - whole.top - g.B};
        info->ptMaxSize = POINT{work.right - work.left + 2 * g.B, work.bottom - work.top + 2 * g.B};
      }
      oldWndProc(message);
      return;
    }
    case WM_SETTINGCHANGE:
      data.BGChanged = true;
      oldWndProc(message);
      return;
    case WM_NCHITTEST:
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_MOUSELEAVE:
    case WM_SYSCOMMAND:
    case kTaskbarSysMenuRequest:
      if (HandleTitleMessage(message, oldWndProc)) return;
      break;
    case WM_MOVE:
      KillAnimations();
      UpdateDisabledOverlay();
      break;
    case WM_QUERYENDSESSION:
      // The session may end soon after: the animations play out first, and
      // a hide effect still running after that is finished at once.
      SetSystemEnding(true);
      LetSkinAnimationsEnd(kEndingWait);
      FinishHideAnimation();
      break;
    case WM_ENDSESSION:
      if (!message.WParam) SetSystemEnding(false);  // another program refused
      break;
    case WM_PARENTNOTIFY:
      oldWndProc(message);
      if (LOWORD(message.WParam) == WM_CREATE) PostControlAdded(form_.Handle());
      return;
    case WM_NOTIFY:
      oldWndProc(message);
      // A tab page shown for the first time may bring new controls.
      if (const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
          header && header->code == TCN_SELCHANGE) {
        PostControlAdded(form_.Handle());
      }
      return;
    default:
      break;
  }
  oldWndProc(message);
}

// Second-stage commands: every skin command the skinned form did not consume
// in the first stage ends here.
void TSkinProvider::SkinnedCommand(ui::TMessage& message) {
  TSkinScrollWndData& data = *FCommonData;
  switch (CommandOf(message)) {
    case scPrepareSkin:
      if (FromOwnManager(data, message)) {
        PrepareForm();
        TempBmp = paint::TBitmap32();
        FGlow1 = FGlow2 = TMask8();
        KillAnimations();
        if (form_.HandleAllocated() && IsWindowVisible(form_.Handle())) RedrawFrame();
      }
      break;
    case scRefreshSkin:
      if (!FromOwnManager(data, message)) break;
      RgnChanged = true;
      if (form_.HandleAllocated() && IsWindowVisible(form_.Handle())) {
        data.BGChanged = true;
        data.FUpdating = false;
        if (UseGlobalColor && !data.FCustomColor && data.SkinManager()) {
          form_.SetColor(data.SkinManager()->GetGlobalColor());
        }
        RedrawWindow(form_.Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
      }
      break;
    case scGetProvider:
      SetAnswer<scGetProvider>(message, this);
      break;
    case scUpdateDone:
      if (data.FUpdating) {
        data.FUpdating = false;
        RedrawFrame();
      }
      break;
    case scSetUpdating:
      data.FUpdating = LowWordOf(message) == 1;
      if (data.FUpdating) data.BGChanged = true;
      break;
    case scIsNotReady:
      message.Result = data.FUpdating && !FInAnimation && !AnimationInProgress() ? 1 : 0;
      break;
    case scBgChanged:
      data.BGChanged = true;
      break;
    case scChildMoved: {
      const TSkinGeneralData* s = data.Section();
      const TSkinManager* manager = data.SkinManager();
      const bool fillsCentre = manager && manager->IsValidImgIndex(data.BorderIndex) &&
                               (manager->Skin.ma[static_cast<std::size_t>(data.BorderIndex)].DrawMode & 4);
      message.Result = s && (s->Props[0].ImagePercent + s->Props[0].GradientPercent > 0 || fillsCentre);
      break;
    }
    case scGetBgColor:
      message.Result = static_cast<LRESULT>(static_cast<std::uint32_t>(BgColor(data, 0)));
      break;
    case scPrepareCache:
      if (data.BGChanged && !FInAnimation) PaintAll();
      break;
    case scControlAdded:
      // A control announced itself, or a child window was made: scan
      // for what is to be adapted.
      if (Adapter) Adapter->AddAllItems();
      break;
    case scMouseLeave:
      SetHotHT(0, true);
      ClearButtonPressed();
      break;
    default:
      FormCommand(message);
      break;
  }
}

// Second-stage commands that only a form answers.
void TSkinProvider::FormCommand(ui::TMessage& message) {
  TSkinScrollWndData& data = *FCommonData;
  switch (CommandOf(message)) {
    case scChildMoveStarts:
    case scChildMoveEnds: {
      // Only a background that shows through children needs the repaint.
      if (!form_.HandleAllocated() || !SendMessageW(form_.Handle(), SM_ALPHACMD, MakeSkinWParam(scChildMoved), 0))
        break;
      const bool starts = CommandOf(message) == scChildMoveStarts;
      SendMessageW(form_.Handle(), WM_SETREDRAW, starts ? FALSE : TRUE, 0);
      if (!starts) {
        RedrawWindow(form_.Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
      }
      break;
    }
    case scRepaintFrameNow:
      if (message.LParam == 1) data.BGChanged = true;
      RedrawFrame();
      break;
    case scSetKeptFlag:
      KeptFlag = message.LParam == 1;
      break;
    case scGetKeptFlag:
      message.Result = KeptFlag ? 1 : 0;
      break;
    case scSetTransparency:
      SetTransparency(static_cast<std::uint8_t>(std::clamp<LPARAM>(message.LParam, 0, 255)));
      break;
    case scGetFontOwner:
      if (TFontOwnerQuery* query = PayloadOf<scGetFontOwner>(message)) {
        const std::int32_t owner = FontOwnerAt(query->R);
        if (owner >= 0) {
          query->SkinIndex = owner;
          message.Result = 1;
        }
      }
      break;
    case scGetBorderWidth:
      message.Result = FrameEdgeWidth(message.LParam);
      break;
    default:
      break;
  }
}

bool TSkinProvider::CacheValid() const {
  const TSkinScrollWndData& data = *FCommonData;
  if (data.BGChanged || !data.FCacheBmp || data.FCacheBmp->Empty()) return false;
  const TFrameGeometry g = Geometry();
  return data.FCacheBmp->Width() == g.W && data.FCacheBmp->Height() == g.H;
}

bool TSkinProvider::PaintingAllowed() const {
  return form_.HandleAllocated() && !form_.IsDestroying() && IsWindowVisible(form_.Handle()) &&
         !FCommonData->FUpdating && !RgnChanging;
}

// The window's shape is always the skin's, a full rectangle too: a composing
// desktop draws its own frame for a captioned window that has no region.
void TSkinProvider::UpdateRegion() {
  if (!RgnChanged || RgnChanging) return;
  const TFrameGeometry g = Geometry();
  // A borderless window keeps its own shape; an open menu would close.
  if (g.B <= 0 || MenuOpen()) return;
  RgnChanged = false;
  const TSkinManager* manager = FCommonData->SkinManager();
  const HWND window = form_.Handle();
  ArOR.clear();
  if (manager) {
    const std::int32_t titleBorder = manager->IsValidSkinIndex(FTitleSkinIndex)
                                         ? manager->Skin.gd[static_cast<std::size_t>(FTitleSkinIndex)].BorderIndex
                                         : -1;
    ArOR = CornerCutouts(manager->Skin, FCommonData->BorderIndex, titleBorder, g.W, g.H);
  }
  RgnChanging = true;
  const ui::TSizeConstraints& limits = form_.Constraints();
  const bool unconstrained =
      limits.MinWidth == 0 && limits.MinHeight == 0 && limits.MaxWidth == 0 && limits.MaxHeight == 0;
  platform::UniqueRegion region;
  if (IsZoomed(window) && unconstrained) {
    // Maximised over the work area: the frame lies beyond the screen's edges.
    region.reset(CreateRectRgn(g.B, g.B, g.W - g.B, g.H - g.B));
  } else {
    region.reset(CreateRectRgn(0, 0, g.W, g.H));
    for (const paint::TRect& r : ArOR) {
      const platform::UniqueRegion cut(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
      CombineRgn(region.get(), region.get(), cut.get(), RGN_DIFF);
    }
  }
  // The system owns the region once it is set.
  if (SetWindowRgn(window, region.get(), FALSE)) {
    region.release();
    region_set_ = true;
  }
  RgnChanging = false;
}

void TSkinProvider::HandleNcPaint(ui::TMessage& message) {
  message.Result = 0;
  if (!PaintingAllowed()) return;
  if (IsIconic(form_.Handle())) FCommonData->BGChanged = true;
  UpdateRegion();
  RedrawFrame();
}

void TSkinProvider::RedrawFrame() {
  if (!PaintingAllowed()) return;
  if (!CacheValid()) PaintAll();
  if (!CacheValid()) return;
  const platform::WholeWindowDc dc(form_.Handle());
  if (dc.get()) PaintFrameStrips(dc.get());
}

void TSkinProvider::PaintFrameStrips(HDC windowDc) {
  if (!FDrawNonClientArea || !FCommonData->FCacheBmp) return;
  const TFrameStrips strips = FrameStrips(Geometry());
  for (const paint::TRect& strip : {strips.Top, strips.Left, strips.Bottom, strips.Right}) {
    if (!strip.IsEmpty())
      paint::ShowBitmap(windowDc, paint::TPoint{strip.Left, strip.Top}, *FCommonData->FCacheBmp, strip);
  }
}

// The platform redraws its caption on an icon change; the window is made
// invisible to it for the call and the frame repainted afterwards.
void TSkinProvider::WithRedrawSuspended(ui::TMessage& message, const ui::TPassOn& oldWndProc) {
  const HWND window = form_.Handle();
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  const bool hide = (style & WS_VISIBLE) && FDrawNonClientArea;
  if (hide) SetWindowLongPtrW(window, GWL_STYLE, style & ~WS_VISIBLE);
  oldWndProc(message);
  if (hide) SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | WS_VISIBLE);
  FCommonData->BGChanged = true;
  RedrawFrame();
}

void TSkinProvider::PaintClientBackground(HDC clientDc, const RECT& area) {
  if (!CacheValid()) return;
  const TFrameGeometry g = Geometry();
  paint::ShowBitmap(
      clientDc, paint::TPoint{area.left, area.top}, *FCommonData->FCacheBmp,
      paint::MakeRect(g.OffsetX + area.left, g.OffsetY + area.top, area.right - area.left, area.bottom - area.top));
}

void TSkinProvider::HandleEraseBkgnd(ui::TMessage& message, const ui::TPassOn& oldWndProc) {
  if (!FDrawClientArea || !IsWindowVisible(form_.Handle())) {
    oldWndProc(message);
    return;
  }
  message.Result = 1;
  if (FCommonData->FUpdating) return;
  if (!CacheValid()) PaintAll();
  const HDC dc = reinterpret_cast<HDC>(message.WParam);
  RECT client{};
  GetClientRect(form_.Handle(), &client);
  PaintClientBackground(dc, client);
  PaintGraphicChildren(dc, form_, true);
}

void TSkinProvider::HandlePaint(ui::TMessage& message, const ui::TPassOn& oldWndProc) {
  if (!FDrawClientArea) {
    oldWndProc(message);
    return;
  }
  message.Result = 0;
  {
    const platform::PaintDc paint(form_.Handle());
    if (FCommonData->FUpdating || !paint.get()) return;
    if (!CacheValid()) PaintAll();
    PaintClientBackground(paint.get(), paint.UpdateRect());
    PaintGraphicChildren(paint.get(), form_, true);
  }
  // The children learn that their parent's picture is complete.
  RepaintChildWindows(form_.Handle());
}

void TSkinProvider::HandlePrint(ui::TMessage& message, const ui::TPassOn& oldWndProc) {
  const HDC dc = reinterpret_cast<HDC>(message.WParam);
  if (!CacheValid()) PaintAll();
  if (CacheValid()) {
    if (message.LParam & PRF_NONCLIENT) PaintFrameStrips(dc);
    if (message.LParam & (PRF_CLIENT | PRF_ERASEBKGND)) {
      const TFrameGeometry g = Geometry();
      RECT client{};
      GetClientRect(form_.Handle(), &client);
      const platform::SavedDcState state(dc);
      POINT origin{};
      GetViewportOrgEx(dc, &origin);
      SetViewportOrgEx(dc, origin.x + g.OffsetX, origin.y + g.OffsetY, nullptr);
      PaintClientBackground(dc, client);
      PaintGraphicChildren(dc, form_, false);
    }
  }
  // The children print themselves; the frame and background are done.
  ui::TMessage rest = message;
  rest.LParam &= ~(PRF_NONCLIENT | PRF_ERASEBKGND | PRF_CLIENT);
  if (rest.LParam & PRF_CHILDREN) oldWndProc(rest);
  message.Result = 0;
}

void TSkinProvider::HandleSize(ui::TMessage& message, const ui::TPassOn& oldWndProc) {
  KillAnimations();
  TSkinScrollWndData& data = *FCommonData;
  RgnChanged = true;
  data.BGChanged = true;
  FGlow1 = FGlow2 = TMask8();
  // Maximise and restore share the button; its image follows the window.
  if (HasSystemMenu() && HasMaximize() && BigButtons) {
    if (const TSkinManager* manager = data.SkinManager()) {
      ButtonMax.ImageIndex = IsZoomed(form_.Handle()) ? manager->ConstData.MaskNormBtn : manager->ConstData.MaskMaxBtn;
    }
  }
  if (data.FUpdating || !IsWindowVisible(form_.Handle())) {
    oldWndProc(message);
    return;
  }
  // The grip moves with the corner: where it was, the client is painted again.
  if (GripShown()) {
    const RECT grip = GripRect();
    const LONG w = grip.right - grip.left, h = grip.bottom - grip.top;
    const RECT old{LastClientRect.right - w, LastClientRect.bottom - h, LastClientRect.right, LastClientRect.bottom};
    InvalidateRect(form_.Handle(), &old, FALSE);
  }
  // No painting inside the framework's own resize work.
  data.FUpdating = true;
  oldWndProc(message);
  data.FUpdating = false;
  UpdateRegion();
  RedrawFrame();
  RedrawWindow(form_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_UPDATENOW);
  GetClientRect(form_.Handle(), &LastClientRect);
  UpdateDisabledOverlay();
}

}  // namespace vorlan::skin
