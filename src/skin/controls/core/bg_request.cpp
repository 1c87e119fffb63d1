#include "skin/controls/core/bg_request.h"

#include "paint/bitmap_gdi_win.h"
#include "platform/handle_win.h"
#include "skin/controls/base/skin_messaging.h"
#include "skin/data/skin_manager.h"
#include "ui/win_control.h"
#include "ui/window_proc.h"

namespace vorlan::skin {
namespace {

void ResetRequest(TSkBgRequest& request, bool pleaseDraw) {
  // A reused request must not carry an old picture into a colour answer.
  request.Bmp = nullptr;
  request.BgType = btNoAnswer;
  request.PleaseDraw = pleaseDraw ? 1 : 0;
  request.FillR = RECT{};
}

// The parent paints itself into the asker's DC: its coordinates moved so
// that the asker's origin lands on the DC's, clipped to the asker's area.
template <class Send>
void DrawParentInto(const TSkBgRequest& request, const Send& send) {
  if (!request.DC) return;
  platform::SavedDcState state(request.DC);
  POINT origin{};
  GetViewportOrgEx(request.DC, &origin);
  SetViewportOrgEx(request.DC, origin.x - request.Offset.x, origin.y - request.Offset.y, nullptr);
  RECT clip = request.R;
  OffsetRect(&clip, request.Offset.x, request.Offset.y);
  IntersectClipRect(request.DC, clip.left, clip.top, clip.right, clip.bottom);
  const auto dc = reinterpret_cast<WPARAM>(request.DC);
  send(WM_ERASEBKGND, dc);
  send(WM_PAINT, dc);
}

TColor ControlColor(ui::TControl& parent) {
  const auto answer = static_cast<TColor>(SendSkinCommandTo(&parent, scGetBgColor, paint::kKeyColor));
  return answer != 0 ? answer : paint::ResolveColor(parent.Color());
}

TColor BareWindowColor() {
  const TSkinManager* manager = DefaultManager();
  // A manager without a skin has no palette to give.
  if (manager && manager->Skin.CommonSkinData.Active) return manager->GetGlobalColor();
  return kBtnFaceColor;
}

}  // namespace

void RequestParentBackground(TSkBgRequest& request, HWND parent, bool pleaseDraw) {
  ResetRequest(request, pleaseDraw);
  if (!parent) {
    request.BgType = btColor;
    request.Color = BareWindowColor();
    return;
  }
  Send<scGetBackground>(parent, &request);
  if (request.BgType != btNoAnswer) return;
  if (pleaseDraw) {
    DrawParentInto(request, [parent](UINT msg, WPARAM dc) { SendMessageW(parent, msg, dc, 0); });
    return;
  }
  request.BgType = btColor;
  // A window of the framework still knows its colour.
  if (auto* control = dynamic_cast<ui::TControl*>(ui::FindTarget(parent))) {
    request.Color = ControlColor(*control);
  } else {
    request.Color = BareWindowColor();
  }
}

void RequestParentBackground(TSkBgRequest& request, ui::TControl& parent, bool pleaseDraw) {
  ResetRequest(request, pleaseDraw);
  parent.Perform(SM_ALPHACMD, MakeSkinWParam(scGetBackground), PayloadWord<scGetBackground>(&request));
  if (request.BgType != btNoAnswer) return;
  if (pleaseDraw) {
    DrawParentInto(request, [&parent](UINT msg, WPARAM dc) { parent.Perform(msg, dc, 0); });
    return;
  }
  request.BgType = btColor;
  request.Color = ControlColor(parent);
}

bool RequestBackgroundBehind(TSkBgRequest& request, ui::TControl* control, HWND window) {
  if (control != nullptr && control->Parent() != nullptr) {
    RequestParentBackground(request, *control->Parent(), false);
    return true;
  }
  if (window == nullptr || GetParent(window) == nullptr) return false;
  RequestParentBackground(request, GetParent(window), false);
  return true;
}

paint::TCacheInfo BgRequestToCacheInfo(const TSkBgRequest& request) {
  if (request.BgType == btCache) return paint::MakeCacheInfo(request.Bmp, request.Offset.x, request.Offset.y);
  paint::TCacheInfo info;
  // A parent that forbids painting leaves its look unknown.
  if (request.BgType == btForbidden) return info;
  info.Bmp = request.Bmp;
  info.X = request.Offset.x;
  info.Y = request.Offset.y;
  info.FillColor = paint::ResolveColor(request.Color);
  info.FillRect = paint::FromRECT(request.FillR);
  info.Ready = false;
  return info;
}

}  // namespace vorlan::skin
