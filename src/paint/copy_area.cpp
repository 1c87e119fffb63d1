#include "paint/copy_area.h"

#include <algorithm>

namespace vorlan::paint {

namespace {

// Moves both starts forward until neither is negative, shrinking the block.
void ShiftNegativeStarts(int32_t& dst, int32_t& src, int32_t& length) {
  if (dst < 0) {
    src -= dst;
    length += dst;
    dst = 0;
  }
  if (src < 0) {
    dst -= src;
    length += src;
    src = 0;
  }
}

}  // namespace

TCopyArea ClipCopyArea(const TRect& dst_rect, const TRect& src_rect, TSize dst_size, TSize src_size,
                       int32_t src_spare) {
  TCopyArea a{dst_rect.Left,
              dst_rect.Top,
              src_rect.Left,
              src_rect.Top,
              std::min(dst_rect.Width(), src_rect.Width()),
              std::min(dst_rect.Height(), src_rect.Height())};
  ShiftNegativeStarts(a.DstX, a.SrcX, a.Width);
  ShiftNegativeStarts(a.DstY, a.SrcY, a.Height);
  a.Width = std::min({a.Width, dst_size.Width - a.DstX, src_size.Width - src_spare - a.SrcX});
  a.Height = std::min({a.Height, dst_size.Height - a.DstY, src_size.Height - src_spare - a.SrcY});
  if (a.IsEmpty()) a.Width = a.Height = 0;
  return a;
}

TCopyArea ClipInclusiveArea(TPoint dst_at, const TRect& src_rect, TSize dst_size, TSize src_size) {
  TCopyArea a{dst_at.X, dst_at.Y, src_rect.Left, src_rect.Top, 0, 0};
  const int32_t right = std::min(src_rect.Right, src_size.Width - 1);
  const int32_t bottom = std::min(src_rect.Bottom, src_size.Height - 1);
  a.Width = right - a.SrcX + 1;
  a.Height = bottom - a.SrcY + 1;
  ShiftNegativeStarts(a.DstX, a.SrcX, a.Width);
  ShiftNegativeStarts(a.DstY, a.SrcY, a.Height);
  a.Width = std::min(a.Width, dst_size.Width - a.DstX);
  a.Height = std::min(a.Height, dst_size.Height - a.DstY);
  if (a.IsEmpty()) a.Width = a.Height = 0;
  return a;
}

}  // namespace vorlan::paint
