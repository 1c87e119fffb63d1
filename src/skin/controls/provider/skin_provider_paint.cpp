#include <algorithm>
#include <vector>

#include "paint/bitmap_gdi_win.h"
#include "paint/block_copy.h"
#include "paint/composite.h"
#include "paint/stretch.h"
#include "skin/controls/core/common_data_ops.h"
#include "skin/controls/provider/skin_provider.h"

#include "skin/controls/text/skin_text.h"
#include "skin/controls/text/skin_text_alpha.h"
#include "skin/controls/text/skin_text_draw.h"
#include "skin/draw/border_mask.h"
#include "skin/draw/image_entry.h"
#include "skin/draw/mask_image.h"
#include "skin/draw/section.h"

namespace vorlan::skin {
namespace {

std::int32_t StateFor(bool active, const TSkinGeneralData& section) { return active && section.States >= 2 ? 1 : 0; }

SIZE TextExtent(HDC dc, const std::u16string& text) {
  SIZE size{};
  if (!text.empty()) GetTextExtentPoint32W(dc, ui::Wide(text), static_cast<int>(text.size()), &size);
  if (text.empty()) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    size.cy = metrics.tmHeight;
  }
  return size;
}

}  // namespace

HFONT TSkinProvider::CaptionFont() {
  if (!caption_font_) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
      LOGFONTW font = metrics.lfCaptionFont;
      font.lfCharSet = form_.Font().Charset();
      caption_font_.reset(CreateFontIndirectW(&font));
    }
  }
  return caption_font_ ? caption_font_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void TSkinProvider::PaintAll() {
  TSkinScrollWndData& data = *FCommonData;
  const TSkinManager* manager = data.SkinManager();
  const TSkinGeneralData* section = data.Section();
  if (!manager || !section || !form_.HandleAllocated() || form_.IsDestroying()) return;
  const TFrameGeometry g = Geometry();
  if (g.W <= 0 || g.H <= 0) return;
  CalcItems();
  if (!CacheFits(data, g.W, g.H)) {
    data.FCacheBmp = std::make_unique<paint::TBitmap32>(g.W, g.H);
  }
  paint::TBitmap32& cache = *data.FCacheBmp;
  const TLoadedSkin& skin = manager->Skin;
  PaintSection(skin, data.SkinIndex, paint::EmptyCacheInfo(), StateFor(FormActive, *section),
               paint::TRect{0, 0, g.W, g.H}, paint::TPoint{}, cache);
  if (GripShown()) {
    const RECT grip = GripRect();
    PaintMaskImage(cache, paint::TPoint{grip.left, grip.top}, 0, paint::MakeCacheInfo(&cache, 0, 0),
                   SkinImage(skin, manager->ConstData.GripRightBottom), kMaskImageNormal);
  }
  if (g.CH > 0 && FDrawNonClientArea) {
    PaintTitle(cache, g);
    const paint::TBitmapDC dc(cache);
    PaintIcon(dc.get(), cache);
    GdiFlush();
    PaintCaption(dc.get(), g);
    GdiFlush();
    SaveTitleStrip(cache, g);
    PaintBorderIcons(cache);
  }
  data.BGChanged = false;
  data.PaintOuterEffects(&form_, POINT{g.OffsetX, g.OffsetY});
  ++cache_builds_;
}

bool TSkinProvider::GripShown() const {
  const TSkinManager* manager = FCommonData->SkinManager();
  if (GripMode == TGripMode::gmNone || !manager || !form_.HandleAllocated()) return false;
  const HWND window = form_.Handle();
  return (GetWindowLongPtrW(window, GWL_STYLE) & WS_THICKFRAME) && !IsZoomed(window) &&
         SkinImage(manager->Skin, manager->ConstData.GripRightBottom);
}

// The bottom-right corner of the client area, as large as the grip image.
RECT TSkinProvider::GripRect() const {
  const TSkinManager* manager = FCommonData->SkinManager();
  const TImageEntry image = manager ? SkinImage(manager->Skin, manager->ConstData.GripRightBottom) : TImageEntry{};
  if (!image) return RECT{};
  const TFrameGeometry g = Geometry();
  return RECT{g.W - g.B - image.FrameWidth(), g.H - g.B - image.FrameHeight(), g.W - g.B, g.H - g.B};
}

