#include "skin/controls/widgets/skin_button_layout.h"

#include <algorithm>

#include "skin/draw/border_geometry.h"

namespace vorlan::skin {
namespace {

void SetPixel(paint::TBitmap32& bmp, int x, int y, std::uint32_t word) {
  if (x < 0 || y < 0 || x >= bmp.Width() || y >= bmp.Height()) return;
  bmp.Row(y)[x] = word;
}

bool IsKeyPixel(std::uint32_t pixel) { return (pixel & 0x00FFFFFFu) == (paint::kKeyPixel & 0x00FFFFFFu); }

// Collects the key pixels of the corner pieces, in the button's coordinates.
class TCornerHoles final : public TBorderPieces {
 public:
  explicit TCornerHoles(const paint::TBitmap32& source) : source_(source) {}

  void Copy(TBorderPart part, const paint::TRect& dst, paint::TPoint src) override {
    if (part != TBorderPart::Corner) return;
    for (std::int32_t y = 0; y < dst.Height(); ++y) {
      const std::int32_t sy = src.Y + y;
      if (sy < 0 || sy >= source_.Height()) continue;
      const std::uint32_t* row = source_.Row(sy);
      std::int32_t runStart = -1;
      for (std::int32_t x = 0; x <= dst.Width(); ++x) {
        const std::int32_t sx = src.X + x;
        const bool key = x < dst.Width() && sx >= 0 && sx < source_.Width() && IsKeyPixel(row[sx]);
        if (key && runStart < 0) runStart = x;
        if (!key && runStart >= 0) {
          Holes.push_back({dst.Left + runStart, dst.Top + y, dst.Left + x, dst.Top + y + 1});
          runStart = -1;
        }
      }
    }
  }
  void Stretch(TBorderPart, const paint::TRect&, const paint::TRect&) override {}

  std::vector<paint::TRect> Holes;

 private:
  const paint::TBitmap32& source_;
};

}  // namespace

RECT ButtonCaptionRect(SIZE measured, int width, int height) {
  RECT r{};
  r.left = (width - measured.cx) / 2 - 1;
  r.right = r.left + measured.cx + 2;
  r.top = (height - measured.cy) / 2;
  r.bottom = height - r.top;
  return r;
}

RECT CaptionDrawRect(const RECT& caption, int available) {
  RECT r = caption;
  const int extra = (available - (caption.right - caption.left) + 1) / 2;
  if (extra > 0) InflateRect(&r, extra, 0);
  return r;
}

RECT FocusMarkRect(const RECT& caption, int focusMargin, int height) {
  RECT r = caption;
  InflateRect(&r, focusMargin + 1, focusMargin);
  r.top = std::max<LONG>(r.top, 3);
  r.bottom = std::min<LONG>(r.bottom, height - 3);
  return r;
}

void DrawFocusDots(paint::TBitmap32& bmp, const RECT& r, paint::TColor color) {
  const std::uint32_t word = 0xFF000000u | (paint::ColorToPixel(paint::ResolveColor(color)) & 0x00FFFFFFu);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  for (int k = width / 2; k >= 1; --k) {
    SetPixel(bmp, r.left + 2 * k - 1, r.top, word);
    SetPixel(bmp, r.left + 2 * k - 1, r.bottom - 1, word);
  }
  for (int k = height / 2; k >= 1; --k) {
    SetPixel(bmp, r.left, r.top + 2 * k - 1, word);
    SetPixel(bmp, r.right - 1, r.top + 2 * k - 1, word);
  }
}

std::int32_t PaintedButtonState(std::int32_t state, std::int32_t states) {
  if (state == 3 && states < 4) state = 1;
  return std::max(0, std::min(state, states - 1));
}

std::vector<paint::TRect> BorderCornerHoles(const TImageEntry& image, std::int32_t width, std::int32_t height,
                                            std::int32_t state) {
  if (!image) return {};
  TCornerHoles holes(*image.Source);
  LayBorderPieces(image, paint::MakeRect(0, 0, width, height), state, holes);
  return std::move(holes.Holes);
}

}  // namespace vorlan::skin
