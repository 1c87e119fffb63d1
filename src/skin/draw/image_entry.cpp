#include "skin/draw/image_entry.h"

#include <algorithm>

namespace vorlan::skin {

std::int32_t TImageEntry::Frame(std::int32_t state) const {
  return std::max(0, std::min<std::int32_t>(state, Mask->ImageCount - 1));
}

paint::TRect TImageEntry::FrameRect(std::int32_t state) const {
  const std::int32_t fw = FrameWidth();
  return paint::MakeRect(Mask->R.Left + Frame(state) * fw, Mask->R.Top, fw, FrameHeight());
}

TImageEntry SkinImage(const TLoadedSkin& skin, std::int32_t index) {
  if (!skin.IsValidImgIndex(index)) return {};
  const TSkinMaskData& mask = skin.ma[static_cast<std::size_t>(index)];
  const paint::TBitmap32* source = mask.Bmp ? mask.Bmp.get() : skin.MasterBitmap.get();
  if (source == nullptr || source->Empty()) return {};
  // An entry that does not lie inside its bitmap is broken; its arithmetic
  // could not be trusted either.
  const paint::TRect& r = mask.R;
  if (r.Left < 0 || r.Top < 0 || r.Right > source->Width() || r.Bottom > source->Height() || r.IsEmpty()) return {};
  return {&mask, source};
}

}  // namespace vorlan::skin
