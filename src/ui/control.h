#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/message_target.h"
#include "ui/component.h"
#include "ui/font.h"
#include "ui/message_chain.h"
#include "ui/types.h"

namespace vorlan::ui {

class TWinControl;
class TForm;

// A visible part of a form with a parent, bounds inside the parent's client
// area, alignment, caption, colour and font. Controls without a window of
// their own are painted by their parent (Paint with the origin at the
// control's top-left) and get their mouse input from it.
//
// Every control, with a window or without, takes messages through the same
// chain: WindowProc's handlers first (newest first), then WndProc, the
// class's own handling, which ends in DefaultHandler.
//
// Every control is also a plain message target, so that a broadcast to every
// window of the process reaches it.
class TControl : public TComponent, public virtual platform::IMessageTarget {
 public:
  TControl();
  ~TControl() override;
  std::u16string_view ClassName() const override { return u"TControl"; }

  // The head of the message chain; a wrapper adds a handler and keeps the
  // link for as long as it wraps.
  TMessageChain& WindowProc() { return window_proc_; }
  // Runs a message through the chain.
  virtual void Dispatch(TMessage& message) { window_proc_.Dispatch(message); }
  // The message target's view: a message through the chain (a direct call),
  // through the window when there is one (Send), and the children.
  std::intptr_t Dispatch(const platform::TPlainMessage& message) override;
  bool HasWindow() const override { return false; }
  std::intptr_t Send(const platform::TPlainMessage& message) override { return Dispatch(message); }
  std::vector<platform::IMessageTarget*> Children() override { return {}; }
  // Sends a message to the control: through its window when it has one (so
  // that every layer on the window sees it), else straight through its chain.
  LRESULT Perform(UINT msg, WPARAM wparam = 0, LPARAM lparam = 0);

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  // The form this control is on (itself for a form).
  TForm* ParentForm();

  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.right - bounds_.left; }
  int Height() const { return bounds_.bottom - bounds_.top; }
  const RECT& BoundsRect() const { return bounds_; }
  void SetBounds(int left, int top, int width, int height);
  virtual RECT ClientRect() const { return RECT{0, 0, Width(), Height()}; }

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  // Visible, and every parent too.
  bool Showing() const;

  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

  const std::u16string& Caption() const { return caption_; }
  virtual void SetCaption(std::u16string caption);

  TColor Color() const { return color_; }
  void SetColor(TColor color);

  // The font used: the parent's while ParentFont is set.
  const TFont& Font() const;
  // Gives the control its own font (ParentFont off).
  void SetFont(const TFont& font);
  bool ParentFont() const { return parent_font_; }

  virtual void Invalidate();
  virtual bool IsWindowed() const { return false; }
  // The control paints every pixel of its bounds, so nothing behind it needs painting.
  virtual bool Opaque() const { return false; }

  TNotifyEvent OnClick;
  virtual void Click();

  // Painting and mouse input of controls without a window.
  virtual void Paint(HDC /*dc*/) {}
  virtual void MouseDown(POINT /*point*/) {}
  virtual void MouseUp(POINT /*point*/) {}

 protected:
  // The class's own message handling; what it leaves goes to DefaultHandler.
  // A windowless control paints itself into the DC that WM_PAINT or
  // WM_PRINT carries in WParam (its parent has set the origin and clipping).
  virtual void WndProc(TMessage& message);
  // Where unhandled messages end: nothing (result 0) without a window.
  virtual void DefaultHandler(TMessage& /*message*/) {}

  // The bounds changed (after the new ones are stored).
  virtual void BoundsChanged() {}
  // A control being freed stops being the one under the mouse.
  void BeforeDestruction() override;
  virtual void FontChanged() {}
  void RequestParentAlign();

 private:
  friend class TWinControl;
  void SetBoundsRect(const RECT& bounds);

  TWinControl* parent_ = nullptr;  // borrowed: the parent outlives its children
  RECT bounds_{};
  TAlign align_ = TAlign::alNone;
  bool visible_ = true;
  bool enabled_ = true;
  std::u16string caption_;
  TColor color_ = clBtnFace;
  TFont font_;
  bool parent_font_ = true;
  TMessageChain window_proc_;
};

}  // namespace vorlan::ui
