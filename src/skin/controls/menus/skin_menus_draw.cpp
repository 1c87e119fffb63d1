#include <algorithm>

#include "paint/bitmap_gdi_win.h"
#include "paint/copies.h"
#include "skin/controls/menus/skin_menus.h"
#include "skin/controls/menus/skin_menus_parts.h"
#include "skin/controls/text/skin_text.h"
#include "skin/draw/border_mask.h"
#include "skin/draw/image_entry.h"
#include "skin/draw/mask_image.h"
#include "skin/draw/section.h"

namespace vorlan::skin {
namespace {

// The line between columns when there is no menu-item section.
constexpr TColor kColumnLineColor = 0x808080;

std::int32_t Width(const RECT& r) { return r.right - r.left; }
std::int32_t Height(const RECT& r) { return r.bottom - r.top; }

// The picture's part under an item (the picture has the frame around the
// client area) copied into a bitmap of the item's size.
paint::TBitmap32 PictureUnder(const paint::TBitmap32& picture, std::int32_t x, std::int32_t y, std::int32_t w,
                              std::int32_t h) {
  paint::TBitmap32 part = paint::NewBitmap32(std::max(w, 1), std::max(h, 1));
  CopyOnto(part, picture, {-x, -y});
  return part;
}

// Where a window's client area starts within the window: the system's
// menu windows have a three-pixel frame outside their client area on
// Windows, none on Wine, which draws its frame inside. Without a window the
// picture was built with the frame width around the items.
paint::TPoint ClientOrigin(HWND window, std::int32_t frame) {
  if (!window) return {frame, frame};
  RECT outer{};
  POINT client{0, 0};
  if (!GetWindowRect(window, &outer) || !ClientToScreen(window, &client)) return {frame, frame};
  return {client.x - outer.left, client.y - outer.top};
}

}  // namespace

void TSkinableMenus::SkinAdvancedDrawItem(ui::TMenuItem& item, HDC canvas, const RECT& r, UINT state) {
  if (!FOwner.Active() || !FOwner.Skin.CommonSkinData.Active) return;
  const ui::TPopupMenu* menu = MenuOf(item);
  HWND window = MenuWindowOfDc(canvas);
  // Drawn into another context (a memory or print context): the window the
  // popup was shown in.
  if (!window && menu) window = menu->PopupWindow();
  TSkMenuInfo* info = GetMenuInfo(item, 0, window, canvas, 0);
  if (!info || !info->Bmp) return;
  const bool first_column = !HasBreakBefore(item);
  const TItemCanvas on{canvas, ClientOrigin(window, FBorderWidth)};
  if (window) {
    const bool first = menu && !menu->Items().empty() && menu->Items().front() == &item;
    const bool last = menu && !menu->Items().empty() && menu->Items().back() == &item;
    DrawFrameNear(*info, on.Origin, r, first, last);
  }
  switch (MenuItemKind(item.Caption())) {
    case smDivider:
      DrawDivider(*info, on, r, first_column);
      break;
    case smCaption:
      DrawCaption(item, *info, on, r);
      break;
    case smNormal:
      DrawNormal(item, *info, on, r, state, first_column);
      break;
  }
  DrawColumnEnd(item, *info, on, r);
}

void TSkinableMenus::DrawFrameNear(const TSkMenuInfo& info, paint::TPoint origin, const RECT& r, bool first,
                                   bool last) {
  if (!info.Wnd || BorderDrawing) return;
  const paint::TBitmap32& picture = *info.Bmp;
  const platform::WholeWindowDc dc(info.Wnd);
  const std::int32_t b = FBorderWidth, w = picture.Width(), h = picture.Height();
  if (first) paint::ShowBitmap(dc.get(), {0, 0}, picture, paint::TRect{0, 0, w, b});
  if (last) paint::ShowBitmap(dc.get(), {0, h - b}, picture, paint::TRect{0, h - b, w, h});
  const std::int32_t top = r.top + origin.Y, bottom = r.bottom + origin.Y;
  const paint::TRect beside{w - b, top, w, bottom};
  paint::ShowBitmap(dc.get(), {beside.Left, beside.Top}, picture, beside);
  paint::ShowBitmap(dc.get(), {0, top}, picture, paint::TRect{0, top, b, bottom});
}

void TSkinableMenus::DrawColumnEnd(const ui::TMenuItem& item, const TSkMenuInfo& info, const TItemCanvas& canvas,
                                   const RECT& r) {
  const ui::TMenuItem* next = NextItem(item);
  if (next && next->Break == ui::TMenuBreak::mbNone) return;
  const paint::TBitmap32& picture = *info.Bmp;
  const paint::TPoint o = canvas.Origin;
  // The client area ends at the frame's bottom strip.
  const std::int32_t bottom = picture.Height() - FBorderWidth - o.Y;
  if (bottom > r.bottom) {
    paint::ShowBitmap(canvas.Dc, {r.left, r.bottom}, picture,
                      paint::TRect{r.left + o.X, r.bottom + o.Y, r.right + o.X, bottom + o.Y});
  }
  if (!next || next->Break != ui::TMenuBreak::mbBarBreak) return;
  const std::int32_t section = FOwner.ConstData.Sections[ssMenuItem];
  const TColor color = FOwner.IsValidSkinIndex(section)
                           ? FOwner.Skin.gd[static_cast<std::size_t>(section)].Props[0].FontColor.Color
                           : kColumnLineColor;
  const platform::UniqueBrush brush(CreateSolidBrush(static_cast<COLORREF>(paint::ResolveColor(color))));
  const RECT line{r.right - 1, r.top, r.right, std::max<LONG>(bottom, r.bottom)};
  FillRect(canvas.Dc, &line, brush.get());
}

void TSkinableMenus::DrawDivider(const TSkMenuInfo& info, const TItemCanvas& canvas, const RECT& r, bool first_column) {
  const std::int32_t extra = first_column ? ExtraWidth(info) : 0;
  const paint::TPoint o = canvas.Origin;
  paint::TBitmap32 bmp = PictureUnder(*info.Bmp, r.left + o.X, r.top + o.Y, Width(r), Height(r));
  const std::int32_t ic = FMargin + kGlyphSize + FSpacing;
  std::int32_t left = extra + FMargin;
  if (FOwner.IsValidSkinIndex(FOwner.GetSkinIndex(FOwner.MenuSupport().IcoLineSkin))) {
    left = std::max(extra + FMargin + FSpacing, extra + ic + 2);
  }
  const std::int32_t right = Width(r) - (extra + 2 * FMargin);
  const std::int32_t section = FOwner.GetSkinIndex(u"DIVIDERV");
  const TImageEntry image = SkinImage(FOwner.Skin, FOwner.GetMaskIndex(section, u"DIVIDERV", u"BORDERSMASK"));
  if (right > left) {
    const paint::TRect line{left, 0, right, Height(r)};
    if (image) {
      PaintBorderMask(bmp, line, paint::MakeCacheInfo(&bmp, 0, 0), image, 0, false);
    } else {
      TColor color = FOwner.Skin.Palette[pcBorder];
      if (color == paint::kKeyColor) color = paint::SystemColorOf(COLOR_BTNSHADOW);
      const std::uint32_t pixel = paint::ColorToPixel(paint::ResolveColor(color)) | 0xFF000000u;
      std::fill(bmp.Row(0) + left, bmp.Row(0) + right, pixel);
    }
  }
  paint::ShowBitmap(canvas.Dc, {r.left, r.top}, bmp);
}

void TSkinableMenus::DrawCaption(const ui::TMenuItem& item, const TSkMenuInfo& info, const TItemCanvas& canvas,
                                 const RECT& r) {
  const std::int32_t extra = ExtraWidth(info);
  const paint::TPoint o = canvas.Origin;
  paint::TBitmap32 bmp = PictureUnder(*info.Bmp, r.left + o.X, r.top + o.Y, Width(r), Height(r));
  std::int32_t section = FOwner.GetSkinIndex(u"MENUCAPTION");
  if (!FOwner.IsValidSkinIndex(section)) section = FOwner.GetSkinIndex(u"TOOLBAR");
  const paint::TRect box{extra + 1, 1, Width(r) - 1, Height(r) - 1};
  if (box.Right > box.Left && box.Bottom > box.Top) {
    PaintSection(FOwner.Skin, section, paint::MakeCacheInfo(&bmp, 0, 0), 0, box, {box.Left, box.Top}, bmp);
  }
  const TMenuItemFont font = MenuItemFont(FOwner, item, 0);
  {
    const paint::TBitmapDC dc(bmp);
    RECT text{extra, FMargin + 2, Width(r), Height(r) - FMargin - 2};
    WriteSectionText(TTextCanvas{dc.get(), TTextFont{font.Handle.get(), font.Color}}, CaptionText(item.Caption()), true,
                     &FOwner, 0, section, DT_CENTER | DT_VCENTER | DT_SINGLELINE, text);
    paint::TBitmapDC::Flush();
  }
  paint::ShowBitmap(canvas.Dc, {r.left, r.top}, bmp);
}

void TSkinableMenus::DrawNormal(ui::TMenuItem& item, const TSkMenuInfo& info, const TItemCanvas& canvas, const RECT& r,
                                UINT state, bool first_column) {
  const paint::TPoint o = canvas.Origin;
  const std::int32_t extra = first_column ? ExtraWidth(info) : 0;
  const std::int32_t w = Width(r) - extra, h = Height(r);
  if (w <= 0 || h <= 0) return;
  const bool enabled = (state & (ODS_GRAYED | ODS_DISABLED)) == 0;
  const bool selected = (state & ODS_SELECTED) != 0;
  const std::int32_t item_state = selected && enabled ? 1 : 0;
  const paint::TPoint at{extra + r.left, r.top};
  paint::TBitmap32 bmp = PictureUnder(*info.Bmp, at.X + o.X, at.Y + o.Y, w, h);
  const std::int32_t section = FOwner.ConstData.Sections[ssMenuItem];
  if (FOwner.IsValidSkinIndex(section)) {
    PaintSection(FOwner.Skin, section, paint::MakeCacheInfo(info.Bmp.get(), at.X + o.X, at.Y + o.Y), item_state,
                 paint::TRect{0, 0, w, h}, {0, 0}, bmp);
  }
  if (item.Checked) {
    std::int32_t mask = item.RadioItem ? FOwner.ConstData.RadioButton[1] : FOwner.GetMaskIndex(section, u"CHECK");
    if (!FOwner.IsValidImgIndex(mask)) mask = FOwner.ConstData.CheckBox[1];
    if (const TImageEntry glyph = SkinImage(FOwner.Skin, mask)) {
      const std::int32_t x = std::max(0, (kGlyphSize - glyph.FrameWidth()) / 2 + FMargin);
      PaintMaskImage(bmp, {x, (h - glyph.FrameHeight()) / 2}, item_state, paint::MakeCacheInfo(&bmp, 0, 0), glyph,
                     kMaskImageNormal);
    }
  }
  const TMenuItemFont font = MenuItemFont(FOwner, item, state);
  {
    const paint::TBitmapDC dc(bmp);
    if (dc.get()) {
      const TTextCanvas text_canvas{dc.get(), TTextFont{font.Handle.get(), font.Color}};
      const ui::TPopupMenu* menu = MenuOf(item);
      const char16_t glyph = menu && menu->Name().starts_with(u"skSysMenu") ? SysMenuGlyph(item.Command) : 0;
      if (glyph) {
        LOGFONTW log{};
        log.lfHeight = -10;
        log.lfCharSet = SYMBOL_CHARSET;
        lstrcpyW(log.lfFaceName, L"Webdings");
        const platform::UniqueFont webdings(CreateFontIndirectW(&log));
        RECT box{FMargin, 0, FMargin + kGlyphSize, h};
        const std::u16string text(1, glyph);
        WriteSectionText(TTextCanvas{dc.get(), TTextFont{webdings.get(), font.Color}}, text, enabled, &FOwner,
                         item_state, section, DT_CENTER | DT_VCENTER | DT_SINGLELINE, box);
      }
      std::u16string caption = item.Caption();
      std::u16string right_part;
      if (const std::size_t tab = caption.find(u'\t'); tab != std::u16string::npos) {
        right_part = caption.substr(tab + 1);
        caption.resize(tab);
      }
      UINT format = DT_VCENTER | DT_EXPANDTABS | DT_NOCLIP;
      format |= caption.find(u'\n') != std::u16string::npos ? DT_WORDBREAK : DT_SINGLELINE;
      if (state & ODS_NOACCEL) format |= DT_HIDEPREFIX;
      if (!caption.empty() && caption.front() == u'\x08') {
        caption = caption.substr(1) + u"      ";
        format |= DT_RIGHT;
      } else if (FAlignment == maRightJustify) {
        format |= DT_RIGHT;
      } else if (FAlignment == maCenter) {
        format |= DT_CENTER;
      }
      RECT text{kGlyphSize + 2 * FMargin + FSpacing, FMargin, w, h - FMargin};
      const std::int32_t text_state = enabled && (selected || (state & ODS_HOTLIGHT)) ? 1 : 0;
      if (font.PlainColor) {
        SetBkMode(dc.get(), TRANSPARENT);
        DrawTextW(text_canvas, caption, text, format);
      } else {
        WriteSectionText(text_canvas, caption, enabled, &FOwner, text_state, section, format, text);
      }
      for (const std::u16string* part : {&right_part, &item.ShortCutText}) {
        if (part->empty()) continue;
        RECT shortcut{text.left, text.top, w - 8, text.bottom};
        WriteSectionText(text_canvas, *part, enabled, &FOwner, text_state, section,
                         DT_RIGHT | DT_VCENTER | DT_SINGLELINE, shortcut);
      }
      if (OnDrawItem) OnDrawItem(item, dc.get(), smNormal, state, RECT{0, 0, w, h});
      paint::TBitmapDC::Flush();
    }
  }
  if (!enabled) {
    // 40 percent of the item over 60 percent of the menu's background.
    const paint::TBitmap32 under = PictureUnder(*info.Bmp, at.X + o.X, at.Y + o.Y, w, h);
    paint::BlendKeyedRect(bmp, 0, 0, paint::kNoColor, kDisabledBlend, paint::TRect{0, 0, w - 1, h - 1}, under);
  }
  paint::ShowBitmap(canvas.Dc, {at.X, at.Y}, bmp);
  const ui::TPopupMenu* menu = MenuOf(item);
  if (extra > 0 && menu && menu->Items().front() == &item) {
    const paint::TBitmap32& picture = *info.Bmp;
    const std::int32_t b = FBorderWidth;
    paint::ShowBitmap(canvas.Dc, {b - o.X, b - o.Y}, picture, paint::TRect{b, b, b + extra, picture.Height() - b});
  }
}

}  // namespace vorlan::skin
