#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// A small anti-aliased drawing surface for the skin generator. Pixels are
// premultiplied RGBA floats in 0..1; shapes are signed distance functions
// whose coverage is taken at the pixel centre.
namespace skingen {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
};

// The colour written into skin files: 0x00BBGGRR as a decimal number.
inline long SkinColor(Rgb c) { return c.r + c.g * 256L + c.b * 65536L; }

Rgb Mix(Rgb a, Rgb b, double weightOfA);

struct Pixel {
  float r = 0, g = 0, b = 0, a = 0;
};

// Signed distance in pixels: negative inside the shape.
using Shape = std::function<double(double x, double y)>;
// Colour at a point (for gradients); alpha is the opacity.
using Paint = std::function<Pixel(double x, double y)>;

Shape RoundRect(double x0, double y0, double x1, double y1, double radius);
Shape Circle(double cx, double cy, double radius);
Shape Segment(double x0, double y0, double x1, double y1, double halfWidth);
// A stroked polyline of capsules.
Shape Polyline(const std::vector<std::pair<double, double>>& points, double halfWidth);
Shape Ring(Shape inner, double halfWidth);  // the outline of a shape
Shape Union(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);

Paint Solid(Rgb c, double opacity = 1.0);
Paint VerticalGradient(double y0, Rgb top, double y1, Rgb bottom, double opacity = 1.0);

class Canvas {
 public:
  Canvas(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }
  Pixel& At(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  const Pixel& At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

  // Paints `paint` over the shape with anti-aliased edges (source over).
  void Fill(const Shape& shape, const Paint& paint);
  // A soft shadow: full `opacity` inside the shape, fading to 0 over
  // `spread` pixels outside it.
  void Shadow(const Shape& shape, double spread, Rgb color, double opacity);
  void Clear();

 private:
  int width_, height_;
  std::vector<Pixel> pixels_;
};

}  // namespace skingen
