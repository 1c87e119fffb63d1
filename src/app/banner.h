#pragma once

#include <string>
#include <string_view>

#include "paint/bitmap32.h"
#include "paint/geometry.h"

// The banner picture at the top of the main window.
namespace vorlan::app {

// The random 400 × 200 landscape photograph of the picture service.
inline constexpr char16_t kBannerPath[] = u"/400/200/nature/";

// "http://" + host + the banner path.
std::u16string BannerUrl(std::u16string_view picture_host);

// The largest size of the picture's proportions that fits the area (larger
// or smaller than the picture); zero when either is empty.
paint::TSize FittedSize(paint::TSize picture, paint::TSize area);

// The picture as the banner shows it in an area of the given size: opaque,
// resampled with the Mitchell filter to the fitted size, to be drawn at the
// area's top-left corner.
paint::TBitmap32 FitBanner(const paint::TBitmap32& picture, paint::TSize area);

}  // namespace vorlan::app
