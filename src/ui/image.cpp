#include "ui/image.h"

#include "paint/bitmap_gdi_win.h"

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
  paint::TPoint at;
  if (center_) at = {(Width() - picture_.Width()) / 2, (Height() - picture_.Height()) / 2};
  paint::ShowBitmap(dc, at, picture_);
}

}  // namespace vorlan::ui
