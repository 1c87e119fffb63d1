#pragma once

#include "ui/win_control.h"

namespace vorlan::ui {

// The system's push button. It clicks on a mouse click, on Space, and on
// Enter while it has the focus. The form's default button clicks on Enter
// and its cancel button on Escape wherever the focus is, unless the focused
// control takes the key itself.
class TButton : public TWinControl {
 public:
  TButton() { SetTabStop(true); }
  std::u16string_view ClassName() const override { return u"TButton"; }
  bool DialogKeyPressed(UINT key) override;

  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  // The button became the default button or stopped being it.
  virtual void DefaultChanged() {}

 private:
  bool default_ = false;
  bool cancel_ = false;
};

}  // namespace vorlan::ui
