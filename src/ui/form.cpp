#include "ui/form.h"

#include <windowsx.h>

#include <algorithm>
#include <exception>

#include "ui/application.h"
#include "ui/button.h"

namespace vorlan::ui {

namespace {
std::vector<TForm*>& FormList() {
  static std::vector<TForm*> forms;
  return forms;
}
}  // namespace

const std::vector<TForm*>& LiveForms() { return FormList(); }

TForm::TForm() {
  TControl::SetVisible(false);  // forms start hidden; showing is an act of its own
  FormList().push_back(this);
}

TForm::~TForm() {
  DestroyForm();
  std::erase(FormList(), this);
}

void TForm::BeforeDestruction() { DestroyForm(); }

void TForm::DestroyForm() {
  active_control_ = nullptr;
  DestroyHandle();
  DestroyComponents();
}

void TForm::CreateParams(TCreateParams& params) {
  params.WindowClass = L"VorlanForm";
  params.Style = WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME | WS_CLIPCHILDREN | border_icons_;
  params.ExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
}

void TForm::SetBorderIcons(bool minimize, bool maximize) {
  border_icons_ = WS_SYSMENU | (minimize ? WS_MINIMIZEBOX : 0) | (maximize ? WS_MAXIMIZEBOX : 0);
  if (HandleAllocated()) {
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE) & ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    SetWindowLongPtrW(Handle(), GWL_STYLE, style | border_icons_);
  }
}

void TForm::ClampSize(int& width, int& height) const {
  if (constraints_.MinWidth > 0) width = std::max(width, constraints_.MinWidth);
  if (constraints_.MaxWidth > 0) width = std::min(width, constraints_.MaxWidth);
  if (constraints_.MinHeight > 0) height = std::max(height, constraints_.MinHeight);
  if (constraints_.MaxHeight > 0) height = std::min(height, constraints_.MaxHeight);
}

bool TForm::FixedSize() const {
  return constraints_.MinWidth > 0 && constraints_.MinWidth == constraints_.MaxWidth && constraints_.MinHeight > 0 &&
         constraints_.MinHeight == constraints_.MaxHeight;
}

void TForm::SetConstraints(const TSizeConstraints& constraints) {
  constraints_ = constraints;
  int width = Width(), height = Height();
  ClampSize(width, height);
  SetBounds(Left(), Top(), width, height);
}

void TForm::SetClientSize(int width, int height) {
  TCreateParams params;
  CreateParams(params);
  RECT outer{0, 0, width, height};
  AdjustWindowRectEx(&outer, params.Style, FALSE, params.ExStyle);
  int outer_width = outer.right - outer.left, outer_height = outer.bottom - outer.top;
  ClampSize(outer_width, outer_height);
  SetBounds(Left(), Top(), outer_width, outer_height);
}

void TForm::SetActiveControl(TWinControl* control) {
  active_control_ = control;
  if (control && HandleAllocated() && IsWindowVisible(Handle())) control->SetFocus();
}

void TForm::Loaded() {
  TWinControl::Loaded();
  AlignControls();
}

void TForm::DoShow() {
  if (OnShow) OnShow(*this);
}

