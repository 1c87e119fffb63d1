#include "ui/label.h"

#include "platform/handle_win.h"

namespace vorlan::ui {
namespace {

constexpr UINT kTextFormat = DT_LEFT | DT_TOP | DT_SINGLELINE;

}  // namespace

void TLabel::SetAutoSize(bool auto_size) {
  auto_size_ = auto_size;
  AdjustSize();
}

void TLabel::SetCaption(std::u16string caption) {
  TControl::SetCaption(std::move(caption));
  AdjustSize();
}

void TLabel::AdjustSize() {
  if (!auto_size_ || IsLoading()) return;
  platform::WindowDc screen(nullptr);
  platform::SelectGuard font(screen.get(), Font().Handle());
  RECT text{0, 0, 0, 0};
  DrawTextW(screen.get(), Wide(Caption()), static_cast<int>(Caption().size()), &text, kTextFormat | DT_CALCRECT);
  SetBounds(Left(), Top(), text.right - text.left, text.bottom - text.top);
}

void TLabel::Paint(HDC dc) {
  platform::SelectGuard font(dc, Font().Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, paint::ToColorRef(Enabled() ? Font().Color() : clGrayText));
  RECT rect = ClientRect();
  DrawTextW(dc, Wide(Caption()), static_cast<int>(Caption().size()), &rect, kTextFormat);
}

}  // namespace vorlan::ui
