#include "skin/draw/form_region.h"

#include <algorithm>

#include "skin/draw/image_entry.h"

namespace vorlan::skin {
namespace {

bool IsKey(std::uint32_t pixel) { return (pixel & 0x00FFFFFFu) == (paint::kKeyPixel & 0x00FFFFFFu); }

// Key-colour runs of one image row between columns [from, to) of the frame,
// placed at window row y with the frame's column `from` at window column x.
void AddRuns(const TImageEntry& image, const paint::TRect& frame, std::int32_t row, std::int32_t from, std::int32_t to,
             std::int32_t x, std::int32_t y, std::vector<paint::TRect>& out) {
  const std::uint32_t* pixels = image.Source->Row(frame.Top + row);
  std::int32_t start = -1;
  for (std::int32_t col = from; col <= to; ++col) {
    const bool key = col < to && IsKey(pixels[frame.Left + col]);
    if (key && start < 0) start = col;
    if (!key && start >= 0) {
      out.push_back(paint::TRect{x + start - from, y, x + col - from, y + 1});
      start = -1;
    }
  }
}

void AddCorners(const TLoadedSkin& skin, std::int32_t index, std::int32_t width, std::int32_t height, bool bottoms,
                std::vector<paint::TRect>& out) {
  const TImageEntry image = SkinImage(skin, index);
  if (!image) return;
  const paint::TRect frame = image.FrameRect(0);
  const std::int32_t fw = frame.Width(), fh = frame.Height();
  const TSkinMaskData& m = image.M();
  const std::int32_t wl = std::min<std::int32_t>(m.WL, fw), wr = std::min<std::int32_t>(m.WR, fw);
  const std::int32_t wt = std::min<std::int32_t>(m.WT, fh), wb = std::min<std::int32_t>(m.WB, fh);
  for (std::int32_t row = 0; row < wt; ++row) {
    AddRuns(image, frame, row, 0, wl, 0, row, out);
    AddRuns(image, frame, row, fw - wr, fw, width - wr, row, out);
  }
  if (!bottoms) return;
  for (std::int32_t row = 0; row < wb; ++row) {
    AddRuns(image, frame, fh - wb + row, 0, wl, 0, height - wb + row, out);
    AddRuns(image, frame, fh - wb + row, fw - wr, fw, width - wr, height - wb + row, out);
  }
}

}  // namespace

std::vector<paint::TRect> CornerCutouts(const TLoadedSkin& skin, std::int32_t formBorderIndex,
                                        std::int32_t titleBorderIndex, std::int32_t width, std::int32_t height) {
  std::vector<paint::TRect> out;
  AddCorners(skin, formBorderIndex, width, height, true, out);
  AddCorners(skin, titleBorderIndex, width, height, false, out);
  return out;
}

}  // namespace vorlan::skin
