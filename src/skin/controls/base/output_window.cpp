#include "skin/controls/base/output_window.h"

#include "paint/colors.h"
#include "ui/application.h"

namespace vorlan::skin {

TOutputWindow::TOutputWindow() {
  SetVisible(false);
  SetColor(paint::kKeyColor);
  SetCaption(std::u16string(kOutputWindowCaption));
}

void TOutputWindow::CreateParams(ui::TCreateParams& params) {
  ui::TWinControl::CreateParams(params);
  params.WindowClass = L"VorlanOutputWindow";
  if (Parent()) return;
  params.Style = WS_POPUP;
  params.ExStyle = 0;
  params.WndParent = ui::Application().Handle();
  if (params.WndParent && (GetWindowLongPtrW(params.WndParent, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
    params.ExStyle |= WS_EX_TOPMOST;
  }
}

void TOutputWindow::WndProc(ui::TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_NCPAINT:
      message.Result = 0;
      return;
    default:
      ui::TWinControl::WndProc(message);
  }
}

}  // namespace vorlan::skin
