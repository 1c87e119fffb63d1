#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace skingen {

Rgb Mix(Rgb a, Rgb b, double w) {
  auto ch = [w](int x, int y) { return static_cast<std::uint8_t>(std::lround(w * x + (1 - w) * y)); };
  return {ch(a.r, b.r), ch(a.g, b.g), ch(a.b, b.b)};
}

Shape RoundRect(double x0, double y0, double x1, double y1, double radius) {
  return [=](double x, double y) {
    const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const double hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
    const double qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - radius;
  };
}

Shape Circle(double cx, double cy, double radius) {
  return [=](double x, double y) { return std::hypot(x - cx, y - cy) - radius; };
}

Shape Segment(double x0, double y0, double x1, double y1, double halfWidth) {
  return [=](double x, double y) {
    const double dx = x1 - x0, dy = y1 - y0;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy)) - halfWidth;
  };
}

Shape Polyline(const std::vector<std::pair<double, double>>& points, double halfWidth) {
  std::vector<Shape> parts;
  for (size_t i = 1; i < points.size(); ++i) {
    parts.push_back(Segment(points[i - 1].first, points[i - 1].second, points[i].first, points[i].second, halfWidth));
  }
  return [parts](double x, double y) {
    double d = 1e9;
    for (const auto& p : parts) d = std::min(d, p(x, y));
    return d;
  };
}

Shape Ring(Shape inner, double halfWidth) {
  return [=](double x, double y) { return std::abs(inner(x, y)) - halfWidth; };
}

Shape Union(Shape a, Shape b) {
  return [=](double x, double y) { return std::min(a(x, y), b(x, y)); };
}

Shape Subtract(Shape a, Shape b) {
  return [=](double x, double y) { return std::max(a(x, y), -b(x, y)); };
}

Paint Solid(Rgb c, double opacity) {
  const Pixel p{c.r / 255.f, c.g / 255.f, c.b / 255.f, static_cast<float>(opacity)};
  return [p](double, double) { return p; };
}

Paint VerticalGradient(double y0, Rgb top, double y1, Rgb bottom, double opacity) {
  return [=](double, double y) {
    const double t = std::clamp((y - y0) / std::max(y1 - y0, 1e-9), 0.0, 1.0);
    const Rgb c = Mix(bottom, top, t);
    return Pixel{c.r / 255.f, c.g / 255.f, c.b / 255.f, static_cast<float>(opacity)};
  };
}

Canvas::Canvas(int width, int height) : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height) {}

void Canvas::Clear() { std::fill(pixels_.begin(), pixels_.end(), Pixel{}); }

namespace {
void Over(Pixel& d, const Pixel& s, double coverage) {
  const float a = static_cast<float>(s.a * coverage);
  d.r = s.r * a + d.r * (1 - a);
  d.g = s.g * a + d.g * (1 - a);
  d.b = s.b * a + d.b * (1 - a);
  d.a = a + d.a * (1 - a);
}
}  // namespace

void Canvas::Fill(const Shape& shape, const Paint& paint) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      const double coverage = std::clamp(0.5 - shape(px, py), 0.0, 1.0);
      if (coverage > 0) Over(At(x, y), paint(px, py), coverage);
    }
  }
}

void Canvas::Shadow(const Shape& shape, double spread, Rgb color, double opacity) {
  const Pixel p{color.r / 255.f, color.g / 255.f, color.b / 255.f, 1.f};
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const double d = shape(x + 0.5, y + 0.5);
      double t = d <= 0 ? 1.0 : std::max(0.0, 1.0 - d / spread);
      t = t * t * (3 - 2 * t);  // smooth fall-off
      if (t > 0) Over(At(x, y), p, t * opacity);
    }
  }
}

}  // namespace skingen
