// The internal skin's PANEL (a vertical gradient, 50 % transparent) painted
// over a 1920 × 1080 parent picture, beside pixman drawing the same linear
// gradient over the same parent with a constant alpha of one half; then the
// sections of the main window at their window sizes.
#include <pixman.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "bench_timing.h"
#include "paint/cache_info.h"
#include "paint/colors.h"
#include "skin/data/skin_manager.h"
#include "skin/draw/section.h"
#include "skin/internal/internal_skin.h"

namespace {

using namespace vorlan;

class QuietBox final : public skin::ISkinMessageBox {
 public:
  void Show(skin::TSkinBoxKind, std::u16string_view) override {}
};

pixman_color_t PixmanColor(skin::TColor c) {
  const auto channel = [&](int shift) { return static_cast<std::uint16_t>((c >> shift & 0xFF) * 257); };
  return {channel(0), channel(8), channel(16), 0xFFFF};
}

// The PANEL's gradient pieces as pixman stops.
std::vector<pixman_gradient_stop_t> Stops(const skin::TSkinGradArray& g) {
  std::vector<pixman_gradient_stop_t> stops;
  double at = 0;
  for (std::size_t i = 0; i < g.size(); ++i) {
    const double end = i + 1 == g.size() ? 1.0 : std::min(1.0, at + g[i].Percent / 100.0);
    stops.push_back({pixman_double_to_fixed(at), PixmanColor(g[i].Color1)});
    stops.push_back({pixman_double_to_fixed(end), PixmanColor(g[i].Color2)});
    at = end;
  }
  return stops;
}

}  // namespace

int main() {
  QuietBox box;
  skin::TSkinManager manager;
  manager.SetMessageBox(&box);
  manager.InternalSkins.Add(skin::MakeInternalSkin());
  manager.SetSkinName(skin::kInternalSkinName);
  const skin::TLoadedSkin& s = manager.Skin;
  const std::int32_t panel = s.GetSkinIndex(u"PANEL");
  if (panel < 0) return 1;

  constexpr int kW = 1920, kH = 1080;
  const paint::TBitmap32 parent = bench::RandomBitmap(kW, kH, 7);
  paint::TBitmap32 ours(kW, kH, paint::TRowOrder::TopDown);
  paint::TBitmap32 theirs(kW, kH, paint::TRowOrder::TopDown);
  const std::size_t bytes = std::size_t{kW} * kH * 4;

  const std::vector<pixman_gradient_stop_t> stops = Stops(s.gd[static_cast<std::size_t>(panel)].Props[0].GradientArray);
  const pixman_point_fixed_t p1{0, 0}, p2{0, pixman_int_to_fixed(kH)};
  pixman_image_t* gradient =
      pixman_image_create_linear_gradient(&p1, &p2, stops.data(), static_cast<int>(stops.size()));
  const pixman_color_t half{0, 0, 0, 0x8000};
  pixman_image_t* mask = pixman_image_create_solid_fill(&half);
  pixman_image_t* dst = pixman_image_create_bits(PIXMAN_a8r8g8b8, kW, kH, theirs.Row(0), kW * 4);

  bench::Compare(
      "PANEL 1920x1080, 50 % over a picture", "pixman gradient OVER",
      [&] {
        skin::PaintSection(s, panel, paint::MakeCacheInfo(&parent, 0, 0), 0, ours.Bounds(), {0, 0}, ours);
      },
      [&] {
        std::memcpy(theirs.Row(0), parent.Row(0), bytes);  // both top-down
        pixman_image_composite32(PIXMAN_OP_OVER, gradient, mask, dst, 0, 0, 0, 0, 0, 0, kW, kH);
      },
      20);
  // Both painted the same picture: the largest difference of a channel shows it.
  int worst = 0;
  for (int y = 1; y < kH - 1; y += 7)  // inside the 1-pixel border
    for (int x = 1; x < kW - 1; x += 5)
      for (int shift = 0; shift < 32; shift += 8) {
        const int a = static_cast<int>(ours.Row(y)[x] >> shift & 0xFF),
                  b = static_cast<int>(theirs.Row(y)[x] >> shift & 0xFF);
        worst = std::max(worst, std::abs(a - b));
      }
  std::printf("%-44s largest channel difference %d\n", "PANEL beside pixman's picture", worst);
  pixman_image_unref(gradient);
  pixman_image_unref(mask);
  pixman_image_unref(dst);

  // The main window: its frame, title, both panels, the button in three states and the edit box.
  struct Item {
    std::u16string_view section;
    int w, h, state;
  } items[] = {{u"FORM", 282, 280, 0},  {u"FORMTITLE", 282, 30, 0}, {u"PANEL", 266, 107, 0}, {u"PANEL", 266, 135, 0},
               {u"BUTTON", 248, 33, 0}, {u"BUTTON", 248, 33, 1},    {u"BUTTON", 248, 33, 2}, {u"EDIT", 248, 21, 0}};
  const paint::TBitmap32 window = bench::RandomBitmap(282, 280, 9);
  std::vector<paint::TBitmap32> caches;
  for (const Item& item : items) caches.emplace_back(item.w, item.h);
  const double ms = bench::BestMilliseconds(
      [&] {
        for (std::size_t i = 0; i < std::size(items); ++i) {
          skin::PaintSection(s, s.GetSkinIndex(items[i].section), paint::MakeCacheInfo(&window, 8, 30), items[i].state,
                             caches[i].Bounds(), {0, 0}, caches[i]);
        }
      },
      200);
  std::printf("%-44s ours %9.3f ms\n", "main window sections at window size", ms);
  return 0;
}
