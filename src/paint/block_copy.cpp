#include "paint/block_copy.h"

#include <cstring>

#include "paint/copy_area.h"

namespace vorlan::paint {

void CopyBlock(TBitmap32& dst, TPoint dstAt, const TBitmap32& src, const TRect& srcRect) {
  const TCopyArea a =
      ClipCopyArea(MakeRect(dstAt.X, dstAt.Y, srcRect.Width(), srcRect.Height()), srcRect, dst.Size(), src.Size());
  if (a.IsEmpty()) return;
  const auto bytes = static_cast<size_t>(a.Width) * sizeof(uint32_t);
  for (int32_t row = 0; row < a.Height; ++row) {
    // memmove: a bitmap may be copied onto itself.
    std::memmove(dst.Row(a.DstY + row) + a.DstX, src.Row(a.SrcY + row) + a.SrcX, bytes);
  }
}

}  // namespace vorlan::paint
