#include "skin/controls/base/window_queries.h"

#include <algorithm>

namespace vorlan::skin {

HWND TopLevelWindow(HWND window) {
  if (!window) return nullptr;
  for (HWND parent = GetParent(window); parent; parent = GetParent(window)) window = parent;
  return window;
}

RECT ClientRectInWindow(HWND window) {
  RECT client{};
  if (!window || !GetClientRect(window, &client)) return RECT{};
  RECT whole{};
  GetWindowRect(window, &whole);
  POINT origin{};
  ClientToScreen(window, &origin);
  OffsetRect(&client, origin.x - whole.left, origin.y - whole.top);
  return client;
}

std::u16string WindowClassName(HWND window) {
  constexpr int kLongest = 128;
  wchar_t name[kLongest + 1]{};
  const int length = window ? GetClassNameW(window, name, kLongest + 1) : 0;
  return ui::FromWide(name, static_cast<std::size_t>(std::clamp(length, 0, kLongest)));
}

int SumAlignedSizes(const ui::TWinControl& container, ui::TAlign alignment, bool includeWindowless) {
  const bool vertical = alignment == ui::TAlign::alTop || alignment == ui::TAlign::alBottom;
  const bool horizontal = alignment == ui::TAlign::alLeft || alignment == ui::TAlign::alRight;
  if (!vertical && !horizontal) return 0;
  int sum = 0;
  for (const ui::TControl* child : container.Controls()) {
    if (!child->Visible() || child->Align() != alignment) continue;
    if (!includeWindowless && !child->IsWindowed()) continue;
    sum += vertical ? child->Height() : child->Width();
  }
  return sum;
}

void MoveAfterSibling(ui::TControl& control, const ui::TControl& sibling) {
  ui::TWinControl* parent = control.Parent();
  if (!parent || sibling.Parent() != parent || &control == &sibling) return;
  const auto& order = parent->Controls();
  const auto at = [&order](const ui::TControl* c) {
    return static_cast<std::size_t>(std::find(order.begin(), order.end(), c) - order.begin());
  };
  std::size_t target = at(&sibling) + 1;
  // Taking the control out first shifts everything behind it by one.
  if (at(&control) < target) --target;
  parent->SetControlIndex(control, target);
}

bool CursorInClient(const ui::TControl& control) {
  POINT cursor{};
  if (!GetCursorPos(&cursor)) return false;
  RECT client{};
  POINT origin{};
  if (const auto* windowed = dynamic_cast<const ui::TWinControl*>(&control); windowed) {
    if (!windowed->HandleAllocated()) return false;
    GetClientRect(windowed->Handle(), &client);
    ClientToScreen(windowed->Handle(), &origin);
  } else {
    const ui::TWinControl* parent = control.Parent();
    if (!parent || !parent->HandleAllocated()) return false;
    client = control.ClientRect();
    origin = POINT{control.Left(), control.Top()};
    ClientToScreen(parent->Handle(), &origin);
  }
  OffsetRect(&client, origin.x, origin.y);
  return PtInRect(&client, cursor) != FALSE;
}

}  // namespace vorlan::skin
