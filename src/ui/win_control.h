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
};

// A control with a window of its own. Its messages pass through WindowProc,
// a replaceable chain whose last link is WndProc, the class's own handling,
// which ends in the default procedure. It parents other controls, aligns
// them, paints the windowless ones and reflects notifications (WM_COMMAND,
// WM_CTLCOLOR*) back to the child they concern as CN_BASE + message.
class TWinControl : public TControl, public TWindowTarget {
 public:
  TWinControl();
  ~TWinControl() override;

  // The head of the message chain; a wrapper stores the previous value and
  // calls it for what it does not consume.
  TWndMethod WindowProc;

  bool IsWindowed() const override { return true; }
  void SetParent(TWinControl* parent) override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void SetCaption(std::u16string caption) override;
  void Invalidate() override;
  RECT ClientRect() const override;

  // Makes the window (and the parents' windows) if it is not there yet.
  void HandleNeeded();

  // Children in the order they were given this parent.
  const std::vector<TControl*>& Controls() const { return controls_; }

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

  void Dispatch(TMessage& message) override { WindowProc(message); }
  void HandleDestroyed() override;

 protected:
  virtual void CreateParams(TCreateParams& params);
  // The window has just been made (settings already applied to it).
  virtual void HandleCreated() {}
  // The class's own message handling.
  virtual void WndProc(TMessage& message);
  void DefaultHandler(TMessage& message) { message.Result = CallDefault(message); }

  // Painting of framework-class windows: background, the control's own
  // picture, then the windowless children.
  virtual void PaintBackground(HDC dc, const RECT& rect);
  void PaintWindow(HDC dc, const RECT& update);
  void PaintControls(HDC dc, const RECT& update);

  void BoundsChanged() override;
  void FontChanged() override;
  // Destroys the window now, while the derived object still handles its
  // messages; call from the most derived destructor.
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
