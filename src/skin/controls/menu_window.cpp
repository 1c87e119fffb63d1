#include "skin/controls/menu_window.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace vorlan::skin {
namespace {

// The live adapters of this thread's menu windows (there are few: one per
// open popup level).
std::vector<TSkMnuWnd*>& LiveAdapters() {
  static std::vector<TSkMnuWnd*> adapters;
  return adapters;
}

}  // namespace

TSkMnuWnd::TSkMnuWnd(HWND window, TReleased released)
    : CtrlHandle_(window),
      released_(std::move(released)),
      subclass_(window, [this](ui::TMessage& message, const ui::TPassOn& pass_on) { skWndProc(message, pass_on); }) {
  LiveAdapters().push_back(this);
}

TSkMnuWnd::~TSkMnuWnd() { std::erase(LiveAdapters(), this); }

TSkMnuWnd* TSkMnuWnd::Find(HWND window) {
  if (!window) return nullptr;
  for (TSkMnuWnd* adapter : LiveAdapters()) {
    if (adapter->CtrlHandle_ == window && !adapter->Destroyed_) return adapter;
  }
  return nullptr;
}

void TSkMnuWnd::ConnectPainter(TWindowHandler draw_frame, TWindowHandler destroyed) {
  draw_frame_ = std::move(draw_frame);
  destroyed_ = std::move(destroyed);
}

bool TSkMnuWnd::IsVisible() const { return !Destroyed_ && IsWindowVisible(CtrlHandle_); }

std::intptr_t TSkMnuWnd::Send(const TSkinMessage& message) {
  return Destroyed_ ? 0 : SendMessageW(CtrlHandle_, message.Msg, message.WParam, message.LParam);
}

void TSkMnuWnd::Redraw() {
  if (!Destroyed_) RedrawWindow(CtrlHandle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

bool TSkMnuWnd::SkinCommand(ui::TMessage& message) {
  switch ((message.WParam >> 16) & 0xFFFF) {
    case scIsSkinned:
      message.Result = 1;
      return true;
    case scMenuRegionChanged:
      if (IsWindowVisible(CtrlHandle_)) RegionChanged = true;
      message.Result = 0;
      return true;
    case scSetUpdating:
      // The painter asks before it draws the frame: LParam points at its
      // "set the region" flag. The answer 0 lets the frame be drawn.
      if (auto* set_region = reinterpret_cast<BOOL*>(message.LParam)) {
        *set_region = RegionChanged || !RegionSet;
        RegionChanged = false;
        RegionSet = true;
      }
      message.Result = 0;
      return true;
    default:
      return false;
  }
}

void TSkMnuWnd::skWndProc(ui::TMessage& message, const ui::TPassOn& pass_on) {
  if (message.Msg == SM_ALPHACMD && SkinCommand(message)) return;
  pass_on(message);
  switch (message.Msg) {
    case WM_NCPAINT:
    case WM_PAINT:
    case WM_PRINT:
      // The system paints its own frame; the skin's goes over it.
      if (draw_frame_) draw_frame_(CtrlHandle_);
      break;
    case WM_NCDESTROY: {
      Destroyed_ = true;
      if (destroyed_) destroyed_(CtrlHandle_);
      // The owner may drop this adapter now: nothing of it is touched after.
      const TReleased released = std::move(released_);
      if (released) released(*this);
      break;
    }
    default:
      break;
  }
}

}  // namespace vorlan::skin
