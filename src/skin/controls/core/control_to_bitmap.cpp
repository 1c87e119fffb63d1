#include "skin/controls/core/control_to_bitmap.h"

#include "paint/bitmap_gdi_win.h"
#include "paint/block_copy.h"
#include "paint/fills.h"
#include "platform/handle_win.h"
#include "skin/controls/base/skin_messaging.h"
#include "skin/controls/base/window_queries.h"
#include "skin/controls/core/bg_request.h"
#include "ui/win_control.h"

namespace vorlan::skin {
namespace {

constexpr LPARAM kPrintFlags = PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND;

// A hidden control shows what its parent has behind it.
void CopyParentBackground(paint::TBitmap32& bitmap, ui::TControl& control, int x, int y) {
  TSkBgRequest background;
  RequestParentBackground(background, *control.Parent(), false);
  const paint::TRect target = paint::MakeRect(x, y, control.Width(), control.Height());
  if (background.BgType == btCache && background.Bmp) {
    const paint::TRect source = paint::MakeRect(control.Left() + background.Offset.x,
                                                control.Top() + background.Offset.y, control.Width(), control.Height());
    paint::CopyBlock(bitmap, {x, y}, *background.Bmp, source);
  } else {
    paint::FillRect32(bitmap, target, paint::ResolveColor(background.Color), 255);
  }
}

// The control paints itself: the skin's controls into their print target,
// the others through the framework's painting into a given context.
void PrintControl(HDC dc, ui::TControl& control) {
  const auto target = reinterpret_cast<WPARAM>(dc);
  try {
    if (!control.IsWindowed() || IsSkinCommandTrue(&control, scIsSkinned)) {
      Send<scSetPrintDC>(&control, dc);
      control.Perform(WM_PRINT, target, kPrintFlags);
      Send<scSetPrintDC>(&control, nullptr);
    } else {
      control.Perform(WM_PRINT, target, kPrintFlags);
    }
  } catch (...) {
    // A picture for an effect: a control that cannot paint stays out of it.
  }
}

void CopyTree(HDC dc, ui::TControl& control, int x, int y, bool clip) {
  platform::SavedDcState state(dc);
  SetViewportOrgEx(dc, x, y, nullptr);
  if (clip) IntersectClipRect(dc, 0, 0, control.Width(), control.Height());
  PrintControl(dc, control);
  auto* container = dynamic_cast<ui::TWinControl*>(&control);
  if (!container) return;
  // Children lie in the client area, which a frame may push inside the window.
  POINT client{};
  if (container->HandleAllocated()) {
    const RECT inWindow = ClientRectInWindow(container->Handle());
    client = POINT{inWindow.left, inWindow.top};
  }
  for (std::size_t i = 0; i < container->Controls().size(); ++i) {
    auto* child = dynamic_cast<ui::TWinControl*>(container->Controls()[i]);
    if (!child || !child->Visible() || !child->HandleAllocated()) continue;
    CopyTree(dc, *child, x + client.x + child->Left(), y + client.y + child->Top(), true);
  }
}

}  // namespace

void PaintControlToBitmap(paint::TBitmap32& bitmap, ui::TControl& control, int x, const TProviderFrame* provider,
                          int y) {
  if (bitmap.Empty()) return;
  if (!provider && control.Parent() && !control.Visible()) {
    CopyParentBackground(bitmap, control, x, y);
    return;
  }
  const auto handle = static_cast<HBITMAP>(bitmap.NativeHandle());
  platform::UniqueMemoryDc memory(CreateCompatibleDC(nullptr));
  if (!handle || !memory) return;
  {
    platform::SelectGuard select(memory.get(), handle);
    CopyTree(memory.get(), control, x, y, !(provider && provider->ExtendedBorder));
    GdiFlush();
  }
  if (provider && provider->ExtendedBorder) {
    RECT client = control.ClientRect();
    OffsetRect(&client, provider->Offset.x, provider->Offset.y);
    paint::SetAlphaRect(bitmap, paint::FromRECT(client), 255, paint::kNoColor);
  }
}

}  // namespace vorlan::skin
