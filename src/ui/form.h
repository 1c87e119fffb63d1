#pragma once

#include <windows.h>

#include <vector>

#include "ui/win_control.h"

namespace vorlan::ui {

class TForm;

// The forms alive in the process, first created first.
const std::vector<TForm*>& LiveForms();

struct TSizeConstraints {
  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;  // 0: no limit
};

enum class TPosition { poDesigned, poDesktopCenter };

// A top-level window built from its layout. Showing runs OnShow first (the
// window is still hidden), places the window at its first showing and then
// shows it. The window has no owner and an application-window style, so its
// task-bar button exists exactly while it is visible.
class TForm : public TWinControl, public platform::IFormTarget {
 public:
  TForm();
  ~TForm() override;
  std::u16string_view ClassName() const override { return u"TForm"; }

  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  void SetVisible(bool visible) override;

  void SetClientSize(int width, int height);
  const TSizeConstraints& Constraints() const { return constraints_; }
  void SetConstraints(const TSizeConstraints& constraints);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }

  // Title-bar buttons: the system menu (with the close button) always,
  // minimise and maximise on request.
  void SetBorderIcons(bool minimize, bool maximize);

  // The control that has (or gets back) the keyboard focus in this form.
  TWinControl* ActiveControl() const { return active_control_; }
  void SetActiveControl(TWinControl* control);
  // Every focusable control in tab order, depth first.
  std::vector<TWinControl*> FocusOrder() const;
  void SelectFirst();
  void SelectNext(TWinControl* current, bool forward);

  // Keys the form handles before the focused control: Tab moves the focus;
  // other keys are offered to the focused control (DialogKeyPressed). True
  // when consumed.
  virtual bool DialogKey(TWinControl& focused, UINT key);

  // A close request: OnCloseQuery decides; allowed closing hides the form
  // (or ends the program for the main form).
  void Close();

  TNotifyEvent OnShow;
  TCloseQueryEvent OnCloseQuery;
  // The user's session really ends now (WM_ENDSESSION with its flag set);
  // the process may be ended right after this returns.
  TNotifyEvent OnEndSession;

  void ControlFocused(TWinControl& control) { active_control_ = &control; }

  // The message target's view of a form (no MDI in this program).
  bool IsMdiChild() const override { return false; }
  bool IsDestroying() const override { return TComponent::IsDestroying(); }
  bool IsLoading() const override { return TComponent::IsLoading(); }
  platform::IMessageTarget* MdiClient() override { return nullptr; }
  bool IsVisible() const override { return Visible(); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  void Loaded() override;
  virtual void DoShow();
  // Destroys the window and then every component while the derived form is
  // still whole. Freeing the form (its owner, or TOwned) does it; a form
  // kept by other means calls it first in its destructor.
  void DestroyForm();
  void BeforeDestruction() override;

 private:
  void PlaceAtFirstShowing();
  // Shows or hides the window as the visibility flag says.
  void UpdateShowing();
  void ClampSize(int& width, int& height) const;
  bool FixedSize() const;

  TSizeConstraints constraints_;
  TPosition position_ = TPosition::poDesigned;
  bool placed_ = false;
  bool syncing_ = false;  // the flag follows the window: no showing change
  DWORD border_icons_ = WS_SYSMENU;
  TWinControl* active_control_ = nullptr;  // borrowed: one of this form's controls
};

}  // namespace vorlan::ui
