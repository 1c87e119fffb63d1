#pragma once

#include "ui/win_control.h"

namespace vorlan::ui {

// A plain container with a raised edge.
class TPanel : public TWinControl {
 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint(HDC dc) override;
};

}  // namespace vorlan::ui
