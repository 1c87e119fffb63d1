#pragma once

#include "ui/control.h"

namespace vorlan::ui {

// Text painted by its parent, on the parent's background.
class TLabel : public TControl {
 public:
  void Paint(HDC dc) override;
};

}  // namespace vorlan::ui