void TSkinProvider::PaintTitle(paint::TBitmap32& cache, const TFrameGeometry& g) {
  const TSkinManager& manager = *FCommonData->SkinManager();
  const TLoadedSkin& skin = manager.Skin;
  const std::int32_t titleBottom = g.B + g.CH;
  if (manager.IsValidSkinIndex(FTitleSkinIndex)) {
    const TSkinGeneralData& title = skin.gd[static_cast<std::size_t>(FTitleSkinIndex)];
    PaintSection(skin, FTitleSkinIndex, paint::EmptyCacheInfo(), StateFor(FormActive, title),
                 paint::TRect{0, 0, g.W, titleBottom}, paint::TPoint{}, cache);
  }
  if (FormHeader.AdditionalHeight > 0 && manager.IsValidSkinIndex(FHeaderIndex)) {
    const TSkinGeneralData& header = skin.gd[static_cast<std::size_t>(FHeaderIndex)];
    PaintSection(skin, FHeaderIndex, paint::MakeCacheInfo(&cache, 0, titleBottom), StateFor(FormActive, header),
                 paint::TRect{0, titleBottom, g.W, std::min(g.H, titleBottom + FormHeader.AdditionalHeight)},
                 paint::TPoint{0, titleBottom}, cache);
  }
  const std::int32_t titleBar = manager.GetMaskIndex(FCommonData->SkinIndex, kTitleBarMask);
  const bool anyButton = ButtonClose.ImageIndex >= 0 || ButtonMax.ImageIndex >= 0 || ButtonMin.ImageIndex >= 0;
  const TImageEntry image = SkinImage(skin, titleBar);
  if (image && anyButton) {
    const paint::TRect r{g.W - (TitleBtnsWidth + 2 * image.FrameWidth()), 0, g.W, titleBottom};
    PaintBorderMask(cache, r, paint::MakeCacheInfo(&cache, 0, 0), image, FormActive ? 1 : 0, true);
  }
}

// The form's icon (else the application's, else the system's default) at
// FIconRect; the platform's icon drawing leaves alpha alone, so every pixel
// it changed is made opaque.
void TSkinProvider::PaintIcon(HDC cacheDc, paint::TBitmap32& cache) {
  const paint::TRect r = paint::FromRECT(FIconRect);
  if (r.IsEmpty() || r.Left < 0 || r.Top < 0 || r.Right > cache.Width() || r.Bottom > cache.Height()) return;
  if (const paint::TBitmap32* glyph = TitleIcon.Glyph.get(); glyph && !glyph->Empty()) {
    // Over the title by its own alpha, at the icon's size.
    if (glyph->Width() == r.Width() && glyph->Height() == r.Height()) {
      paint::CompositeAlpha(r, glyph->Bounds(), cache, false, paint::EmptyCacheInfo(), *glyph);
    } else {
      paint::TBitmap32 sized(r.Width(), r.Height());
      paint::StretchNearest(sized, sized.Bounds(), *glyph, glyph->Bounds());
      paint::CompositeAlpha(r, sized.Bounds(), cache, false, paint::EmptyCacheInfo(), sized);
    }
    return;
  }
  const HWND window = form_.Handle();
  auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
  if (!icon && ui::Application().Handle()) {
    icon = reinterpret_cast<HICON>(SendMessageW(ui::Application().Handle(), WM_GETICON, ICON_SMALL, 0));
  }
  if (!icon) icon = LoadIconW(nullptr, IDI_APPLICATION);
  std::vector<std::uint32_t> before;
  before.reserve(static_cast<std::size_t>(r.Width() * r.Height()));
  for (std::int32_t y = r.Top; y < r.Bottom; ++y)
    for (std::int32_t x = r.Left; x < r.Right; ++x) before.push_back(cache.Row(y)[x]);
  DrawIconEx(cacheDc, r.Left, r.Top, icon, r.Width(), r.Height(), 0, nullptr, DI_NORMAL);
  GdiFlush();
  std::size_t i = 0;
  for (std::int32_t y = r.Top; y < r.Bottom; ++y)
    for (std::int32_t x = r.Left; x < r.Right; ++x, ++i) {
      std::uint32_t& pixel = cache.Row(y)[x];
      if (pixel != before[i]) pixel |= 0xFF000000u;
    }
}

