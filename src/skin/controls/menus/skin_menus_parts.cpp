#include "skin/controls/menus/skin_menus_parts.h"

#include <algorithm>

#include "paint/bitmap_gdi_win.h"
#include "skin/draw/section.h"

namespace vorlan::skin {

const ui::TPopupMenu* MenuOf(const ui::TMenuItem& item) { return dynamic_cast<const ui::TPopupMenu*>(item.Owner()); }

bool HasBreakBefore(const ui::TMenuItem& item) {
  const ui::TPopupMenu* menu = MenuOf(item);
  if (!menu) return false;
  for (const ui::TMenuItem* other : menu->Items()) {
    if (other == &item) return false;
    if (other->Break != ui::TMenuBreak::mbNone) return true;
  }
  return false;
}

const ui::TMenuItem* NextItem(const ui::TMenuItem& item) {
  const ui::TPopupMenu* menu = MenuOf(item);
  if (!menu) return nullptr;
  const auto& items = menu->Items();
  const auto at = std::find(items.begin(), items.end(), &item);
  return at == items.end() || at + 1 == items.end() ? nullptr : *(at + 1);
}

std::u16string CaptionText(std::u16string_view caption) {
  if (caption.size() >= 2 && caption.front() == u'-' && caption.back() == u'-')
    caption = caption.substr(1, caption.size() - 2);
  return std::u16string(caption);
}

TMenuItemFont MenuItemFont(const TSkinManager& manager, const ui::TMenuItem& item, std::int32_t state) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  LOGFONTW log = metrics.lfMenuFont;
  TSkMenuFont font;
  font.Name.assign(reinterpret_cast<const char16_t*>(log.lfFaceName));
  font.Height = log.lfHeight;
  font.Color = paint::SystemColorOf(COLOR_MENUTEXT);
  font.Bold = item.Default || log.lfWeight >= FW_BOLD;
  const TSkMenuFont before = font;
  if (manager.OnGetPopupItemData) manager.OnGetPopupItemData(item.Name(), state, font);
  std::fill(std::begin(log.lfFaceName), std::end(log.lfFaceName), L'\0');
  std::copy_n(font.Name.begin(), std::min<std::size_t>(font.Name.size(), LF_FACESIZE - 1), log.lfFaceName);
  log.lfHeight = font.Height;
  log.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
  TMenuItemFont result;
  result.Handle.reset(CreateFontIndirectW(&log));
  result.Color = font.Color;
  result.PlainColor = font.Color != before.Color;
  return result;
}

void CopyOnto(paint::TBitmap32& dst, const paint::TBitmap32& src, paint::TPoint at) {
  for (std::int32_t y = 0; y < src.Height(); ++y) {
    const std::int32_t dy = y + at.Y;
    if (dy < 0 || dy >= dst.Height()) continue;
    for (std::int32_t x = 0; x < src.Width(); ++x) {
      const std::int32_t dx = x + at.X;
      if (dx >= 0 && dx < dst.Width()) dst.Row(dy)[dx] = src.Row(y)[x];
    }
  }
}

void PaintExtraLine(const TSkinManager& manager, const TSkMenuExtraLine& line, paint::TBitmap32& bmp,
                    std::int32_t border) {
  const std::int32_t height = bmp.Height() - 2 * border;
  const std::int32_t width = manager.MenuSupport().ExtraLineWidth;
  if (height <= 0 || width <= 0) return;
  paint::TBitmap32 strip = paint::NewBitmap32(width, height);
  const std::int32_t section = manager.GetSkinIndex(line.SkinSection);
  if (manager.IsValidSkinIndex(section)) {
    PaintSection(manager.Skin, section, paint::MakeCacheInfo(&bmp, border, border), 0,
                 paint::TRect{0, 0, width, height}, {border, border}, strip);
  }
  std::int32_t bottom = 12;
  if (const auto* glyph = static_cast<const paint::TBitmap32*>(line.Glyph)) {
    CopyOnto(strip, *glyph, {(width - glyph->Width()) / 2, height - 12 - glyph->Height()});
    bottom += glyph->Height() + 8;
  }
  if (!line.Caption.empty()) {
    const TSkMenuFont& f = manager.MenuSupport().ExtraLineFont;
    LOGFONTW log{};
    log.lfHeight = f.Height;
    log.lfWeight = f.Bold ? FW_BOLD : FW_NORMAL;
    log.lfEscapement = log.lfOrientation = 900;  // written upwards
    std::copy_n(f.Name.begin(), std::min<std::size_t>(f.Name.size(), LF_FACESIZE - 1), log.lfFaceName);
    const platform::UniqueFont font(CreateFontIndirectW(&log));
    const paint::TBitmapDC dc(strip);
    if (dc.get()) {
      const platform::SelectGuard select(dc.get(), font.get());
      SetBkMode(dc.get(), TRANSPARENT);
      const TColor color =
          manager.IsValidSkinIndex(section) ? manager.Skin.gd[section].Props[0].FontColor.Color : f.Color;
      SetTextColor(dc.get(), paint::ToColorRef(color));
      SIZE extent{};
      GetTextExtentPoint32W(dc.get(), reinterpret_cast<LPCWSTR>(line.Caption.c_str()),
                            static_cast<int>(line.Caption.size()), &extent);
      // Rotated text starts at its baseline's left end, at the bottom.
      TextOutW(dc.get(), (width - extent.cy) / 2, height - bottom, reinterpret_cast<LPCWSTR>(line.Caption.c_str()),
               static_cast<int>(line.Caption.size()));
      paint::TBitmapDC::Flush();
    }
  }
  CopyOnto(bmp, strip, {border, border});
}

}  // namespace vorlan::skin
