#include "skin/controls/adapters/adapter_base.h"

#include "skin/controls/base/window_queries.h"
#include "skin/controls/core/common_data_ops.h"
#include "skin/controls/core/common_handlers.h"
#include "skin/controls/core/control_paint.h"
#include "skin/controls/core/control_seams.h"
#include "skin/controls/core/hot_tracking.h"
#include "skin/data/skin_commands.h"
#include "skin/data/skin_manager.h"

namespace vorlan::skin {
namespace {

constexpr UINT kRedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;

// Restores the previous-procedure pointer of an outer message when an inner one ends.
class TPassOnScope {
 public:
  TPassOnScope(const ui::TPassOn*& slot, const ui::TPassOn& current) : slot_(slot), saved_(slot) { slot = &current; }
  ~TPassOnScope() { slot_ = saved_; }
  TPassOnScope(const TPassOnScope&) = delete;
  TPassOnScope& operator=(const TPassOnScope&) = delete;

 private:
  const ui::TPassOn*& slot_;
  const ui::TPassOn* saved_;
};

}  // namespace

TSkMainWnd::TSkMainWnd(HWND window, const TSkinParams& params, TSkinManager* manager, TSkinCommonData* data)
    : FCtrlHandle(window), FSkinManager(manager), FSkinData(data), FControl(params.Control), FParams(params) {}

TSkMainWnd::~TSkMainWnd() { Uninstall(); }

TSkMainWnd* TSkMainWnd::Of(HWND window) {
  return window ? static_cast<TSkMainWnd*>(GetPropW(window, kAdapterProperty)) : nullptr;
}

std::unique_ptr<TSkinCommonData> TSkMainWnd::InitSkinData() {
  return std::make_unique<TSkinCommonData>(FControl, true);
}

void TSkMainWnd::Install() {
  if (FSkinData == nullptr) {
    FOwnData = InitSkinData();
    FSkinData = FOwnData.get();
    FSkinData->SetSkinSection(FParams.SkinSection.empty() ? DefaultSection()
                                                          : std::u16string_view(FParams.SkinSection));
    FSkinData->FCustomFont = !FParams.UseSkinFontColor;
    FSkinData->FCustomColor = !FParams.UseSkinColor;
  }
  if (!ForProviderForm()) {
    if (FSkinManager != nullptr) FSkinData->SetSkinManager(FSkinManager);
    FSkinData->FSWHandle = FCtrlHandle;
    SaveStdParams();
  }
  RefreshCaption();
  FLayer = ui::TWindowSubclass(FCtrlHandle,
                               [this](ui::TMessage& message, const ui::TPassOn& passOn) { Handle(message, passOn); });
  SetPropW(FCtrlHandle, kAdapterProperty, this);
  AfterCreation();
  if (ForProviderForm()) return;
  FSkinData->UpdateIndexes();
  FSkinData->BGChanged = true;
  if (FSkinData->Skinned()) {
    SetSkinParams();
    ParamsChanged = true;
    Repaint();
  }
}

void TSkMainWnd::Uninstall() {
  if (FDestroyed) return;
  FDestroyed = true;
  if (!ForProviderForm()) {
    StopAnimation(*FSkinData);
    UpdateGlow(*FSkinData, false, false);
  }
  if (IsWindow(FCtrlHandle) && GetPropW(FCtrlHandle, kAdapterProperty) == this) {
    RemovePropW(FCtrlHandle, kAdapterProperty);
  }
  if (ParamsChanged) RestoreStdParams();
  ParamsChanged = false;
  // A layer of the subclass chain leaves without disturbing layers put in
  // front of it later.
  FLayer.Remove();
  if (FOwnData) {
    FOwnData->FSWHandle = nullptr;
    // The control may be freed before this adapter is.
    FOwnData->FOwnerControl = nullptr;
    FOwnData->FOwnerObject = nullptr;
  }
}

LRESULT TSkMainWnd::CallPrevWndProc(ui::TMessage& message) {
  if (FPassOn == nullptr) {
    message.Result = 0;
    return 0;
  }
  try {
    (*FPassOn)(message);
  } catch (...) {
    message.Result = 0;
  }
  return message.Result;
}

void TSkMainWnd::Handle(ui::TMessage& message, const ui::TPassOn& passOn) {
  const bool was_installed = !FDestroyed;
  {
    const TPassOnScope scope(FPassOn, passOn);
    skWndProc(message);
  }
  const bool window_gone = message.Msg == WM_DESTROY || message.Msg == WM_NCDESTROY;
  // Nothing of the adapter is touched after this: it may be freed.
  if (was_installed && FDestroyed && window_gone) Released();
}

void TSkMainWnd::skWndProc(ui::TMessage& message) {
  if (!CommonPart(message)) CallPrevWndProc(message);
}

bool TSkMainWnd::Active() const {
  const TSkinManager* manager = FSkinData->SkinManager();
  return !FDestroyed && manager != nullptr && manager->Active();
}

bool TSkMainWnd::CommonPart(ui::TMessage& message) {
  if (message.Msg == WM_DESTROY || message.Msg == WM_NCDESTROY) {
    // Out of the chain first, then the window's own clean-up, once.
    Uninstall();
    CallPrevWndProc(message);
    return true;
  }
  // The provider handles its form's messages; the form's adapter adds only
  // the scroll bars.
  if (!Active() || ForProviderForm()) return false;
  switch (message.Msg) {
    case WM_UPDATEUISTATE:
      message.Result = 0;
      return true;
    case WM_SIZE:
      FSkinData->BGChanged = true;
      return false;
    case WM_SETTEXT:
      CallPrevWndProc(message);
      RefreshCaption();
      FSkinData->BGChanged = true;
      Repaint();
      return true;
    case WM_MOUSEMOVE:
      if (IsWindowEnabled(FCtrlHandle) && ActiveControl(FSkinData->SkinManager()) != FCtrlHandle) {
        SetActiveControl(FSkinData->SkinManager(), FCtrlHandle);
      }
      return false;
    case WM_PRINT:
      if (!FSkinData->Skinned()) return false;
      message.Result = SendMessageW(FCtrlHandle, WM_PAINT, message.WParam, 0);
      return true;
    case SM_ALPHACMD:
      return SkinCommandPart(message);
    default:
      return false;
  }
}

bool TSkMainWnd::SkinCommandPart(ui::TMessage& message) {
  TSkinCommonData& data = *FSkinData;
  const bool ours = FromOwnManager(data, message);
  switch (CommandOf(message)) {
    case scPrepareSkin:
      if (ours) {
        data.UpdateIndexes();
        data.BGChanged = true;
        SetSkinParams();
        ParamsChanged = true;
      }
      CallPrevWndProc(message);
      return true;
    case scRemoveSkin:
      if (ours && ParamsChanged) {
        RestoreStdParams();
        ParamsChanged = false;
      }
      CommonSkinCommand(message, data);
      CallPrevWndProc(message);
      RedrawWindow(FCtrlHandle, nullptr, nullptr, kRedrawAll);
      return true;
    case scRefreshSkin:
      if (ours) {
        data.UpdateIndexes();
        data.BGChanged = true;
        data.FUpdating = false;
        SetSkinParams();
        ParamsChanged = true;
        if (IsWindowVisible(FCtrlHandle)) Repaint();
      }
      CallPrevWndProc(message);
      return true;
    case scUpdateDone:
      if (ParentUpdateEnded(data)) RedrawWindow(FCtrlHandle, nullptr, nullptr, kRedrawAll);
      return true;
    case scIsSkinned:
      message.Result = 1;
      return true;
    case scIsNotReady:
      message.Result = data.FUpdating ? 1 : 0;
      return true;
    case scGetAdapter:
      SetAnswer<scGetAdapter>(message, this);
      return true;
    case scGetBgColor:
      if (CallPrevWndProc(message) == 0) message.Result = static_cast<LRESULT>(BgColor(data, 0));
      return true;
    case scPrepareCache:
      PrepareCache();
      return true;
    case scGetBackground:
      if (TSkBgRequest* request = PayloadOf<scGetBackground>(message)) AnswerBgRequest(data, *request, 0);
      return true;
    case scMouseEnter:
    case scMouseLeave:
      data.FMouseAbove = CommandOf(message) == scMouseEnter;
      Repaint();
      return true;
    case scFrameChanged:
      SetWindowPos(FCtrlHandle, nullptr, 0, 0, 0, 0, kFrameChangedFlags);
      return true;
    case scSetSection:
    case scGetSkinData:
    case scSetPrintDC:
    case scGetApplication:
    case scStopAnimation:
    case scBgChanged:
    case scInvalidate:
    case scSetUpdating:
      return CommonSkinCommand(message, data);
    default:
      // Questions about the control's own layout stay with the control.
      return data.Target() != nullptr && CommonSkinCommand(message, data);
  }
}

void TSkMainWnd::RefreshCaption() {
  const int length = GetWindowTextLengthW(FCtrlHandle);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(FCtrlHandle, text.data(), length + 1);
  FCaption = ui::FromWide(text.c_str(), static_cast<std::size_t>(got > 0 ? got : 0));
}

RECT TSkMainWnd::WindowBounds() const {
  RECT r{};
  GetWindowRect(FCtrlHandle, &r);
  if (const HWND parent = GetParent(FCtrlHandle); parent && (GetWindowLongPtrW(FCtrlHandle, GWL_STYLE) & WS_CHILD)) {
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  return r;
}

std::int32_t TSkMainWnd::PaintState() const {
  if (!IsWindowEnabled(FCtrlHandle)) return 0;
  return FSkinData->FMouseAbove || GetFocus() == FCtrlHandle ? 1 : 0;
}

bool TSkMainWnd::PrepareCache() {
  TSkinCommonData& data = *FSkinData;
  if (!data.Skinned()) return false;
  const RECT bounds = WindowBounds();
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  if (width <= 0 || height <= 0) return false;
  if (!CacheFits(data, width, height)) {
    data.FCacheBmp = std::make_unique<paint::TBitmap32>(width, height);
  }
  paint::TBitmap32& cache = *data.FCacheBmp;
  PaintControlSkin(data, ParentCacheInfo(data), PaintState(), cache.Bounds(), {bounds.left, bounds.top}, cache, true,
                   data.HotTexture, data.Texture);
  data.BGChanged = false;
  return true;
}

void TSkMainWnd::Repaint() {
  if (DontRepaint || FDestroyed) return;
  FSkinData->BGChanged = true;
  RedrawWindow(FCtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
}

}  // namespace vorlan::skin
