#include "ui/panel.h"

namespace vorlan::ui {

void TPanel::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WindowClass = L"VorlanPanel";
}

RECT TPanel::AlignRect() const {
  RECT rect = ClientRect();
  InflateRect(&rect, -kBevelWidth, -kBevelWidth);
  return rect;
}

void TPanel::Paint(HDC dc) {
  RECT edge = ClientRect();
  DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
}

}  // namespace vorlan::ui
