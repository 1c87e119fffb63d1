#include "ui/mouse_hover.h"

#include "ui/win_control.h"

namespace vorlan::ui {
namespace {

TControl* g_mouse_control = nullptr;  // borrowed: forgotten when it goes

// Asked again on every move: the system keeps one request per window, and a
// window made anew under a reused handle must not miss its leave.
void TrackLeaving(HWND window) {
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
  TrackMouseEvent(&track);
}

void ChangeMouseControl(TControl* control) {
  if (g_mouse_control == control) return;
  TControl* left = g_mouse_control;
  g_mouse_control = control;
  if (left) left->Perform(CM_MOUSELEAVE);
  // The leave handler may have moved the mouse on already.
  if (control && g_mouse_control == control) control->Perform(CM_MOUSEENTER);
}

bool IsWindowOrItsWindowlessChild(const TControl& control, const TWinControl& window) {
  return &control == &window || (!control.IsWindowed() && control.Parent() == &window);
}

}  // namespace

void MouseMovedOver(TWinControl& window, POINT point) {
  TrackLeaving(window.Handle());
  TControl* under = window.ControlAtPos(point);
  ChangeMouseControl(under ? under : &window);
}

void MouseLeftWindow(TWinControl& window) {
  if (g_mouse_control && IsWindowOrItsWindowlessChild(*g_mouse_control, window)) ChangeMouseControl(nullptr);
}

void ForgetMouseControl(const TControl& control) {
  if (g_mouse_control == &control) g_mouse_control = nullptr;
}

TControl* MouseControl() { return g_mouse_control; }

}  // namespace vorlan::ui
