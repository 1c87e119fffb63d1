#pragma once

#include <string_view>

#include "ui/win_control.h"

// A free-standing picture window (the frames of show and hide effects are
// shown in one): invisible until shown, the key colour as its colour, no
// erasing and no frame of its own. Without a parent it is a popup owned by
// the application window, topmost when that window is.
namespace vorlan::skin {

inline constexpr std::u16string_view kOutputWindowCaption = u"skOutputWindow";

class TOutputWindow : public ui::TWinControl {
 public:
  TOutputWindow();
  std::u16string_view ClassName() const override { return u"TOutputWindow"; }

 protected:
  void CreateParams(ui::TCreateParams& params) override;
  void WndProc(ui::TMessage& message) override;
};

}  // namespace vorlan::skin
