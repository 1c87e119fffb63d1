#include "skin/draw/text_glow.h"

namespace vorlan::skin {

TGlowLayout GlowLayoutFor(const paint::TRect& textRect, int size) {
  const paint::TRect moved{textRect.Left + 1, textRect.Top + 1, textRect.Right + 1, textRect.Bottom + 1};
  const int margin = size + 4;
  TGlowLayout layout;
  layout.Mask = {moved.Left - margin, moved.Top - margin, moved.Right + margin, moved.Bottom + margin};
  layout.Text = paint::MakeRect(margin, margin, moved.Width(), moved.Height());
  layout.Origin = {layout.Mask.Left, layout.Mask.Top};
  return layout;
}

std::vector<paint::TPoint> GlowTextOffsets(int sides) {
  struct Side {
    int flag;
    paint::TPoint offset;
  };
  static constexpr Side kSides[] = {
      {kGlowLeft, {-1, 0}}, {kGlowUp, {0, -1}}, {kGlowRight, {1, 0}}, {kGlowDown, {0, 1}}};
  std::vector<paint::TPoint> offsets;
  for (const Side& side : kSides) {
    if ((sides & side.flag) != 0) offsets.push_back(side.offset);
  }
  offsets.push_back({0, 0});
  return offsets;
}

}  // namespace vorlan::skin
