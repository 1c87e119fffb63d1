#include "scene.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace landscapes {
namespace {

constexpr double kPi = 3.14159265358979323846;

// SplitMix64: the same numbers on every compiler, unlike the standard
// library's distributions.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ULL + 1) {}
  double Next() {  // [0, 1)
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return static_cast<double>((z ^ (z >> 31)) >> 11) / 9007199254740992.0;
  }
  double Range(double lo, double hi) { return lo + (hi - lo) * Next(); }

 private:
  uint64_t state_;
};

struct Palette {
  Rgb sky_top, sky_horizon, sun, cloud, mountain, hill, shore, water_tint;
};

constexpr std::array kPalettes{
    Palette{{40, 110, 200},
            {185, 220, 240},
            {255, 250, 225},
            {250, 250, 252},
            {95, 115, 150},
            {70, 125, 55},
            {55, 85, 35},
            {30, 80, 120}},  // clear day
    Palette{{70, 50, 120},
            {250, 160, 80},
            {255, 220, 150},
            {240, 170, 150},
            {90, 60, 95},
            {60, 70, 50},
            {40, 40, 30},
            {60, 40, 70}},  // sunset
    Palette{{120, 150, 210},
            {250, 205, 185},
            {255, 240, 200},
            {255, 225, 215},
            {130, 120, 160},
            {95, 130, 80},
            {60, 80, 45},
            {70, 90, 130}},  // dawn
    Palette{{20, 35, 80},
            {200, 120, 110},
            {255, 200, 170},
            {150, 110, 140},
            {55, 50, 80},
            {35, 55, 45},
            {25, 30, 25},
            {25, 30, 60}},  // dusk
};

// A ridge line: sums of sines, with sharpened crests for mountains.
struct Ridge {
  std::array<double, 4> frequency{}, phase{}, weight{};
  double base = 0, amplitude = 0;
  bool peaked = false;

  Ridge(Random& random, double base_y, double amp, bool sharp, int width)
      : base(base_y), amplitude(amp), peaked(sharp) {
    double total = 0;
    for (size_t i = 0; i < frequency.size(); ++i) {
      frequency[i] = (1.0 + static_cast<double>(i) * random.Range(1.2, 2.4)) * 2 * kPi / width;
      phase[i] = random.Range(0, 2 * kPi);
      weight[i] = 1.0 / (1.0 + static_cast<double>(i) * 1.3);
      total += weight[i];
    }
    for (double& w : weight) w /= total;
  }

  double TopAt(double x) const {
    double v = 0;
    for (size_t i = 0; i < frequency.size(); ++i) {
      const double s = std::sin(x * frequency[i] + phase[i]);
      v += weight[i] * (peaked ? 1.0 - std::abs(s) * 0.9 : 0.5 + 0.5 * s);
    }
    return base - amplitude * v;
  }
};

struct Cloud {
  double x, y, width, height;
};

void DrawSky(RgbImage& image, const Palette& palette, int horizon, double sun_x, double sun_y, double sun_r,
             const std::vector<Cloud>& clouds) {
  for (int y = 0; y < horizon; ++y) {
    const double t = std::pow(static_cast<double>(y) / horizon, 0.8);
    const Rgb base = Mix(palette.sky_top, palette.sky_horizon, t);
    for (int x = 0; x < image.width; ++x) {
      Rgb c = base;
      const double d = std::hypot(x - sun_x, y - sun_y);
      const double glow = 0.6 * std::exp(-d / (sun_r * 3.5));
      c = Mix(c, palette.sun, std::min(1.0, glow));
      if (d < sun_r) c = Mix(palette.sun, c, std::max(0.0, (d - sun_r + 1.5) / 1.5));
      double cover = 0;
      for (const Cloud& cloud : clouds) {
        const double dx = (x - cloud.x) / cloud.width, dy = (y - cloud.y) / cloud.height;
        cover += std::exp(-(dx * dx + dy * dy) * 2.0);
      }
      c = Mix(c, palette.cloud, std::min(0.85, cover));
      image.at(x, y) = c;
    }
  }
}

void DrawRidge(RgbImage& image, const Ridge& ridge, int bottom, Rgb top_colour, Rgb low_colour) {
  for (int x = 0; x < image.width; ++x) {
    const double top = ridge.TopAt(x);
    for (int y = std::max(0, static_cast<int>(std::floor(top))); y < bottom; ++y) {
      const double coverage = std::clamp(y + 1 - top, 0.0, 1.0);  // soft edge on the crest
      const double t = std::clamp((y - top) / std::max(1.0, bottom - top), 0.0, 1.0);
      image.at(x, y) = Mix(image.at(x, y), Mix(top_colour, low_colour, t), coverage);
    }
  }
}

