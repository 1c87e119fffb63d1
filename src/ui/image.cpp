#include "ui/image.h"

#include "ui/handle.h"

namespace vorlan::ui {

void TImage::SetPicture(paint::TBitmap32 picture) {
  picture_ = std::move(picture);
  Invalidate();
}

void TImage::SetCenter(bool center) {
  center_ = center;
  Invalidate();
}

void TImage::Paint(HDC dc) {
  const auto bitmap = static_cast<HBITMAP>(picture_.NativeHandle());
  if (picture_.Empty() || !bitmap) return;
  int left = 0, top = 0;
  if (center_) {
    left = (Width() - picture_.Width()) / 2;
    top = (Height() - picture_.Height()) / 2;
  }
  UniqueMemoryDc memory(CreateCompatibleDC(dc));
  if (!memory) return;
  SelectGuard select(memory.get(), bitmap);
  BitBlt(dc, left, top, picture_.Width(), picture_.Height(), memory.get(), 0, 0, SRCCOPY);
}

}  // namespace vorlan::ui
