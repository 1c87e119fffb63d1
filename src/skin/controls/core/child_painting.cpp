#include "skin/controls/core/child_painting.h"

#include <vector>

#include "paint/bitmap_gdi_win.h"
#include "paint/block_copy.h"
#include "paint/fills.h"
#include "platform/handle_win.h"
#include "skin/controls/base/skin_flags.h"
#include "skin/controls/base/skin_messaging.h"
#include "skin/controls/core/bg_request.h"
#include "skin/controls/core/common_data.h"
#include "skin/data/skin_manager.h"
#include "ui/form.h"

namespace vorlan::skin {
namespace {

using paint::TBitmap32;
using paint::TRect;

bool Qualifies(const ui::TControl& child) {
  return !child.IsWindowed() && child.Visible() && child.Width() > 0 && child.Height() > 0 && !child.IsDestroying();
}

// The container's parts of `bounds` that lie in its border strips, which a
// colour answer keeps in its bitmap.
std::vector<TRect> BorderStripParts(const TRect& bounds, const RECT& strips, paint::TSize size) {
  const TRect pieces[] = {
      {0, 0, strips.left, size.Height},
      {0, 0, size.Width, strips.top},
      {size.Width - strips.right, 0, size.Width, size.Height},
      {0, size.Height - strips.bottom, size.Width, size.Height},
  };
  std::vector<TRect> parts;
  for (const TRect& piece : pieces) {
    if (piece.IsEmpty()) continue;
    const TRect part = paint::Intersect(piece, bounds);
    if (!part.IsEmpty()) parts.push_back(part);
  }
  return parts;
}

// What lies behind a child, put into the canvas under its bounds.
void FillBehind(TBitmap32& canvas, const ui::TControl& child, const TSkBgRequest& background, paint::TSize size) {
  const TRect bounds = paint::FromRECT(child.BoundsRect());
  const paint::TPoint offset = paint::FromPOINT(background.Offset);
  const auto copy = [&](const TRect& part) {
    const TRect source{part.Left + offset.X, part.Top + offset.Y, part.Right + offset.X, part.Bottom + offset.Y};
    paint::CopyBlock(canvas, {part.Left, part.Top}, *background.Bmp, source);
  };
  if (child.Opaque()) {
    paint::FillRect32(canvas, bounds, paint::ResolveColor(child.Color()), 255);
  } else if (background.BgType == btCache && background.Bmp) {
    copy(bounds);
  } else {
    paint::FillRect32(canvas, bounds, paint::ResolveColor(background.Color), 255);
    if (background.Bmp) {
      for (const TRect& part : BorderStripParts(bounds, background.FillR, size)) copy(part);
    }
  }
}

bool Printing(ui::TControl& container) {
  const auto* data = Send<scGetSkinData>(&container);
  return data && (data->CtrlSkinState & kCtrlPrinting);
}

bool FormWithExtendedBorders(const ui::TWinControl& container) {
  const TSkinManager* manager = DefaultManager();
  return dynamic_cast<const ui::TForm*>(&container) && manager && manager->ExtendedBorders();
}

void PaintChild(HDC memory, ui::TControl& child, bool refresh, bool printing) {
  platform::SavedDcState state(memory);
  SetViewportOrgEx(memory, child.Left(), child.Top(), nullptr);
  IntersectClipRect(memory, 0, 0, child.Width(), child.Height());
  if (refresh) SendSkinCommandTo(&child, scInvalidate);
  if (printing) Send<scSetPrintDC>(&child, memory);
  child.Perform(WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
  if (printing) SendSkinCommandTo(&child, scSetPrintDC, 0);
}

}  // namespace

void PaintGraphicChildren(HDC dc, ui::TWinControl& container, bool onlyWhenVisible, POINT offset) {
  bool& painting = flags_detail::ChildPaintingFlag();
  if (painting || !dc) return;
  if (onlyWhenVisible && !container.Visible()) return;
  if (container.Controls().empty()) return;
  TFlagScope scope(painting);

  RECT clip{};
  const int clipKind = GetClipBox(dc, &clip);
  if (clipKind == ERROR) return;
  if (clipKind == NULLREGION || IsRectEmpty(&clip)) {
    SendSkinCommandTo(&container, scSetHalfVisible);
    return;
  }
  TSkBgRequest background;
  RequestParentBackground(background, container, false);
  // The container's picture is not ready: nothing may be painted over it yet.
  if (background.BgType == btForbidden) return;

  std::vector<ui::TControl*> children;
  for (std::size_t i = 0; i < container.Controls().size(); ++i) {
    ui::TControl* child = container.Controls()[i];
    if (!Qualifies(*child)) continue;
    RECT at = child->BoundsRect();
    OffsetRect(&at, offset.x, offset.y);
    if (!RectVisible(dc, &at)) {
      SendSkinCommandTo(child, scSetHalfVisible);
      continue;
    }
    children.push_back(child);
  }
  if (children.empty()) return;

  const paint::TSize size{container.Width(), container.Height()};
  TBitmap32 canvas(size.Width, size.Height);
  const auto bitmap = static_cast<HBITMAP>(canvas.NativeHandle());
  platform::UniqueMemoryDc memory(CreateCompatibleDC(dc));
  if (!bitmap || !memory) return;
  platform::SelectGuard select(memory.get(), bitmap);
  for (ui::TControl* child : children) FillBehind(canvas, *child, background, size);

  const bool extended = FormWithExtendedBorders(container);
  const bool printing = Printing(container);
  for (ui::TControl* child : children) {
    PaintChild(memory.get(), *child, extended && child->Align() != ui::TAlign::alNone, printing);
  }
  GdiFlush();
  for (const ui::TControl* child : children) {
    if ((canvas.Pixel(child->Left(), child->Top()) & 0x00FFFFFFu) == paint::kKeyPixel) continue;
    BitBlt(dc, child->Left() + offset.x, child->Top() + offset.y, child->Width(), child->Height(), memory.get(),
           child->Left(), child->Top(), SRCCOPY);
  }
}

void ExcludeGraphicChildren(HDC dc, const ui::TWinControl& container, POINT offset) {
  for (const ui::TControl* child : container.Controls()) {
    if (child->IsWindowed() || !child->Visible()) continue;
    RECT r = child->BoundsRect();
    OffsetRect(&r, offset.x, offset.y);
    ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
  }
}

void ClearRects(std::span<const paint::TRect> rects, paint::TBitmap32& bitmap) {
  for (const TRect& rect : rects) paint::FillRect32(bitmap, rect, 0, 0);
}

}  // namespace vorlan::skin
