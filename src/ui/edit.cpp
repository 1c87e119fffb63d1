#include "ui/edit.h"

#include <vector>

namespace vorlan::ui {

TEdit::TEdit() {
  SetTabStop(true);
  SetColor(clWindow);
}

void TEdit::CreateParams(TCreateParams& params) {
  params.WindowClass = L"EDIT";
  params.SystemClass = true;
  params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | ES_AUTOHSCROLL;
  params.ExStyle = WS_EX_CLIENTEDGE;
}

std::u16string TEdit::Text() const {
  if (!HandleAllocated()) return Caption();
  const int length = GetWindowTextLengthW(Handle());
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
  const int copied = GetWindowTextW(Handle(), buffer.data(), length + 1);
  return FromWide(buffer.data(), static_cast<size_t>(copied));
}

void TEdit::HandleCreated() {
  // No length limit (the system's default is a few thousand characters).
  SendMessageW(Handle(), EM_LIMITTEXT, 0, 0);
}

void TEdit::SetText(const std::u16string& text) { SetCaption(text.substr(0, text.find(u'\0'))); }

void TEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_BASE + WM_CTLCOLOREDIT:
    case CN_BASE + WM_CTLCOLORSTATIC: {
      const HDC dc = reinterpret_cast<HDC>(message.WParam);
      if (!background_ || background_color_ != Color()) {
        background_.reset(CreateSolidBrush(paint::ToColorRef(Color())));
        background_color_ = Color();
      }
      SetTextColor(dc, paint::ToColorRef(Font().Color()));
      SetBkColor(dc, paint::ToColorRef(Color()));
      message.Result = reinterpret_cast<LRESULT>(background_.get());
      return;
    }
    case CN_BASE + WM_COMMAND:
      return;
    case WM_CHAR:
      // A one-line box has no use for Enter; without this it beeps.
      if (message.WParam == L'\r' && !(GetWindowLongPtrW(Handle(), GWL_STYLE) & ES_MULTILINE)) return;
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

void TMemo::CreateParams(TCreateParams& params) {
  TEdit::CreateParams(params);
  params.Style = WS_CHILD | WS_CLIPSIBLINGS | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL;
}

}  // namespace vorlan::ui
