#include "app/banner.h"

#include <algorithm>
#include <cstdint>

#include "paint/resample.h"

namespace vorlan::app {
namespace {

constexpr uint32_t kOpaque = 0xFF000000u;

void MakeOpaque(paint::TBitmap32& bitmap) {
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    uint32_t* row = bitmap.Row(y);
    for (int32_t x = 0; x < bitmap.Width(); ++x) row[x] |= kOpaque;
  }
}

// Nearest-pixel scaling, for the sizes the resampler leaves alone.
paint::TBitmap32 ScaleNearest(const paint::TBitmap32& picture, paint::TSize size) {
  paint::TBitmap32 scaled(size.Width, size.Height);
  for (int32_t y = 0; y < size.Height; ++y) {
    const uint32_t* source = picture.Row(static_cast<int32_t>(int64_t{y} * picture.Height() / size.Height));
    uint32_t* row = scaled.Row(y);
    for (int32_t x = 0; x < size.Width; ++x) row[x] = source[int64_t{x} * picture.Width() / size.Width];
  }
  return scaled;
}

}  // namespace

std::u16string BannerUrl(std::u16string_view picture_host) {
  std::u16string url = u"http://";
  url += picture_host;
  url += kBannerPath;
  return url;
}

paint::TSize FittedSize(paint::TSize picture, paint::TSize area) {
  if (picture.Width <= 0 || picture.Height <= 0 || area.Width <= 0 || area.Height <= 0) return {};
  // Width-bound unless that makes the picture too high.
  const int64_t height_at_full_width = int64_t{picture.Height} * area.Width / picture.Width;
  if (height_at_full_width <= area.Height) {
    return {area.Width, static_cast<int32_t>(std::max<int64_t>(1, height_at_full_width))};
  }
  const int64_t width_at_full_height = int64_t{picture.Width} * area.Height / picture.Height;
  return {static_cast<int32_t>(std::max<int64_t>(1, width_at_full_height)), area.Height};
}

paint::TBitmap32 FitBanner(const paint::TBitmap32& picture, paint::TSize area) {
  const paint::TSize size = FittedSize(picture.Size(), area);
  if (size.Width <= 0 || size.Height <= 0) return {};
  paint::TBitmap32 fitted;
  if (size == picture.Size()) {
    fitted = picture.Clone();
  } else if (picture.Width() < 2) {
    fitted = ScaleNearest(picture, size);
  } else {
    fitted = paint::TBitmap32(size.Width, size.Height);
    paint::ResampleBitmap(picture, fitted, size.Width, paint::kFilterMitchell, size.Height);
  }
  MakeOpaque(fitted);
  return fitted;
}

}  // namespace vorlan::app