void TSkinProvider::PaintCaption(HDC cacheDc, const TFrameGeometry& g) {
  TSkinManager& manager = *FCommonData->SkinManager();
  paint::TBitmap32& cache = *FCommonData->FCacheBmp;
  const TLoadedSkin& skin = manager.Skin;
  // The window's own text: a caption change reaches the window first.
  std::u16string caption(static_cast<std::size_t>(GetWindowTextLengthW(form_.Handle())), u'\0');
  if (!caption.empty()) {
    GetWindowTextW(form_.Handle(), reinterpret_cast<wchar_t*>(caption.data()), static_cast<int>(caption.size()) + 1);
  }
  const bool showMain = AddedTitle.ShowMainCaption;
  if ((caption.empty() || !showMain) && AddedTitle.Text.empty()) return;
  const std::int32_t colorIndex = manager.IsValidSkinIndex(FCaptionSkinIndex) ? FCaptionSkinIndex : FTitleSkinIndex;
  const TSkinGeneralData* colors =
      manager.IsValidSkinIndex(colorIndex) ? &skin.gd[static_cast<std::size_t>(colorIndex)] : nullptr;
  const std::int32_t state = FormActive ? 1 : 0;
  const platform::SavedDcState saved(cacheDc);
  SetBkMode(cacheDc, TRANSPARENT);

  SelectObject(cacheDc, AddedTitle.Font.Handle());
  const SIZE added = TextExtent(cacheDc, AddedTitle.Text);
  SelectObject(cacheDc, CaptionFont());
  const std::u16string text = showMain ? caption : std::u16string();
  const SIZE mainSize = TextExtent(cacheDc, text);
  const std::int32_t lineHeight = std::max(mainSize.cy, AddedTitle.Text.empty() ? 0 : added.cy);

  const std::int32_t left0 = g.B + (FIconRect.right > FIconRect.left ? FIconRect.right - FIconRect.left : 0) +
                             (manager.Skin.CommonSkinData.BILeftMargin) + (FCaptionSkinIndex >= 0 ? 2 : 0) + 4;
  RECT r{left0, VCenter - lineHeight / 2, g.W - TitleBtnsWidth - 12, 0};
  r.bottom = r.top + lineHeight;
  const std::int32_t width = r.right - r.left;
  switch (FCaptionAlignment) {
    case TAlignment::taLeftJustify:
      break;
    case TAlignment::taRightJustify:
      if (mainSize.cx < width) r.left = r.right - mainSize.cx;
      break;
    case TAlignment::taCenter: {
      const std::int32_t addedWidth = AddedTitle.Text.empty() ? 0 : added.cx;
      r.left = std::max<LONG>(r.left, r.left + (width - mainSize.cx - addedWidth - 4) / 2);
      r.right = std::min<LONG>(r.left + mainSize.cx, r.right);
      break;
    }
  }
  const UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
  if (colors && FCaptionSkinIndex >= 0) {
    RECT behind = r;
    InflateRect(&behind, 4, 2);
    behind.left = std::max<LONG>(0, behind.left);
    behind.top = std::max<LONG>(0, behind.top);
    GdiFlush();
    PaintSection(skin, FCaptionSkinIndex, paint::MakeCacheInfo(FCommonData->FCacheBmp.get(), 0, 0), state,
                 paint::FromRECT(behind), paint::TPoint{behind.left, behind.top}, cache);
  }
  GdiFlush();
  if (!text.empty() && colors) {
    const TSkinGenState& props = colors->Props[static_cast<std::size_t>(state)];
    // The blurred mask is kept per activity state until the caption changes.
    if (props.GlowSize > 0) {
      DrawTextGlow(cache, CaptionFont(), text, paint::FromRECT(r), FormActive ? FGlow1 : FGlow2, props.GlowColor,
                   props.GlowSize, kGlowAllSides, format);
    }
  }
  // The cache's bitmap is already selected into cacheDc, and a bitmap can be
  // selected into one context only: the text goes through that one.
  if (!text.empty()) {
    WriteSectionText(TTextCanvas{cacheDc, TTextFont{CaptionFont(), form_.Font().Color()}}, text, true, &manager, state,
                     colorIndex, format, r);
    GdiFlush();
  }

  if (!AddedTitle.Text.empty()) {
    RECT a{r.left + std::min<LONG>(mainSize.cx, r.right - r.left) + (text.empty() ? 0 : 4), r.top,
           g.W - TitleBtnsWidth - 12, r.bottom};
    if (a.right <= a.left) return;
    // No colour of its own: the title's font colour; its own colour goes
    // half-way to the title's colour when the form is inactive.
    paint::TColor color = AddedTitle.Font.Color();
    const TSkinGeneralData* title =
        manager.IsValidSkinIndex(FTitleSkinIndex) ? &skin.gd[static_cast<std::size_t>(FTitleSkinIndex)] : nullptr;
    const TSkinGenState* titleState = title ? &title->Props[static_cast<std::size_t>(state)] : nullptr;
    if (color == paint::kNoColor) {
      color = titleState ? titleState->FontColor.Color : form_.Font().Color();
    } else if (!FormActive && titleState) {
      color = paint::MixColors(paint::ResolveColor(color), paint::ResolveColor(titleState->Color), 0.5);
    }
    WriteTextAlpha(cache, AddedTitle.Font.Handle(), AddedTitle.Text, false, color, format, paint::FromRECT(a));
  }
}

// The right end of the title strip before the buttons are drawn, so that a
// single button can be repainted without repainting the title.
void TSkinProvider::SaveTitleStrip(const paint::TBitmap32& cache, const TFrameGeometry& g) {
  const std::int32_t width = g.B + TitleBtnsWidth + 10;
  const std::int32_t height = 2 * g.B + g.CH;
  TempBmpX0 = g.W - width - 1;
  TempBmp = paint::TBitmap32(width, height);
  paint::CopyBlock(TempBmp, paint::TPoint{}, cache, paint::MakeRect(TempBmpX0, 0, width, height));
}

void TSkinProvider::PaintBorderIcons(paint::TBitmap32& cache) {
  for (const TSkinCaptionButton* button : {&ButtonClose, &ButtonMax, &ButtonMin, &ButtonHelp}) {
    if (button->ImageIndex < 0 || IsRectEmpty(&button->Rect)) continue;
    // While a fade runs the picture keeps the normal frame under the fade window.
    const bool fading = button->Timer && button->Timer->CurrentState >= 0;
    const bool enabled = button != &ButtonClose || !SystemMenu || SystemMenu->EnabledClose();
    DrawButton(cache, paint::TPoint{button->Rect.left, button->Rect.top}, *button, fading ? 0 : button->State, enabled);
  }
}

}  // namespace vorlan::skin
