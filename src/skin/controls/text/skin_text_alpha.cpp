#include "skin/controls/text/skin_text_alpha.h"

#include "paint/bitmap_gdi_win.h"
#include "skin/controls/text/skin_text_outline.h"
#include "skin/data/skin_manager.h"
#include "skin/draw/text_blur.h"
#include "skin/draw/text_merge.h"

namespace vorlan::skin {
namespace {

paint::TRect Moved(const paint::TRect& r, int dx, int dy) {
  return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

// Black text on the white (new) bitmap's own rectangle, drawn at each offset.
void RenderBlackText(const paint::TBitmap32& paper, HFONT font, std::u16string_view text, const paint::TRect& at,
                     const std::vector<paint::TPoint>& offsets, UINT format) {
  const paint::TBitmapDC dc(paper);
  if (dc.get() == nullptr) return;
  const platform::SelectGuard select(dc.get(), FontToUse(nullptr, font));
  SetTextColor(dc.get(), RGB(0, 0, 0));
  SetBkColor(dc.get(), RGB(255, 255, 255));
  SetBkMode(dc.get(), TRANSPARENT);
  for (const paint::TPoint& offset : offsets) {
    RECT r = paint::ToRECT(Moved(at, offset.X, offset.Y));
    DrawTextW(dc.get(), text, r, format);
  }
  paint::TBitmapDC::Flush();
}

// The grey level of each rendered pixel: 255 paper, 0 solid ink.
TMask8 GreyMask(const paint::TBitmap32& rendered) {
  TMask8 mask(rendered.Width(), rendered.Height());
  for (int32_t y = 0; y < rendered.Height(); ++y) {
    const uint32_t* row = rendered.Row(y);
    for (int32_t x = 0; x < rendered.Width(); ++x) {
      const uint32_t p = row[x];
      mask.Set(x, y, static_cast<uint8_t>(((p & 0xFF) + (p >> 8 & 0xFF) + (p >> 16 & 0xFF)) / 3));
    }
  }
  return mask;
}

}  // namespace

void WriteTextAlpha(paint::TBitmap32& bmp, HFONT font, std::u16string_view text, bool keepAlpha, TColor color,
                    UINT format, const paint::TRect& rect) {
  if (text.empty() || rect.IsEmpty() || bmp.Empty()) return;
  const paint::TBitmap32 coverage = paint::NewBitmap32(rect);
  RenderBlackText(coverage, font, text, coverage.Bounds(), {{0, 0}}, format);
  MergeTextCoverage(bmp, coverage, rect, keepAlpha, color);
}

void WriteSectionTextAlpha(paint::TBitmap32& bmp, const TTextFont& font, std::u16string_view text, bool withOutlines,
                           TSkinManager* manager, std::int32_t state, std::int32_t skinIndex, UINT format,
                           const paint::TRect& rect) {
  if (text.empty() || rect.IsEmpty()) return;
  if (manager == nullptr) manager = DefaultManager();
  const TSkinGeneralData* section = TextSection(manager, skinIndex);
  if (section == nullptr) {
    WriteTextAlpha(bmp, font.Handle, text, withOutlines, font.Color, format, rect);
    return;
  }
  const TSkinFontColor& colors = section->Props[static_cast<std::size_t>(TextState(state))].FontColor;
  if (withOutlines) {
    for (const TTextOutline& outline : OutlinesOf(colors)) {
      WriteTextAlpha(bmp, font.Handle, text, true, outline.Color, format, Moved(rect, outline.DX, outline.DY));
    }
  }
  WriteTextAlpha(bmp, font.Handle, text, withOutlines, colors.Color, format, rect);
}

void DrawTextGlow(paint::TBitmap32& bmp, HFONT font, std::u16string_view text, const paint::TRect& rect, TMask8& mask,
                  TColor color, int size, int sides, UINT format, const paint::TRect& clip) {
  if (text.empty() || size <= 0) return;
  const TGlowLayout layout = GlowLayoutFor(rect, size);
  if (layout.Mask.IsEmpty()) return;
  if (mask.Size() != paint::TSize{layout.Mask.Width(), layout.Mask.Height()}) {
    const paint::TBitmap32 paper = paint::NewBitmap32(layout.Mask.Width(), layout.Mask.Height());
    RenderBlackText(paper, font, text, layout.Text, GlowTextOffsets(sides), format);
    mask = GreyMask(paper);
    BlurMask8(mask.View(), size);
  }
  // The caller may have drawn on bmp through GDI just before.
  paint::TBitmapDC::Flush();
  MergeGlowMask(bmp, mask.View(), layout.Origin, color, clip);
}

void DrawTextGlow(paint::TBitmap32& bmp, HFONT font, std::u16string_view text, const paint::TRect& rect, TMask8& mask,
                  TColor color, int size, int sides, UINT format) {
  DrawTextGlow(bmp, font, text, rect, mask, color, size, sides, format, bmp.Bounds());
}

}  // namespace vorlan::skin
