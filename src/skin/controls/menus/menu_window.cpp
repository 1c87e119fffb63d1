#include "skin/controls/menus/menu_window.h"

#include <utility>

namespace vorlan::skin {

TSkMnuWnd::TSkMnuWnd(HWND window, TSkinManager* manager, TReleased released)
    : TSkScrollWnd(window, TSkinParams{}, manager), released_(std::move(released)) {}

TSkMnuWnd* TSkMnuWnd::Find(HWND window) { return dynamic_cast<TSkMnuWnd*>(TSkMainWnd::Of(window)); }

void TSkMnuWnd::ConnectPainter(TWindowHandler draw_frame, TWindowHandler destroyed) {
  draw_frame_ = std::move(draw_frame);
  destroyed_ = std::move(destroyed);
}

bool TSkMnuWnd::IsVisible() const { return !FDestroyed && IsWindowVisible(FCtrlHandle); }

std::intptr_t TSkMnuWnd::Send(const TSkinMessage& message) {
  return FDestroyed ? 0 : SendMessageW(FCtrlHandle, message.Msg, message.WParam, message.LParam);
}

void TSkMnuWnd::Redraw() {
  if (!FDestroyed) RedrawWindow(FCtrlHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

std::pair<int, int> TSkMnuWnd::WindowSize() const {
  RECT r{};
  GetWindowRect(FCtrlHandle, &r);
  return {r.right - r.left, r.bottom - r.top};
}

bool TSkMnuWnd::MenuCommand(ui::TMessage& message) {
  switch (CommandOf(message)) {
    case scMenuRegionChanged:
      // The region follows the window's size: asked before every frame, it
      // is taken anew only when the size is not the one it was made for.
      if (IsWindowVisible(FCtrlHandle) && WindowSize() != RegionSize) RegionChanged = true;
      message.Result = 0;
      return true;
    case scSetUpdating:
      // The painter asks before it draws the frame: LParam points at its
      // "set the region" flag. The answer 0 lets the frame be drawn.
      if (int* set_region = PayloadOf<scSetUpdating>(message)) {
        *set_region = RegionChanged || !RegionSet;
        RegionChanged = false;
        RegionSet = true;
        RegionSize = WindowSize();
      }
      message.Result = 0;
      return true;
    default:
      return false;
  }
}

void TSkMnuWnd::skWndProc(ui::TMessage& message) {
  if (message.Msg == SM_ALPHACMD && MenuCommand(message)) return;
  TSkScrollWnd::skWndProc(message);
  switch (message.Msg) {
    case WM_NCPAINT:
    case WM_PAINT:
    case WM_PRINT:
      // The system paints its own frame; the skin's goes over it.
      if (draw_frame_ && !FDestroyed) draw_frame_(FCtrlHandle);
      break;
    default:
      break;
  }
}

void TSkMnuWnd::Released() {
  if (destroyed_) destroyed_(FCtrlHandle);
  // The owner may drop this adapter now: nothing of it is touched after.
  const TReleased released = std::move(released_);
  if (released) released(*this);
}

}  // namespace vorlan::skin
