#pragma once

#include "ui/win_control.h"

namespace vorlan::ui {

// A plain container with a raised edge.
class TPanel : public TWinControl {
 public:
  std::u16string_view ClassName() const override { return u"TPanel"; }
  static constexpr int kBevelWidth = 1;
  // Aligned children stay inside the edge.
  RECT AlignRect() const override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint(HDC dc) override;
};

}  // namespace vorlan::ui
