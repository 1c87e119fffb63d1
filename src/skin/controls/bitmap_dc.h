#pragma once

#include <windows.h>

#include "paint/bitmap32.h"
#include "platform/handle_win.h"

namespace vorlan::skin {

// A memory device context with a 32-bit bitmap's DIB section selected, for
// GDI drawing onto the bitmap. GDI may batch its drawing: Flush before the
// pixels are read or written directly.
class TBitmapDC {
 public:
  explicit TBitmapDC(const paint::TBitmap32& bitmap)
      : dc_(CreateCompatibleDC(nullptr)),
        select_(dc_.get(), static_cast<HBITMAP>(bitmap.NativeHandle())),
        usable_(dc_ && bitmap.NativeHandle() != nullptr && !bitmap.Empty() && select_.Selected()) {}
  TBitmapDC(const TBitmapDC&) = delete;
  TBitmapDC& operator=(const TBitmapDC&) = delete;

  // Null when no context could be made, the bitmap holds no pixels or is
  // selected into another context already (drawing would land nowhere).
  HDC get() const { return usable_ ? dc_.get() : nullptr; }
  static void Flush() { GdiFlush(); }

 private:
  platform::UniqueMemoryDc dc_;
  platform::SelectGuard select_;  // deselects the bitmap before dc_ is deleted
  bool usable_;
};

}  // namespace vorlan::skin
