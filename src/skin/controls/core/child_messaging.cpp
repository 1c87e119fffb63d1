#include "skin/controls/core/child_messaging.h"

#include "skin/controls/base/skin_flags.h"
#include "skin/controls/base/skin_messaging.h"

namespace vorlan::skin {
namespace {

TBroadcastSkipFilter& SkipFilter() {
  static TBroadcastSkipFilter filter;
  return filter;
}

}  // namespace

void SetBroadcastSkipFilter(TBroadcastSkipFilter filter) { SkipFilter() = std::move(filter); }

void BroadcastToChildControls(ui::TWinControl& container, const ui::TMessage& message) {
  // A child may go or come while it handles the message: the list is read afresh each round.
  for (std::size_t i = 0; i < container.Controls().size(); ++i) {
    ui::TControl* child = container.Controls()[i];
    if (child->IsDestroying()) break;
    auto* windowed = dynamic_cast<ui::TWinControl*>(child);
    if (!windowed || !windowed->HandleAllocated()) {
      ui::TMessage copy{message.Msg, message.WParam, message.LParam, 0};
      child->Dispatch(copy);
    } else if (IsSkinCommandTrue(windowed->Handle(), scIsSkinned)) {
      SendMessageW(windowed->Handle(), message.Msg, message.WParam, message.LParam);
    } else if (!SkipFilter() || !SkipFilter()(*windowed)) {
      BroadcastToChildControls(*windowed, message);
    }
  }
}

namespace {

struct TChildBroadcast {
  HWND Parent;
  const ui::TMessage* Message;
};

BOOL CALLBACK SendToDirectChild(HWND child, LPARAM data) {
  const auto& broadcast = *reinterpret_cast<const TChildBroadcast*>(data);
  // The enumeration reaches grandchildren too; only direct children get it.
  if (GetParent(child) == broadcast.Parent) {
    SendMessageW(child, broadcast.Message->Msg, broadcast.Message->WParam, broadcast.Message->LParam);
  }
  return TRUE;
}

}  // namespace

void BroadcastToChildWindows(HWND window, const ui::TMessage& message) {
  if (!window) return;
  TChildBroadcast broadcast{window, &message};
  EnumChildWindows(window, SendToDirectChild, reinterpret_cast<LPARAM>(&broadcast));
}

bool CanBeShown(const ui::TControl& control) {
  if (const auto* windowed = dynamic_cast<const ui::TWinControl*>(&control); windowed && !windowed->HandleAllocated()) {
    return false;
  }
  return control.Parent() && !control.IsLoading() && !control.IsDestroying();
}

void RepaintChildren(ui::TControl& control) {
  if (AnimationInProgress()) return;
  auto* container = dynamic_cast<ui::TWinControl*>(&control);
  if (!container) return;
  for (std::size_t i = 0; i < container->Controls().size(); ++i) {
    ui::TControl* child = container->Controls()[i];
    if (child->IsDestroying()) continue;
    const auto* windowed = dynamic_cast<const ui::TWinControl*>(child);
    if (windowed && (!windowed->HandleAllocated() || !windowed->Showing())) continue;
    SendSkinCommandTo(child, scUpdateDone);
  }
}

void RepaintChildWindows(HWND window) {
  if (!window) return;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) SendSkinCommand(child, scUpdateDone);
  }
}

}  // namespace vorlan::skin
