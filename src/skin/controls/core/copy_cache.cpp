#include "skin/controls/core/copy_cache.h"

#include "paint/bitmap_gdi_win.h"
#include "platform/handle_win.h"
#include "skin/controls/core/control_paint.h"

namespace vorlan::skin {

void CopyCacheToDC(const ui::TWinControl* container, TSkinCommonData& data, const RECT& source, int dy, int dx,
                   bool repairCorners, HDC dc, const RECT& target) {
  if (!data.FCacheBmp || data.FCacheBmp->Empty() || dc == nullptr) return;
  if (repairCorners) RepaintCorners(data, 0, kAllCorners);
  const platform::SavedDcState saved(dc);
  IntersectClipRect(dc, target.left, target.top, target.right, target.bottom);
  if (container != nullptr) {
    for (const ui::TControl* child : container->Controls()) {
      // Windowless and opaque children paint over this picture themselves;
      // other windowed ones may show what lies under them.
      if (!child->Visible() || (child->IsWindowed() && !child->Opaque())) continue;
      const RECT& b = child->BoundsRect();
      if (b.right <= target.left || b.left >= target.right || b.bottom <= target.top || b.top >= target.bottom)
        continue;
      ExcludeClipRect(dc, b.left + dx, b.top + dy, b.right + dx, b.bottom + dy);
    }
  }
  paint::ShowBitmap(dc, {target.left, target.top}, *data.FCacheBmp,
                    paint::MakeRect(source.left, source.top, target.right - target.left, target.bottom - target.top));
}

}  // namespace vorlan::skin
