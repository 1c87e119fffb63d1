#include "skin/draw/triangle_gradient.h"

#include <algorithm>
#include <array>

#include "paint/pixel_math.h"

namespace vorlan::skin {
namespace {

using Vertices = std::array<TGradientVertex, 3>;

// Where the edge from (x1, y1) to (x2, y2) crosses row y. The edge is always
// followed from its right end so that both sides round the same way.
std::int64_t EdgeX(std::int64_t y, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
  if (x2 > x1) return x2 + (y - y2) * (x2 - x1) / (y2 - y1);
  return x1 + (y - y1) * (x2 - x1) / (y2 - y1);
}

// The barycentric weights of the first two corners at (x, y), over det.
struct TWeights {
  std::int64_t L1 = 0;
  std::int64_t L2 = 0;
};

TWeights WeightsAt(const Vertices& v, std::int64_t x, std::int64_t y) {
  const std::int64_t dx = x - v[2].X, dy = y - v[2].Y;
  return {std::int64_t{v[1].Y - v[2].Y} * dx - std::int64_t{v[1].X - v[2].X} * dy,
          std::int64_t{v[2].Y - v[0].Y} * dx - std::int64_t{v[2].X - v[0].X} * dy};
}

int Mix(std::uint16_t c0, std::uint16_t c1, std::uint16_t c2, const TWeights& w, std::int64_t det) {
  const std::int64_t sum = c0 * w.L1 + c1 * w.L2 + c2 * (det - w.L1 - w.L2);
  return paint::px::ClampByte(sum / det / 256);
}

}  // namespace

void FillGradientTriangle(paint::TBitmap32& bmp, const TGradientVertex& a, const TGradientVertex& b,
                          const TGradientVertex& c, const paint::TRect& clip) {
  Vertices v{a, b, c};
  std::sort(v.begin(), v.end(), [](const TGradientVertex& p, const TGradientVertex& q) { return p.Y < q.Y; });
  const std::int64_t det =
      std::int64_t{v[2].Y - v[1].Y} * (v[2].X - v[0].X) - std::int64_t{v[2].X - v[1].X} * (v[2].Y - v[0].Y);
  if (det == 0) return;
  const paint::TRect limit = paint::Intersect(clip, bmp.Bounds());
  const std::int32_t right_corner = std::max({v[0].X, v[1].X, v[2].X});
  const std::int32_t top = std::max(limit.Top, v[0].Y);
  const std::int32_t bottom = std::min(limit.Bottom, v[2].Y);
  for (std::int32_t y = top; y < bottom; ++y) {
    const std::int64_t x1 =
        y < v[1].Y ? EdgeX(y, v[0].X, v[0].Y, v[1].X, v[1].Y) : EdgeX(y, v[1].X, v[1].Y, v[2].X, v[2].Y);
    const std::int64_t x2 = EdgeX(y, v[0].X, v[0].Y, v[2].X, v[2].Y);
    const std::int64_t left = std::max<std::int64_t>(limit.Left, std::min(x1, x2));
    const std::int64_t right = std::min<std::int64_t>({limit.Right, right_corner, std::max(x1, x2)});
    std::uint32_t* row = bmp.Row(y);
    for (std::int64_t x = left; x < right; ++x) {
      const TWeights w = WeightsAt(v, x, y);
      row[x] =
          paint::px::Pack(Mix(v[0].Blue, v[1].Blue, v[2].Blue, w, det), Mix(v[0].Green, v[1].Green, v[2].Green, w, det),
                          Mix(v[0].Red, v[1].Red, v[2].Red, w, det), Mix(v[0].Alpha, v[1].Alpha, v[2].Alpha, w, det));
    }
  }
}

}  // namespace vorlan::skin