void DrawTree(RgbImage& image, double foot_x, double foot_y, double height, Rgb colour) {
  const double half = height * 0.28;
  for (int y = static_cast<int>(foot_y - height); y <= static_cast<int>(foot_y); ++y) {
    if (y < 0 || y >= image.height) continue;
    const double t = (y - (foot_y - height)) / height;  // 0 at the tip
    const double spread = half * t;
    for (int x = static_cast<int>(foot_x - spread); x <= static_cast<int>(foot_x + spread); ++x) {
      if (x >= 0 && x < image.width) image.at(x, y) = Mix(colour, image.at(x, y), 0.1);
    }
  }
}

void DrawLake(RgbImage& image, const Palette& palette, int horizon, Random& random) {
  const double ripple_phase = random.Range(0, 2 * kPi);
  for (int y = horizon; y < image.height; ++y) {
    const int mirrored = std::clamp(2 * horizon - y - 1, 0, horizon - 1);
    const double depth = static_cast<double>(y - horizon) / std::max(1, image.height - horizon);
    for (int x = 0; x < image.width; ++x) {
      const int shift = static_cast<int>(std::lround(2.0 * std::sin(y * 0.9 + x * 0.04 + ripple_phase)));
      const Rgb reflected = image.at(std::clamp(x + shift, 0, image.width - 1), mirrored);
      const double sparkle = 0.06 * std::sin(y * 1.7 + std::sin(x * 0.11) * 2.0);
      image.at(x, y) = Mix(Scale(reflected, 0.82 + sparkle), palette.water_tint, 0.25 + 0.35 * depth);
    }
  }
}

}  // namespace

RgbImage DrawLandscape(int width, int height, uint32_t seed) {
  RgbImage image(width, height);
  Random random(seed);
  const Palette& palette = kPalettes[seed % kPalettes.size()];
  const int horizon = static_cast<int>(height * random.Range(0.58, 0.68));

  const double sun_r = height * random.Range(0.05, 0.085);
  const double sun_x = width * random.Range(0.15, 0.85);
  const double sun_y = horizon * random.Range(0.25, 0.75);
  std::vector<Cloud> clouds;
  const int cloud_count = static_cast<int>(random.Range(2, 6));
  for (int i = 0; i < cloud_count; ++i) {
    const double cx = width * random.Range(0, 1), cy = horizon * random.Range(0.1, 0.5);
    const double size = width * random.Range(0.03, 0.07);
    for (int puff = 0; puff < 5; ++puff) {
      clouds.push_back({cx + size * random.Range(-2, 2), cy + size * random.Range(-0.3, 0.3),
                        size * random.Range(0.8, 1.6), size * random.Range(0.35, 0.6)});
    }
  }
  DrawSky(image, palette, horizon, sun_x, sun_y, sun_r, clouds);

  const Ridge mountains(random, horizon, horizon * random.Range(0.3, 0.55), true, width);
  DrawRidge(image, mountains, horizon, Mix(palette.mountain, palette.sky_horizon, 0.25),
            Mix(palette.mountain, palette.sky_horizon, 0.55));
  const Ridge hills(random, horizon, horizon * random.Range(0.08, 0.2), false, width);
  DrawRidge(image, hills, horizon, palette.hill, Scale(palette.hill, 0.7));
  const int tree_count = static_cast<int>(random.Range(4, 14));
  for (int i = 0; i < tree_count; ++i) {
    const double x = width * random.Range(0, 1);
    DrawTree(image, x, hills.TopAt(x) + 3, height * random.Range(0.04, 0.08), Scale(palette.hill, 0.45));
  }

  DrawLake(image, palette, horizon, random);

  const Ridge shore(random, height + height * 0.05, height * random.Range(0.08, 0.2), false, width);
  DrawRidge(image, shore, height, palette.shore, Scale(palette.shore, 0.6));
  const int shore_trees = static_cast<int>(random.Range(1, 5));
  for (int i = 0; i < shore_trees; ++i) {
    const double x = width * random.Range(0, 1);
    if (shore.TopAt(x) > height - 8) continue;  // no trees standing in the water
    DrawTree(image, x, shore.TopAt(x) + 4, height * random.Range(0.12, 0.22), Scale(palette.shore, 0.5));
  }
  return image;
}

}  // namespace landscapes
