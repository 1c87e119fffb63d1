#include "ui/label.h"

#include "ui/handle.h"

namespace vorlan::ui {

void TLabel::Paint(HDC dc) {
  SelectGuard font(dc, Font().Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Enabled() ? Font().Color() : static_cast<TColor>(kSystemColorFlag | COLOR_GRAYTEXT)));
  RECT rect = ClientRect();
  DrawTextW(dc, Wide(Caption()), static_cast<int>(Caption().size()), &rect, DT_LEFT | DT_TOP | DT_SINGLELINE);
}

}  // namespace vorlan::ui
