#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/window_proc.h"

namespace vorlan::ui {

// What a windowed control asks for when its window is made.
struct TCreateParams {
  const wchar_t* WindowClass = nullptr;
  bool SystemClass = false;  // a class of the system's (EDIT, BUTTON): subclassed after creation
  DWORD Style = 0;
  DWORD ExStyle = 0;
  UINT ClassStyle = CS_DBLCLKS;
  HWND WndParent = nullptr;  // the owner of a window without parent control
};

// A control with a window of its own. Its window's messages pass through
// the control's chain (WindowProc, then WndProc), which ends in the default
// procedure. It parents other controls, aligns them, paints the windowless
// ones and reflects notifications (WM_COMMAND, WM_CTLCOLOR*) back to the
// child they concern as CN_BASE + message. Its window is destroyed when the
// control is freed (BeforeDestruction), while every class's handling is
// still in place.
class TWinControl : public TControl, public TWindowTarget {
 public:
  TWinControl() = default;
  ~TWinControl() override;
  std::u16string_view ClassName() const override { return u"TWinControl"; }

  bool IsWindowed() const override { return true; }
  void SetParent(TWinControl* parent) override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void SetCaption(std::u16string caption) override;
  void Invalidate() override;
  RECT ClientRect() const override;

  // Makes the window (and the parents' windows) if it is not there yet.
  void HandleNeeded();

  // Children in the order they were given this parent (changed by
  // SetControlIndex); windowless ones are painted in this order.
  const std::vector<TControl*>& Controls() const { return controls_; }
  // Moves a child to position `index` of Controls() (clamped); nothing for
  // a control that is not a child of this one.
  void SetControlIndex(TControl& control, std::size_t index);

  // Position among the windowed children of the parent when moving the focus.
  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool tab_stop) { tab_stop_ = tab_stop; }
  // Windowed children by tab order.
  std::vector<TWinControl*> TabList() const;
  bool CanFocus() const;
  bool Focused() const;
  void SetFocus();

  void AlignControls();
  // The part of the client area that aligned children share.
  virtual RECT AlignRect() const { return ClientRect(); }
  // The windowless child under a point of the client area, last painted first.
  TControl* ControlAtPos(POINT point) const;

  // Asks the parent to paint its background behind the given part of this
  // control; false when nobody painted.
  bool QueryParentBackground(HDC dc, const RECT& rect) const;

  void Dispatch(TMessage& message) override { TControl::Dispatch(message); }
  using TControl::Dispatch;
  bool HasWindow() const override { return HandleAllocated(); }
  std::intptr_t Send(const platform::TPlainMessage& message) override;
  std::vector<platform::IMessageTarget*> Children() override;
  void HandleDestroyed() override;

  // A key the form offers the focused control before the control sees it
  // (Enter on a focused button); true when consumed.
  virtual bool DialogKeyPressed(UINT /*key*/) { return false; }

 protected:
  virtual void CreateParams(TCreateParams& params);
  // The window has just been made (settings already applied to it).
  virtual void HandleCreated() {}
  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override { message.Result = CallDefault(message); }
  void BeforeDestruction() override;

  // Painting of framework-class windows: background, the control's own
  // picture, then the windowless children.
  virtual void PaintBackground(HDC dc, const RECT& rect);
  void PaintWindow(HDC dc, const RECT& update);
  void PaintControls(HDC dc, const RECT& update);

  void BoundsChanged() override;
  void FontChanged() override;
  // Destroys the window now, while the derived object still handles its
  // messages (freeing does this by itself).
  void DestroyWindowNow();

 private:
  friend class TControl;
  void InsertControl(TControl& control);
  void RemoveControl(TControl& control);
  void CreateHandle();
  void ApplyFontToWindow();
  bool ReflectToChild(TMessage& message);
  void RouteMouse(TMessage& message);

  std::vector<TControl*> controls_;     // borrowed: owned by the form
  std::vector<TWinControl*> tab_list_;  // borrowed: windowed children by tab order
  bool tab_stop_ = false;
  bool paints_itself_ = false;
  TControl* mouse_control_ = nullptr;  // the windowless child that got the button down
};

}  // namespace vorlan::ui
