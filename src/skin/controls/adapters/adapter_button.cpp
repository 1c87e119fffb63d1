#include "skin/controls/adapters/adapter_button.h"

#include "paint/bitmap_gdi_win.h"
#include "skin/controls/text/skin_text.h"

namespace vorlan::skin {

bool TSkButtonWnd::RedrawsItself(UINT msg) {
  switch (msg) {
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case BM_SETCHECK:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
      return true;
    default:
      return false;
  }
}

std::int32_t TSkButtonWnd::PaintState() const {
  if (!IsWindowEnabled(FCtrlHandle)) return 0;
  if (SendMessageW(FCtrlHandle, BM_GETSTATE, 0, 0) & BST_PUSHED) return 2;
  return TSkMainWnd::PaintState();
}

void TSkButtonWnd::skWndProc(ui::TMessage& message) {
  if (CommonPart(message)) return;
  if (!Active() || !FSkinData->Skinned()) {
    CallPrevWndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      if (message.WParam != 0) {
        PaintTo(reinterpret_cast<HDC>(message.WParam));
      } else {
        PAINTSTRUCT ps;
        if (HDC dc = BeginPaint(FCtrlHandle, &ps)) PaintTo(dc);
        EndPaint(FCtrlHandle, &ps);
      }
      message.Result = 0;
      return;
    default:
      break;
  }
  CallPrevWndProc(message);
  if (RedrawsItself(message.Msg) && IsWindow(FCtrlHandle) && IsWindowVisible(FCtrlHandle)) {
    FPaintedState = -1;  // what the platform drew must go, even in the same state
    RedrawWindow(FCtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
}

bool TSkButtonWnd::PrepareCache() {
  if (!TSkMainWnd::PrepareCache()) return false;
  paint::TBitmap32& cache = *FSkinData->FCacheBmp;
  const std::int32_t state = PaintState();
  const paint::TBitmapDC canvas(cache);
  if (canvas.get() != nullptr && !FCaption.empty()) {
    RECT rect{0, 0, cache.Width(), cache.Height()};
    if (state == 2) OffsetRect(&rect, 1, 1);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(FCtrlHandle, WM_GETFONT, 0, 0));
    const TTextCanvas text{canvas.get(), TTextFont{font, ui::clBtnText}};
    WriteSkinText(text, FCaption, IsWindowEnabled(FCtrlHandle) != FALSE, state, *FSkinData,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE, rect);
  }
  paint::TBitmapDC::Flush();
  FPaintedState = state;
  return true;
}

void TSkButtonWnd::PaintTo(HDC dc) {
  TSkinCommonData& data = *FSkinData;
  if (data.BGChanged || FPaintedState != PaintState() || !data.FCacheBmp) PrepareCache();
  if (data.FCacheBmp && !data.FCacheBmp->Empty()) paint::ShowBitmap(dc, {0, 0}, *data.FCacheBmp);
}

}  // namespace vorlan::skin
