#include "skin/controls/menus/skin_menus.h"
#include "skin/controls/base/skin_messaging.h"

#include <algorithm>
#include <utility>

#include "paint/bitmap_gdi_win.h"
#include "platform/handle_win.h"
#include "skin/controls/base/window_queries.h"
#include "skin/controls/menus/menu_window.h"
#include "skin/controls/menus/skin_menus_parts.h"
#include "skin/controls/text/skin_text_draw.h"
#include "skin/draw/border_mask.h"
#include "skin/draw/image_entry.h"
#include "skin/draw/section.h"
#include "skin/draw/state_fill.h"
#include "ui/creation_hook.h"
#include "ui/form.h"

namespace vorlan::skin {
namespace {

// The painter's own handlers, told apart from a program's by their type.
struct TMeasureHook {
  TSkinableMenus* Painter;
  void operator()(ui::TMenuItem& item, HDC dc, int& width, int& height) const {
    Painter->SkinMeasureItem(item, dc, width, height);
  }
};
struct TDrawHook {
  TSkinableMenus* Painter;
  void operator()(ui::TMenuItem& item, HDC dc, const RECT& r, UINT state) const {
    Painter->SkinAdvancedDrawItem(item, dc, r, state);
  }
};

// The painter's own close handler: the popup's loop is over.
struct TCloseHook {
  TSkinableMenus* Painter;
  void operator()(ui::TObject& /*menu*/) const { Painter->ClearMenuInfos(); }
};

void WalkComponents(ui::TComponent& component, TSkinableMenus& painter, bool active) {
  for (const auto& child : component.Components()) {
    if (auto* menu = dynamic_cast<ui::TPopupMenu*>(child.get())) {
      painter.HookPopupMenu(*menu, active);
    } else if (auto* item = dynamic_cast<ui::TMenuItem*>(child.get())) {
      painter.HookItem(*item, active);
    } else {
      WalkComponents(*child, painter, active);
    }
  }
}

// Runs of key-coloured pixels in the rows [top, bottom) of the picture.
void AddKeyRuns(const paint::TBitmap32& bmp, std::int32_t top, std::int32_t bottom, std::vector<paint::TRect>& runs) {
  const std::uint32_t key = paint::ColorToPixel(paint::kKeyColor) & 0x00FFFFFFu;
  for (std::int32_t y = std::max(top, 0); y < std::min(bottom, bmp.Height()); ++y) {
    const std::uint32_t* row = bmp.Row(y);
    std::int32_t x = 0;
    while (x < bmp.Width()) {
      if ((row[x] & 0x00FFFFFFu) != key) {
        ++x;
        continue;
      }
      const std::int32_t start = x;
      while (x < bmp.Width() && (row[x] & 0x00FFFFFFu) == key) ++x;
      runs.push_back(paint::TRect{start, y, x, y + 1});
    }
  }
}

}  // namespace

TSkMenuItemKind MenuItemKind(std::u16string_view caption) {
  if (caption == u"-") return smDivider;
  if (caption.size() >= 2 && caption.front() == u'-' && caption.back() == u'-') return smCaption;
  return smNormal;
}

char16_t SysMenuGlyph(UINT command) {
  switch (command) {
    case SC_MINIMIZE:
      return u'0';
    case SC_MAXIMIZE:
      return u'1';
    case SC_CLOSE:
      return u'r';
    case SC_RESTORE:
      return u'2';
    default:
      return 0;
  }
}

HWND MenuWindowOfDc(HDC canvas) {
  const HWND window = canvas ? WindowFromDC(canvas) : nullptr;
  if (!window) return nullptr;
  return ui::WindowClassName(window) == std::u16string_view(reinterpret_cast<const char16_t*>(kPopupMenuClass))
             ? window
             : nullptr;
}

TSkinableMenus::~TSkinableMenus() {
  if (FActive) InitItems(false);
  FMenuInfos.clear();
}

void TSkinableMenus::InitItems(bool active) {
  FSkinBorderWidth = -1;
  for (ui::TForm* form : ui::LiveForms()) WalkComponents(*form, *this, active);
}

void TSkinableMenus::HookPopupMenu(ui::TPopupMenu& menu, bool active) {
  menu.OwnerDraw = active && FOwner.SkinnedPopups();
  menu.MenuAnimation = !active;
  if (active) {
    if (!menu.OnClose) menu.OnClose = TCloseHook{this};
  } else if (menu.OnClose.target<TCloseHook>()) {
    menu.OnClose = nullptr;
  }
  for (ui::TMenuItem* item : menu.Items()) HookItem(*item, active);
}

void TSkinableMenus::HookItem(ui::TMenuItem& item, bool active) {
  if (active) {
    if (!item.OnMeasureItem) item.OnMeasureItem = TMeasureHook{this};
    if (!item.OnAdvancedDrawItem) item.OnAdvancedDrawItem = TDrawHook{this};
  } else {
    if (item.OnMeasureItem.target<TMeasureHook>()) item.OnMeasureItem = nullptr;
    if (item.OnAdvancedDrawItem.target<TDrawHook>()) item.OnAdvancedDrawItem = nullptr;
  }
  for (const auto& child : item.Components()) {
    if (auto* sub = dynamic_cast<ui::TMenuItem*>(child.get())) HookItem(*sub, active);
  }
}

void TSkinableMenus::ClearMenuInfos() { FMenuInfos.clear(); }

std::int32_t TSkinableMenus::ExtraWidth(const TSkMenuInfo& info) const {
  return FOwner.MenuSupport().UseExtraLine && info.HaveExtraLine ? FOwner.MenuSupport().ExtraLineWidth : 0;
}

std::int32_t TSkinableMenus::SkinBorderWidth() {
  if (FSkinBorderWidth < 0) {
    const std::int32_t section = FOwner.GetSkinIndex(kMainMenuSection);
    FSkinBorderWidth = FOwner.MaskWidthLeft(FOwner.GetMaskIndex(section, kMainMenuSection, u"BORDERSMASK"));
  }
  return FSkinBorderWidth;
}

TSkMenuExtraLine TSkinableMenus::ExtraLineData(const ui::TMenuItem& first) const {
  TSkMenuExtraLine line;
  if (first.Name() != u"SkinSelectItem") {
    line.Visible = false;
    return line;
  }
  if (FOwner.OnGetMenuExtraLineData) FOwner.OnGetMenuExtraLineData(first.Name(), line);
  std::erase(line.Caption, u'&');
  return line;
}

void TSkinableMenus::SkinMeasureItem(ui::TMenuItem& item, HDC /*canvas*/, int& width, int& height) {
  if (item.IsDestroying()) return;
  const ui::TPopupMenu* menu = MenuOf(item);
  const ui::TMenuItem* first = menu && !menu->Items().empty() ? menu->Items().front() : &item;
  const TSkMenuExtraLine line = ExtraLineData(*first);
  const TSkMenuItemKind kind = MenuItemKind(item.Caption());
  const TMenuItemFont font = MenuItemFont(FOwner, item, 0);
  SIZE text{};
  if (kind == smCaption) {
    text = MeasureText(font.Handle.get(), CaptionText(item.Caption()), DT_SINGLELINE, 800, false);
  } else if (kind == smDivider) {
    text = SIZE{1, 0};
  } else {
    std::u16string caption = item.Caption();
    if (!item.ShortCutText.empty()) caption += u"\t" + item.ShortCutText;
    text = MeasureText(font.Handle.get(), caption, DT_CALCRECT | DT_WORDBREAK | DT_NOCLIP | DT_EXPANDTABS, 800, true);
  }
  width = text.cx + 2 * kGlyphSize + 3 * FMargin + FSpacing;
  const bool first_column = item.Break == ui::TMenuBreak::mbNone || &item == first;
  if (line.Visible && FOwner.MenuSupport().UseExtraLine && first_column && !HasBreakBefore(item)) {
    width += FOwner.MenuSupport().ExtraLineWidth;
  }
  switch (kind) {
    case smDivider:
      height = 2;
      break;
    case smCaption:
      height = text.cy + 2 * FMargin + 3;
      break;
    case smNormal:
      height = std::max<int>(text.cy, kGlyphSize) + 2 * FMargin + 2;
      break;
  }
}

TSkMenuInfo* TSkinableMenus::GetMenuInfo(const ui::TMenuItem& item, int width, HWND window, HDC canvas, int height) {
  const ui::TPopupMenu* menu = MenuOf(item);
  const ui::TMenuItem* first = menu && !menu->Items().empty() ? menu->Items().front() : &item;
  for (TSkMenuInfo& info : FMenuInfos) {
    if (info.FirstItem == first) {
      if (window && !info.Wnd) {
        info.Wnd = window;
        ConnectWindow(window);
        DrawWndBorder(window, *info.Bmp);
      }
      return &info;
    }
  }
  if (!canvas) return nullptr;
  if (window) {
    RECT wr{};
    GetWindowRect(window, &wr);
    width = wr.right - wr.left;
    height = wr.bottom - wr.top;
  } else if (width <= 0 || height <= 0) {
    const SIZE computed = ComputedSize(*first);
    width = computed.cx;
    height = computed.cy;
  }
  return &PrepareMenuBG(*first, width, window, height);
}

SIZE TSkinableMenus::ComputedSize(const ui::TMenuItem& first) {
  const ui::TPopupMenu* menu = MenuOf(first);
  if (!menu) return SIZE{};
  // The widest item + 12; each column after a break adds its widest + 4.
  int width = 0, tallest = 0, column_width = 0, column_height = 0, gap = 12;
  const auto end_column = [&] {
    width += column_width + gap;
    tallest = std::max(tallest, column_height);
    column_width = column_height = 0;
    gap = 4;
  };
  for (ui::TMenuItem* item : menu->Items()) {
    if (item != &first && item->Break != ui::TMenuBreak::mbNone) end_column();
    int item_width = 0, item_height = 0;
    SkinMeasureItem(*item, nullptr, item_width, item_height);
    column_width = std::max(column_width, item_width);
    column_height += item_height;
  }
  end_column();
  return SIZE{width + 2 * FBorderWidth, tallest + 2 * FBorderWidth};
}

TSkMenuInfo& TSkinableMenus::PrepareMenuBG(const ui::TMenuItem& item, int width, HWND window, int height) {
  const TSkMenuExtraLine line = ExtraLineData(item);
  TSkMenuInfo info;
  info.FirstItem = &item;
  info.HaveExtraLine = line.Visible;
  info.Bmp = std::make_unique<paint::TBitmap32>(paint::NewBitmap32(std::max(width, 1), std::max(height, 1)));
  paint::TBitmap32& bmp = *info.Bmp;
  const paint::TRect whole{0, 0, bmp.Width(), bmp.Height()};
  const std::int32_t ic = FMargin + kGlyphSize + FSpacing;
  const std::int32_t section = FOwner.GetSkinIndex(kMainMenuSection);
  FArOR.clear();
  if (FOwner.IsValidSkinIndex(section)) {
    const TLoadedSkin& skin = FOwner.Skin;
    PaintSectionBackground(skin, section, paint::EmptyCacheInfo(), 0, kNoCustomColor, -1, -1, bmp, {0, 0}, whole);
    const std::int32_t sbw = SkinBorderWidth();
    const std::int32_t extra = ExtraWidth(info);
    const std::int32_t ico_line = FOwner.GetSkinIndex(FOwner.MenuSupport().IcoLineSkin);
    const bool right_aligned = window && (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
    if (!right_aligned && FOwner.IsValidSkinIndex(ico_line) && bmp.Height() > 2 * sbw) {
      paint::TBitmap32 column = paint::NewBitmap32(ic, bmp.Height() - 2 * sbw);
      PaintSection(skin, ico_line, paint::MakeCacheInfo(&bmp, extra + sbw, sbw), 0,
                   paint::TRect{0, 0, column.Width(), column.Height()}, {extra + sbw, sbw}, column);
      CopyOnto(bmp, column, {extra + sbw, sbw});
    }
    const std::int32_t mask = FOwner.GetMaskIndex(section, kMainMenuSection, u"BORDERSMASK");
    const TImageEntry border = SkinImage(skin, mask);
    if (border) {
      PaintBorderMask(bmp, whole, paint::MakeCacheInfo(&bmp, 0, 0), border, 0, false);
      // The transparent corners: runs of key pixels in the border's top and
      // bottom rows.
      const std::int32_t top = FOwner.MaskWidthTop(mask);
      const std::int32_t bottom = FOwner.MaskWidthBottom(mask);
      AddKeyRuns(bmp, 0, top, FArOR);
      AddKeyRuns(bmp, bmp.Height() - bottom, bmp.Height(), FArOR);
    }
    if (FOwner.MenuSupport().UseExtraLine && line.Visible) PaintExtraLine(FOwner, line, bmp, sbw);
  }
  FMenuInfos.push_back(std::move(info));
  TSkMenuInfo& added = FMenuInfos.back();
  if (window) {
    added.Wnd = window;
    ConnectWindow(window);
    DrawWndBorder(window, *added.Bmp);
  }
  return added;
}

void TSkinableMenus::ConnectWindow(HWND window) {
  TSkMnuWnd* adapter = TSkMnuWnd::Find(window);
  if (!adapter) return;  // no hook: the frame is drawn with the items only
  const std::weak_ptr<TSkinableMenus*> self = FSelf;
  adapter->ConnectPainter(
      [self](HWND w) {
        if (const auto painter = self.lock()) {
          for (const TSkMenuInfo& info : (*painter)->FMenuInfos) {
            if (info.Wnd == w) (*painter)->DrawWndBorder(w, *info.Bmp);
          }
        }
      },
      [self](HWND w) {
        if (const auto painter = self.lock()) (*painter)->WindowDestroyed(w);
      });
}

void TSkinableMenus::WindowDestroyed(HWND window) {
  // The popup's loop is over: its picture goes with its window.
  std::erase_if(FMenuInfos, [window](const TSkMenuInfo& info) { return info.Wnd == window; });
}

void TSkinableMenus::DrawWndBorder(HWND window, const paint::TBitmap32& picture) {
  if (BorderDrawing || picture.Empty() || !window) return;
  SendMessageW(window, SM_ALPHACMD, MakeSkinWParam(scMenuRegionChanged), 0);
  // The window's adapter tells whether the region must be set (once set, it
  // stays until the window says it changed); a window without adapter gets
  // it every time.
  int set_region = TRUE;
  if (Send<scSetUpdating>(window, &set_region) != 0) {
    return;
  }
  BorderDrawing = true;
  if (set_region) {
    platform::UniqueRegion region(CreateRectRgn(0, 0, picture.Width(), picture.Height()));
    const std::vector<paint::TRect> cuts = FArOR.empty() ? std::vector<paint::TRect>{{0, 0, 1, 1}} : FArOR;
    for (const paint::TRect& cut : cuts) {
      platform::UniqueRegion hole(CreateRectRgn(cut.Left, cut.Top, cut.Right, cut.Bottom));
      CombineRgn(region.get(), region.get(), hole.get(), RGN_DIFF);
    }
    // The window owns the region from here on.
    if (SetWindowRgn(window, region.get(), TRUE)) region.release();
  }
  const platform::WholeWindowDc dc(window);
  const std::int32_t w = picture.Width(), h = picture.Height(), b = FBorderWidth;
  for (const paint::TRect& strip : {paint::TRect{0, 0, b, h}, paint::TRect{0, 0, w, b}, paint::TRect{w - b, 0, w, h},
                                    paint::TRect{0, h - b, w, h}}) {
    paint::ShowBitmap(dc.get(), {strip.Left, strip.Top}, picture, strip);
  }
  BorderDrawing = false;
}

}  // namespace vorlan::skin
