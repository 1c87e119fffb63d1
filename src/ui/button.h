#pragma once

#include "ui/win_control.h"

namespace vorlan::ui {

// The system's push button. It clicks on a mouse click, on Space, and on
// Enter while it has the focus; it is never a default button.
class TButton : public TWinControl {
 public:
  TButton() { SetTabStop(true); }
  std::u16string_view ClassName() const override { return u"TButton"; }
  bool DialogKeyPressed(UINT key) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
};

}  // namespace vorlan::ui
