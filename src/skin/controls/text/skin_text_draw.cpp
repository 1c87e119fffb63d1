#include "skin/controls/text/skin_text_draw.h"

#include <climits>

#include "platform/handle_win.h"

namespace vorlan::skin {
namespace {

int Length(std::u16string_view text) { return text.size() > INT_MAX ? INT_MAX : static_cast<int>(text.size()); }

const wchar_t* Chars(std::u16string_view text) { return reinterpret_cast<const wchar_t*>(text.data()); }

}  // namespace

int DrawTextW(HDC dc, std::u16string_view text, RECT& rect, UINT format) {
  if (dc == nullptr || text.empty()) return 0;
  return ::DrawTextW(dc, Chars(text), Length(text), &rect, format);
}

int DrawTextW(const TTextCanvas& canvas, std::u16string_view text, RECT& rect, UINT format) {
  if (canvas.DC == nullptr || text.empty()) return 0;
  const platform::SavedDcState saved(canvas.DC);
  SelectObject(canvas.DC, FontToUse(canvas.DC, canvas.Font.Handle));
  SetTextColor(canvas.DC, paint::ToColorRef(canvas.Font.Color));
  return DrawTextW(canvas.DC, text, rect, format);
}

SIZE MeasureText(HFONT font, std::u16string_view text, UINT format, int width, bool wrap) {
  const platform::WindowDc screen(nullptr);
  if (screen.get() == nullptr) return {0, 0};
  const platform::SelectGuard select(screen.get(), FontToUse(screen.get(), font));
  if (wrap) {
    RECT box{0, 0, width, 0};
    if (DrawTextW(screen.get(), text, box, format | DT_CALCRECT | DT_WORDBREAK) == 0) return {0, 0};
    return {box.right - box.left, box.bottom - box.top};
  }
  SIZE size{0, 0};
  if (!text.empty() && !GetTextExtentPoint32W(screen.get(), Chars(text), Length(text), &size)) return {0, 0};
  return size;
}

HFONT FontToUse(HDC dc, HFONT font) {
  if (font != nullptr) return font;
  if (dc != nullptr) {
    if (auto current = static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT))) return current;
  }
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

platform::UniqueFont UnderlinedFont(HFONT font) {
  LOGFONTW log{};
  if (font == nullptr || GetObjectW(font, sizeof(log), &log) == 0) return {};
  log.lfUnderline = TRUE;
  return platform::UniqueFont(CreateFontIndirectW(&log));
}

}  // namespace vorlan::skin
