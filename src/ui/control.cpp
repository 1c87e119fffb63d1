#include "ui/control.h"

#include "ui/form.h"
#include "ui/mouse_hover.h"
#include "ui/win_control.h"

namespace vorlan::ui {

TControl::TControl() : window_proc_([this](TMessage& message) { WndProc(message); }) {}

LRESULT TControl::Perform(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (const auto* windowed = dynamic_cast<const TWinControl*>(this); windowed && windowed->HandleAllocated()) {
    return SendMessageW(windowed->Handle(), msg, wparam, lparam);
  }
  TMessage message{msg, wparam, lparam, 0};
  Dispatch(message);
  return message.Result;
}

std::intptr_t TControl::Dispatch(const platform::TPlainMessage& skin_message) {
  TMessage message{skin_message.Msg, skin_message.WParam, skin_message.LParam, 0};
  Dispatch(message);
  return message.Result;
}

void TControl::BeforeDestruction() {
  ForgetMouseControl(*this);
  TComponent::BeforeDestruction();
}

TControl::~TControl() {
  ForgetMouseControl(*this);
  if (parent_) parent_->RemoveControl(*this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent_ == parent) return;
  if (parent_) parent_->RemoveControl(*this);
  parent_ = parent;
  if (parent_) parent_->InsertControl(*this);
}

TForm* TControl::ParentForm() {
  TControl* control = this;
  while (control->parent_) control = control->parent_;
  return dynamic_cast<TForm*>(control);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  SetBoundsRect(RECT{left, top, left + width, top + height});
  RequestParentAlign();
}

void TControl::SetBoundsRect(const RECT& bounds) {
  if (EqualRect(&bounds, &bounds_)) return;
  if (!IsWindowed()) Invalidate();
  bounds_ = bounds;
  BoundsChanged();
  if (!IsWindowed()) Invalidate();
}

void TControl::SetAlign(TAlign align) {
  align_ = align;
  RequestParentAlign();
}

void TControl::RequestParentAlign() {
  if (parent_ && !IsLoading()) parent_->AlignControls();
}

void TControl::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
  Invalidate();
  if (align_ != TAlign::alNone) RequestParentAlign();
}

bool TControl::Showing() const {
  for (const TControl* control = this; control; control = control->parent_) {
    if (!control->visible_) return false;
  }
  return true;
}

void TControl::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED);
  Invalidate();
}

void TControl::SetCaption(std::u16string caption) {
  caption_ = std::move(caption);
  Invalidate();
}

void TControl::SetColor(TColor color) {
  color_ = color;
  Invalidate();
}

const TFont& TControl::Font() const {
  if (parent_font_ && parent_) return parent_->Font();
  return font_;
}

void TControl::SetFont(const TFont& font) {
  font_ = font;
  parent_font_ = false;
  FontChanged();
  Invalidate();
}

void TControl::Invalidate() {
  if (!parent_ || !parent_->HandleAllocated()) return;
  InvalidateRect(parent_->Handle(), &bounds_, FALSE);
}

void TControl::WndProc(TMessage& message) {
  if ((message.Msg == WM_PAINT || message.Msg == WM_PRINT) && message.WParam && !IsWindowed()) {
    Paint(reinterpret_cast<HDC>(message.WParam));
    return;
  }
  DefaultHandler(message);
}

void TControl::Click() {
  if (OnClick) OnClick(*this);
}

}  // namespace vorlan::ui
