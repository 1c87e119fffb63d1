#include "skin/controls/bg_request.h"

#include "platform/handle_win.h"
#include "skin/controls/command_send.h"
#include "skin/data/skin_manager.h"
#include "ui/win_control.h"

namespace vorlan::skin {
namespace {

void Reset(TSkBgRequest& request, bool pleaseDraw) {
  request.Bmp = nullptr;
  request.BgType = btNoAnswer;
  request.PleaseDraw = pleaseDraw ? 1 : 0;
  request.FillR = RECT{};
}

std::intptr_t Address(TSkBgRequest& request) { return reinterpret_cast<std::intptr_t>(&request); }

// The parent paints itself into the asker's context, moved so that the
// asker's area lies under the asker. A window paints through
// WM_PRINTCLIENT (a WM_PAINT would paint the window's own update region),
// a windowless control through its Paint.
void DrawParentInto(const TSkBgRequest& request, HWND window, ui::TControl* windowless) {
  if (request.DC == nullptr) return;
  const platform::SavedDcState saved(request.DC);
  POINT origin{};
  GetViewportOrgEx(request.DC, &origin);
  SetViewportOrgEx(request.DC, origin.x - request.Offset.x, origin.y - request.Offset.y, nullptr);
  RECT clip = request.R;
  OffsetRect(&clip, request.Offset.x, request.Offset.y);
  IntersectClipRect(request.DC, clip.left, clip.top, clip.right, clip.bottom);
  if (window != nullptr) {
    SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(request.DC), 0);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(request.DC), PRF_CLIENT);
  } else if (windowless != nullptr) {
    windowless->Paint(request.DC);
  }
}

HWND WindowOf(ui::TControl& control) {
  auto* windowed = dynamic_cast<ui::TWinControl*>(&control);
  return windowed && windowed->HandleAllocated() ? windowed->Handle() : nullptr;
}

TColor ParentColorOf(ui::TControl& parent) {
  // A skinned parent answers its skin colour, black included.
  if (detail::IsSkinnedControl(parent)) {
    return static_cast<TColor>(detail::SendCommand(parent, scGetBgColor, paint::kKeyColor));
  }
  return paint::ResolveColor(parent.Color());
}

}  // namespace

void RequestParentBackground(TSkBgRequest& request, ui::TControl& parent, bool pleaseDraw) {
  Reset(request, pleaseDraw);
  detail::SendCommand(parent, scGetBackground, Address(request));
  if (request.BgType != btNoAnswer) return;
  if (pleaseDraw) {
    const HWND window = WindowOf(parent);
    DrawParentInto(request, window, window ? nullptr : &parent);
    return;
  }
  request.BgType = btColor;
  request.Color = ParentColorOf(parent);
}

void RequestParentBackground(TSkBgRequest& request, HWND parent, bool pleaseDraw) {
  if (auto* control = dynamic_cast<ui::TControl*>(ui::FindTarget(parent))) {
    RequestParentBackground(request, *control, pleaseDraw);
    return;
  }
  Reset(request, pleaseDraw);
  if (parent != nullptr) detail::SendCommand(parent, scGetBackground, Address(request));
  if (request.BgType != btNoAnswer) return;
  if (pleaseDraw && parent != nullptr) {
    DrawParentInto(request, parent, nullptr);
    return;
  }
  request.BgType = btColor;
  const TSkinManager* manager = DefaultManager();
  request.Color = manager != nullptr ? manager->GetGlobalColor() : ui::clBtnFace;
}

paint::TCacheInfo BgRequestToCacheInfo(const TSkBgRequest& request) {
  if (request.BgType == btCache) return paint::MakeCacheInfo(request.Bmp, request.Offset.x, request.Offset.y);
  paint::TCacheInfo info;
  info.Bmp = request.Bmp;
  info.X = request.Offset.x;
  info.Y = request.Offset.y;
  info.FillColor = paint::ResolveColor(request.Color);
  info.FillRect = paint::FromRECT(request.FillR);
  info.Ready = false;
  return info;
}

}  // namespace vorlan::skin
