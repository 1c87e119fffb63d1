#pragma once

#include <string>

#include "platform/handle_win.h"
#include "ui/win_control.h"

namespace vorlan::ui {

// The system's edit box: one line of text, its own background colour.
class TEdit : public TWinControl {
 public:
  TEdit();
  std::u16string_view ClassName() const override { return u"TEdit"; }

  std::u16string Text() const;
  void SetText(const std::u16string& text);

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& message) override;

 private:
  platform::UniqueBrush background_;
  TColor background_color_ = -1;
};

// The system's multi-line edit box without a length limit. Text is handed
// over as a NUL-terminated string: it keeps the text up to the first U+0000.
class TMemo : public TEdit {
 public:
  TMemo() { SetTabStop(false); }
  std::u16string_view ClassName() const override { return u"TMemo"; }

 protected:
  void CreateParams(TCreateParams& params) override;
};

}  // namespace vorlan::ui
