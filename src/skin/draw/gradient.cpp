#include "skin/draw/gradient.h"

#include <algorithm>
#include <vector>

#include "paint/colors.h"
#include "paint/fills.h"
#include "paint/kernels.h"
#include "paint/pixel_math.h"
#include "skin/data/image_entries.h"
#include "skin/draw/triangle_gradient.h"

namespace vorlan::skin {
namespace {

namespace px = paint::px;

// The colours of one run of rows (vertical) or columns (horizontal): position
// First + i takes Colors[i] (pixel words, alpha 255).
struct TGradientLine {
  std::int32_t First = 0;
  std::vector<std::uint32_t> Colors;
};

// Rows or columns start..end inclusive running from c1 towards c2; the step
// is accumulated in single precision and each position takes its integer part
// before the step is added.
void AppendRun(TGradientLine& line, std::int32_t start, std::int32_t end, TColor c1, TColor c2) {
  const std::uint32_t p1 = paint::ColorToPixel(c1), p2 = paint::ColorToPixel(c2);
  const auto count = static_cast<std::size_t>(end - start + 1);
  const std::size_t at = static_cast<std::size_t>(start - line.First);
  line.Colors.resize(std::max(line.Colors.size(), at + count));
  if ((p1 & 0xFFFFFF) == (p2 & 0xFFFFFF)) {
    std::fill_n(line.Colors.begin() + static_cast<std::ptrdiff_t>(at), count, px::WithAlpha(p1, 255));
    return;
  }
  const int shifts[3] = {px::kBlue, px::kGreen, px::kRed};
  float acc[3], step[3];
  for (int i = 0; i < 3; ++i) {
    const int a = px::Channel(p1, shifts[i]), b = px::Channel(p2, shifts[i]);
    acc[i] = static_cast<float>(a);
    step[i] = static_cast<float>(static_cast<double>(b - a) / (end - start));
  }
  for (std::size_t k = 0; k < count; ++k) {
    int ch[3];
    for (int i = 0; i < 3; ++i) {
      ch[i] = px::TruncByte(acc[i]);
      acc[i] += step[i];
    }
    line.Colors[at + k] = px::Pack(ch[0], ch[1], ch[2], 255);
  }
}

// The pieces laid one after the other from `first` on; `length` is what the
// percents are taken of and `last` the last position that may be painted.
// Each piece ends where its share ends (the last one at `last`); consecutive
// pieces share their boundary, which the later one paints.
TGradientLine ComputeLine(const TSkinGradArray& gradient, std::int32_t first, std::int32_t length, std::int32_t last) {
  TGradientLine line{first, {}};
  std::int32_t pos = first;
  for (std::size_t i = 0; i < gradient.size(); ++i) {
    const TSkinGradPie& piece = gradient[i];
    const std::int32_t start = pos;
    pos = i + 1 == gradient.size()
              ? last
              : std::min(static_cast<std::int32_t>(std::int64_t{length} * piece.Percent / 100 + start), last);
    if (pos - start > 0) AppendRun(line, start, pos, piece.Color1, piece.Color2);
  }
  return line;
}

void PaintVertical(paint::TBitmap32& bmp, const paint::TRect& r, const TSkinGradArray& gradient,
                   std::int32_t extraRows) {
  const TGradientLine line = ComputeLine(gradient, r.Top + extraRows, extraRows + r.Height(), r.Bottom - 1);
  for (std::size_t i = 0; i < line.Colors.size(); ++i) {
    const std::int32_t y = line.First + static_cast<std::int32_t>(i);
    if (y < r.Top || y >= r.Bottom) continue;
    paint::kernels::FillRow(bmp.Row(y) + r.Left, r.Width(), line.Colors[i]);
  }
}

void PaintHorizontal(paint::TBitmap32& bmp, const paint::TRect& r, const TSkinGradArray& gradient) {
  const TGradientLine line = ComputeLine(gradient, r.Left, r.Width(), r.Right - 1);
  std::uint32_t* first_row = bmp.Row(r.Top);
  std::copy(line.Colors.begin(), line.Colors.end(), first_row + line.First);
  for (std::int32_t y = r.Top + 1; y < r.Bottom; ++y) std::copy_n(first_row + r.Left, r.Width(), bmp.Row(y) + r.Left);
}

TGradientVertex Vertex(std::int32_t x, std::int32_t y, TColor colour) {
  const std::uint32_t p = paint::ColorToPixel(colour);
  return {x,
          y,
          static_cast<std::uint16_t>(px::Red(p) << 8),
          static_cast<std::uint16_t>(px::Green(p) << 8),
          static_cast<std::uint16_t>(px::Blue(p) << 8),
          0xFF00};
}

// Corners top-left, centre, top-right, bottom-right, bottom-left take the
// first colours of pieces 0..4; a missing piece repeats the colour before.
void PaintTriangles(paint::TBitmap32& bmp, const paint::TRect& r, const TSkinGradArray& gradient) {
  TColor colours[5];
  for (std::size_t i = 0; i < 5; ++i) colours[i] = i < gradient.size() ? gradient[i].Color1 : colours[i - 1];
  const TGradientVertex v[5] = {
      Vertex(r.Left, r.Top, colours[0]), Vertex(r.Left + r.Width() / 2, r.Top + r.Height() / 2, colours[1]),
      Vertex(r.Right, r.Top, colours[2]), Vertex(r.Right, r.Bottom, colours[3]), Vertex(r.Left, r.Bottom, colours[4])};
  FillGradientTriangle(bmp, v[0], v[1], v[2], r);
  FillGradientTriangle(bmp, v[1], v[2], v[3], r);
  FillGradientTriangle(bmp, v[0], v[1], v[4], r);
  FillGradientTriangle(bmp, v[4], v[1], v[3], r);
}

}  // namespace

TSkinGradArray ParseGradient(std::u16string_view text) { return ParseGradientData(text); }

void PaintGradient(paint::TBitmap32& bmp, const paint::TRect& rect, const TSkinGradArray& gradient,
                   std::int32_t extraRows) {
  const paint::TRect r = paint::ClipToBitmap(rect, bmp);
  if (r.IsEmpty() || gradient.empty()) return;
  switch (gradient.front().Mode1) {
    case kGradientVertical:
      PaintVertical(bmp, r, gradient, extraRows);
      break;
    case kGradientHorizontal:
      PaintHorizontal(bmp, r, gradient);
      break;
    case kGradientTriangles:
      PaintTriangles(bmp, r, gradient);
      break;
    default:
      break;
  }
}

void PaintGradientTexture(paint::TBitmap32& bmp, const paint::TRect& rect, const TSkinGradArray& gradient,
                          std::uint8_t alpha, int textureWeight, const paint::TRect& textureRect,
                          const paint::TBitmap32& texture) {
  const paint::TRect r = paint::ClipToBitmap(rect, bmp);
  const paint::TRect t = paint::ClipToBitmap(textureRect, texture);
  if (r.IsEmpty() || gradient.empty() || gradient.front().Mode1 >= kGradientTriangles) return;
  PaintGradient(bmp, r, gradient);
  const std::int32_t tw = t.Width(), th = t.Height();
  const int w = std::clamp(textureWeight, 0, 255);
  for (std::int32_t y = r.Top; y < r.Bottom; ++y) {
    std::uint32_t* d = bmp.Row(y);
    const std::uint32_t* s = t.IsEmpty() ? nullptr : texture.Row(t.Top + y % th) + t.Left;
    for (std::int32_t x = r.Left; x < r.Right; ++x) {
      d[x] = s == nullptr ? px::WithAlpha(d[x], alpha) : px::Weigh256Rgb(s[x % tw], d[x], w, px::Pack(0, 0, 0, alpha));
    }
  }
}

}  // namespace vorlan::skin
