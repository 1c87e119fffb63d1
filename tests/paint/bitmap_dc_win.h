#pragma once

#include <windows.h>

#include "paint/bitmap32.h"
#include "platform/handle_win.h"

namespace vorlan::paint::testing {

// A memory device context with a 32-bit bitmap selected, for checking what
// GDI painted pixel by pixel.
class BitmapDc {
 public:
  explicit BitmapDc(TBitmap32& bmp)
      : dc_(CreateCompatibleDC(nullptr)), select_(dc_.get(), static_cast<HBITMAP>(bmp.NativeHandle())) {}
  HDC get() const { return dc_.get(); }

 private:
  platform::UniqueMemoryDc dc_;
  platform::SelectGuard select_;
};

}  // namespace vorlan::paint::testing