void TForm::PlaceAtFirstShowing() {
  if (placed_) return;
  placed_ = true;
  if (position_ != TPosition::poDesktopCenter) return;
  RECT window{};
  GetWindowRect(Handle(), &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  const int desk_left = GetSystemMetrics(SM_XVIRTUALSCREEN), desk_top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int desk_width = GetSystemMetrics(SM_CXVIRTUALSCREEN), desk_height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  const int left = std::max(desk_left, desk_left + desk_width / 2 - width / 2);
  const int top = std::max(desk_top, desk_top + desk_height / 2 - height / 2);
  SetBounds(left, top, width, height);
}

void TForm::SetVisible(bool visible) {
  HandleNeeded();
  if (visible == (IsWindowVisible(Handle()) != FALSE)) {
    // The window already is what the flag becomes: nothing to show or hide.
    syncing_ = true;
    TControl::SetVisible(visible);
    syncing_ = false;
    return;
  }
  if (Visible() == visible) {
    // The flag is right and the window is not: only the showing changes.
    Perform(CM_SHOWINGCHANGED);
    return;
  }
  // The visibility notification passes on to the showing change, which
  // does the work (UpdateShowing), so that handlers in the window's chain
  // see both around it.
  TControl::SetVisible(visible);
}

void TForm::UpdateShowing() {
  if (!HandleAllocated() || Visible() == (IsWindowVisible(Handle()) != FALSE)) return;
  if (!Visible()) {
    ShowWindow(Handle(), SW_HIDE);
    return;
  }
  // The handler runs while the window is still hidden; its error is shown
  // and the showing goes on.
  try {
    DoShow();
  } catch (...) {
    Application().HandleException(std::current_exception());
  }
  PlaceAtFirstShowing();
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
  if (active_control_ && active_control_->CanFocus()) {
    active_control_->SetFocus();
  } else {
    SelectFirst();
  }
}

std::vector<TWinControl*> TForm::FocusOrder() const {
  std::vector<TWinControl*> order;
  const auto walk = [&order](const TWinControl& parent, auto& self) -> void {
    for (TWinControl* child : parent.TabList()) {
      if (!child->Visible() || !child->Enabled()) continue;
      if (child->TabStop()) order.push_back(child);
      self(*child, self);
    }
  };
  walk(*this, walk);
  return order;
}

void TForm::SelectFirst() {
  for (TWinControl* control : FocusOrder()) {
    if (control->CanFocus()) {
      control->SetFocus();
      return;
    }
  }
}

void TForm::SelectNext(TWinControl* current, bool forward) {
  std::vector<TWinControl*> order = FocusOrder();
  std::erase_if(order, [](TWinControl* control) { return !control->CanFocus(); });
  if (order.empty()) return;
  if (!forward) std::reverse(order.begin(), order.end());
  auto it = std::find(order.begin(), order.end(), current);
  it = (it == order.end() || std::next(it) == order.end()) ? order.begin() : std::next(it);
  (*it)->SetFocus();
}

bool TForm::DialogKey(TWinControl& focused, UINT key) {
  switch (key) {
    case VK_TAB:
      if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
      SelectNext(&focused, GetKeyState(VK_SHIFT) >= 0);
      return true;
    default: {
      if (focused.DialogKeyPressed(key)) return true;
      if (key != VK_RETURN && key != VK_ESCAPE) return false;
      // The first button in tab order that is the default (Enter) or the
      // cancel (Escape) button and can be used.
      for (TWinControl* control : FocusOrder()) {
        auto* button = dynamic_cast<TButton*>(control);
        if (button == nullptr || !button->CanFocus()) continue;
        if (key == VK_RETURN ? button->Default() : button->Cancel()) {
          button->Click();
          return true;
        }
      }
      return false;
    }
  }
}

void TForm::Close() {
  bool can_close = true;
  if (OnCloseQuery) OnCloseQuery(*this, can_close);
  if (!can_close) return;
  if (Application().MainForm() == this) {
    Application().Terminate();
  } else {
    Hide();
  }
}

void TForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CLOSE:
      Close();
      return;
    case CM_VISIBLECHANGED:
      TWinControl::WndProc(message);
      if (!syncing_ && HandleAllocated()) Perform(CM_SHOWINGCHANGED);
      return;
    case CM_SHOWINGCHANGED:
      UpdateShowing();
      return;
    case WM_QUERYENDSESSION:
      // Never stand in the way of a log-off or shut-down.
      message.Result = TRUE;
      return;
    case WM_ENDSESSION:
      if (message.WParam && OnEndSession) OnEndSession(*this);
      return;
    case WM_ACTIVATE:
      if (LOWORD(message.WParam) != WA_INACTIVE && !HIWORD(message.WParam)) {
        if (active_control_ && active_control_->CanFocus()) {
          active_control_->SetFocus();
        } else {
          SelectFirst();
        }
        return;
      }
      break;
    case WM_GETMINMAXINFO: {
      DefaultHandler(message);
      auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
      if (constraints_.MinWidth > 0) info->ptMinTrackSize.x = constraints_.MinWidth;
      if (constraints_.MinHeight > 0) info->ptMinTrackSize.y = constraints_.MinHeight;
      if (constraints_.MaxWidth > 0) info->ptMaxTrackSize.x = info->ptMaxSize.x = constraints_.MaxWidth;
      if (constraints_.MaxHeight > 0) info->ptMaxTrackSize.y = info->ptMaxSize.y = constraints_.MaxHeight;
      message.Result = 0;
      return;
    }
    case WM_WINDOWPOSCHANGING: {
      auto* pos = reinterpret_cast<WINDOWPOS*>(message.LParam);
      if (!(pos->flags & SWP_NOSIZE)) ClampSize(pos->cx, pos->cy);
      break;
    }
    case WM_NCHITTEST:
      TWinControl::WndProc(message);
      // A window that cannot change its size shows no sizing cursors.
      if (FixedSize() && message.Result >= HTLEFT && message.Result <= HTBOTTOMRIGHT) message.Result = HTBORDER;
      return;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

}  // namespace vorlan::ui
