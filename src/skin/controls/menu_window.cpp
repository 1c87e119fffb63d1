#include "skin/controls/menu_window.h"

#include <utility>

#include "skin/data/skin_commands.h"

namespace vorlan::skin {
namespace {

// Asks a popup window to take its region anew before its frame is drawn.
constexpr TSkinCommand kMenuRegionChanged = static_cast<TSkinCommand>(14);

}  // namespace

TSkMnuWnd::TSkMnuWnd(HWND window, TFrameHandler draw_frame, TFrameHandler destroyed)
    : CtrlHandle_(window),
      draw_frame_(std::move(draw_frame)),
      destroyed_(std::move(destroyed)),
      subclass_(window, [this](ui::TMessage& message, const ui::TPassOn& pass_on) { skWndProc(message, pass_on); }) {}

void TSkMnuWnd::skWndProc(ui::TMessage& message, const ui::TPassOn& pass_on) {
  if (message.Msg == SM_ALPHACMD) {
    const auto command = static_cast<TSkinCommand>((message.WParam >> 16) & 0xFFFF);
    if (command == scIsSkinned) {
      message.Result = 1;
      return;
    }
    if (command == kMenuRegionChanged) {
      if (IsWindowVisible(CtrlHandle_)) RegionChanged = true;
      message.Result = 0;
      return;
    }
  }
  pass_on(message);
  switch (message.Msg) {
    case WM_NCPAINT:
    case WM_PAINT:
    case WM_PRINT:
      // The system paints its own frame; ours goes over it.
      if (draw_frame_) draw_frame_(CtrlHandle_);
      break;
    case WM_NCDESTROY:
      Destroyed_ = true;
      if (destroyed_) destroyed_(CtrlHandle_);
      break;
    default:
      break;
  }
}

}  // namespace vorlan::skin
