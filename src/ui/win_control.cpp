#include "ui/win_control.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/align.h"
#include "ui/form.h"
#include "ui/mouse_hover.h"

namespace vorlan::ui {
namespace {

// Child window identifiers; 1 and 2 stay free (IDOK, IDCANCEL).
UINT_PTR NextControlId() {
  static UINT_PTR next = 100;
  return next++;
}

bool IsMouseMessage(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP || msg == WM_LBUTTONDBLCLK || msg == WM_MOUSEMOVE;
}

}  // namespace

TWinControl::~TWinControl() {
  DestroyWindowNow();
  // Children still attached (their owner frees them later) lose their parent.
  for (TControl* control : controls_) control->parent_ = nullptr;
  controls_.clear();
  tab_list_.clear();
}

void TWinControl::DestroyWindowNow() { DestroyHandle(); }

std::intptr_t TWinControl::Send(const platform::TPlainMessage& message) {
  if (!HandleAllocated()) return Dispatch(message);
  return SendMessageW(Handle(), message.Msg, message.WParam, message.LParam);
}

std::vector<platform::IMessageTarget*> TWinControl::Children() {
  return std::vector<platform::IMessageTarget*>(controls_.begin(), controls_.end());
}

void TWinControl::BeforeDestruction() {
  DestroyHandle();
  TControl::BeforeDestruction();
}

void TWinControl::HandleDestroyed() {}

void TWinControl::CreateParams(TCreateParams& params) {
  params.WindowClass = L"VorlanControl";
  params.Style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  params.ExStyle = WS_EX_CONTROLPARENT;
}

void TWinControl::HandleNeeded() {
  if (HandleAllocated()) return;
  if (Parent()) Parent()->HandleNeeded();
  // Making the parent's window makes its children's too, this one's among
  // them: a second window would be left behind, still bound to this object.
  if (!HandleAllocated()) CreateHandle();
}

void TWinControl::CreateHandle() {
  TCreateParams params;
  CreateParams(params);
  DWORD style = params.Style;
  if (Visible() && (style & WS_CHILD)) style |= WS_VISIBLE;
  if (!Enabled()) style |= WS_DISABLED;
  const HWND parent = Parent() ? Parent()->Handle() : params.WndParent;
  const HMENU id = (style & WS_CHILD) ? reinterpret_cast<HMENU>(NextControlId()) : nullptr;
  const RECT& b = BoundsRect();
  const int width = b.right - b.left, height = b.bottom - b.top;
  const std::u16string& caption = Caption();
  if (params.SystemClass) {
    CreateSubclassedWindow(params.ExStyle, params.WindowClass, Wide(caption), style, b.left, b.top, width, height,
                           parent, id);
  } else {
    paints_itself_ = true;
    CreateBoundWindow(params.ExStyle, RegisterFrameworkClass(params.WindowClass, params.ClassStyle), Wide(caption),
                      style, b.left, b.top, width, height, parent, id);
  }
  if (!HandleAllocated()) throw std::runtime_error("Error creating window");
  ApplyFontToWindow();
  HandleCreated();
  // Windowed children made before this window get theirs now.
  for (TWinControl* child : tab_list_) child->HandleNeeded();
}

void TWinControl::SetParent(TWinControl* parent) {
  TControl::SetParent(parent);
  if (!parent) return;
  if (HandleAllocated()) {
    ::SetParent(Handle(), parent->Handle());
  } else {
    HandleNeeded();
  }
}

void TWinControl::InsertControl(TControl& control) {
  controls_.push_back(&control);
  if (auto* windowed = dynamic_cast<TWinControl*>(&control)) tab_list_.push_back(windowed);
  if (control.Align() != TAlign::alNone) AlignControls();
}

void TWinControl::RemoveControl(TControl& control) {
  std::erase(controls_, &control);
  std::erase(tab_list_, dynamic_cast<TWinControl*>(&control));
  if (mouse_control_ == &control) mouse_control_ = nullptr;
}

void TWinControl::SetControlIndex(TControl& control, std::size_t index) {
  const auto it = std::find(controls_.begin(), controls_.end(), &control);
  if (it == controls_.end()) return;
  controls_.erase(it);
  controls_.insert(controls_.begin() + static_cast<std::ptrdiff_t>(std::min(index, controls_.size())), &control);
  if (!control.IsWindowed()) control.Invalidate();
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->tab_list_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (!Parent()) return;
  auto& list = Parent()->tab_list_;
  std::erase(list, this);
  order = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + order, this);
  // The system's own focus moves follow the z-order: keep it the same.
  HWND after = HWND_TOP;
  for (TWinControl* sibling : list) {
    if (sibling->HandleAllocated()) {
      SetWindowPos(sibling->Handle(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      after = sibling->Handle();
    }
  }
}

std::vector<TWinControl*> TWinControl::TabList() const { return tab_list_; }

bool TWinControl::CanFocus() const {
  if (!HandleAllocated()) return false;
  for (const TControl* control = this; control; control = control->Parent()) {
    if (!control->Visible() || !control->Enabled()) return false;
  }
  return true;
}

bool TWinControl::Focused() const { return HandleAllocated() && GetFocus() == Handle(); }

void TWinControl::SetFocus() {
  if (CanFocus()) ::SetFocus(Handle());
}

void TWinControl::SetVisible(bool visible) {
  const bool changed = visible != Visible();
  TControl::SetVisible(visible);
  if (!HandleAllocated()) return;
  ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE);
  if (changed) Perform(CM_SHOWINGCHANGED);
}

void TWinControl::SetEnabled(bool enabled) {
  TControl::SetEnabled(enabled);
  if (HandleAllocated()) EnableWindow(Handle(), enabled);
}

void TWinControl::SetCaption(std::u16string caption) {
  TControl::SetCaption(std::move(caption));
  if (HandleAllocated()) SetWindowTextW(Handle(), Wide(Caption()));
}

void TWinControl::Invalidate() {
  if (HandleAllocated()) InvalidateRect(Handle(), nullptr, TRUE);
}

RECT TWinControl::ClientRect() const {
  RECT rect{};
  if (HandleAllocated()) {
    GetClientRect(Handle(), &rect);
  } else {
    rect = TControl::ClientRect();
  }
  return rect;
}

void TWinControl::BoundsChanged() {
  if (!HandleAllocated()) return;
  const RECT& b = BoundsRect();
  RECT current{};
  GetWindowRect(Handle(), &current);
  if (Parent()) MapWindowPoints(HWND_DESKTOP, Parent()->Handle(), reinterpret_cast<POINT*>(&current), 2);
  if (EqualRect(&current, &b)) return;
  SetWindowPos(Handle(), nullptr, b.left, b.top, b.right - b.left, b.bottom - b.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::FontChanged() {
  ApplyFontToWindow();
  for (TControl* control : controls_) {
    if (control->ParentFont()) control->FontChanged();
  }
}

void TWinControl::ApplyFontToWindow() {
  if (HandleAllocated()) SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
}

void TWinControl::AlignControls() {
  if (IsLoading()) return;
  std::vector<TAlignItem> items;
  std::vector<TControl*> aligned;
  for (TControl* control : controls_) {
    if (control->Align() == TAlign::alNone || !control->Visible()) continue;
    items.push_back({control->Align(), control->BoundsRect()});
    aligned.push_back(control);
  }
  if (items.empty()) return;
  AlignItems(AlignRect(), items);
  for (size_t i = 0; i < aligned.size(); ++i) aligned[i]->SetBoundsRect(items[i].Bounds);
}

TControl* TWinControl::ControlAtPos(POINT point) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* control = *it;
    if (!control->IsWindowed() && control->Visible() && PtInRect(&control->BoundsRect(), point)) return control;
  }
  return nullptr;
}

bool TWinControl::QueryParentBackground(HDC dc, const RECT& rect) const {
  if (!Parent() || !Parent()->HandleAllocated()) return false;
  TBackgroundQuery query;
  query.Dc = dc;
  query.Rect = rect;
  query.Offset = POINT{Left(), Top()};
  return SendMessageW(Parent()->Handle(), CM_QUERYBACKGROUND, 0, reinterpret_cast<LPARAM>(&query)) != 0;
}

void TWinControl::PaintBackground(HDC dc, const RECT& rect) {
  const platform::UniqueBrush brush(CreateSolidBrush(paint::ToColorRef(Color())));
  FillRect(dc, &rect, brush.get());
}

void TWinControl::PaintControls(HDC dc, const RECT& update) {
  for (TControl* control : controls_) {
    if (control->IsWindowed() || !control->Visible()) continue;
    RECT overlap{};
    if (!IntersectRect(&overlap, &control->BoundsRect(), &update)) continue;
    platform::SavedDcState state(dc);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + control->Left(), origin.y + control->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, control->Width(), control->Height());
    control->Paint(dc);
  }
}

void TWinControl::PaintWindow(HDC dc, const RECT& update) {
  PaintBackground(dc, update);
  Paint(dc);
  PaintControls(dc, update);
}

bool TWinControl::ReflectToChild(TMessage& message) {
  HWND child = nullptr;
  switch (message.Msg) {
    case WM_COMMAND:
      child = reinterpret_cast<HWND>(message.LParam);
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      child = reinterpret_cast<HWND>(message.LParam);
      break;
    default:
      return false;
  }
  auto* target = dynamic_cast<TWinControl*>(FindTarget(child));
  if (!target || target == this) return false;
  TMessage reflected{CN_BASE + message.Msg, message.WParam, message.LParam, 0};
  target->Dispatch(reflected);
  if (reflected.Result == 0 && message.Msg != WM_COMMAND) return false;
  message.Result = reflected.Result;
  return true;
}

void TWinControl::RouteMouse(TMessage& message) {
  const POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  const auto local = [](const TControl& control, POINT p) { return POINT{p.x - control.Left(), p.y - control.Top()}; };
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      mouse_control_ = ControlAtPos(point);
      if (mouse_control_ && mouse_control_->Enabled()) {
        SetCapture(Handle());
        mouse_control_->MouseDown(local(*mouse_control_, point));
      }
      break;
    case WM_LBUTTONUP:
      if (TControl* control = std::exchange(mouse_control_, nullptr)) {
        ReleaseCapture();
        control->MouseUp(local(*control, point));
        if (control->Enabled() && PtInRect(&control->BoundsRect(), point)) control->Click();
      }
      break;
    default:
      break;
  }
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      if (ReflectToChild(message)) return;
      break;
    case WM_MOUSEMOVE:
      MouseMovedOver(*this, POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
      break;
    case WM_MOUSELEAVE:
      MouseLeftWindow(*this);
      break;
    case WM_SETFOCUS:
      if (TForm* form = ParentForm(); form && form != this) form->ControlFocused(*this);
      break;
    case WM_SIZE:
      AlignControls();
      break;
    case WM_WINDOWPOSCHANGED: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(message.LParam);
      if (!(pos->flags & SWP_NOSIZE) || !(pos->flags & SWP_NOMOVE)) {
        RECT rect{};
        GetWindowRect(Handle(), &rect);
        if (Parent()) MapWindowPoints(HWND_DESKTOP, Parent()->Handle(), reinterpret_cast<POINT*>(&rect), 2);
        SetBoundsRect(rect);
      }
      break;
    }
    case CM_QUERYBACKGROUND: {
      const auto* query = reinterpret_cast<const TBackgroundQuery*>(message.LParam);
      platform::SavedDcState state(query->Dc);
      POINT origin{};
      GetViewportOrgEx(query->Dc, &origin);
      SetViewportOrgEx(query->Dc, origin.x - query->Offset.x, origin.y - query->Offset.y, nullptr);
      RECT rect = query->Rect;
      OffsetRect(&rect, query->Offset.x, query->Offset.y);
      PaintBackground(query->Dc, rect);
      message.Result = 1;
      return;
    }
    default:
      break;
  }
  if (paints_itself_) {
    switch (message.Msg) {
      case WM_ERASEBKGND:
        message.Result = 1;  // everything is painted in WM_PAINT, without flicker
        return;
      case WM_PAINT: {
        if (message.WParam) {
          // Painting into a context someone else prepared (a child's
          // background, a copy of the window); its clipping limits the work.
          const auto dc = reinterpret_cast<HDC>(message.WParam);
          RECT update{};
          if (GetClipBox(dc, &update) == ERROR) update = ClientRect();
          PaintWindow(dc, update);
          return;
        }
        platform::PaintDc paint(Handle());
        const RECT update = paint.UpdateRect();
        const int width = update.right - update.left, height = update.bottom - update.top;
        if (width <= 0 || height <= 0) return;
        // Painted off screen first, then copied in one go.
        platform::UniqueMemoryDc memory(CreateCompatibleDC(paint.get()));
        platform::UniqueBitmap bitmap(CreateCompatibleBitmap(paint.get(), width, height));
        if (!memory || !bitmap) {
          PaintWindow(paint.get(), update);
          return;
        }
        {
          platform::SelectGuard select(memory.get(), bitmap.get());
          SetViewportOrgEx(memory.get(), -update.left, -update.top, nullptr);
          PaintWindow(memory.get(), update);
          SetViewportOrgEx(memory.get(), 0, 0, nullptr);
          BitBlt(paint.get(), update.left, update.top, width, height, memory.get(), 0, 0, SRCCOPY);
        }
        return;
      }
      case WM_PRINTCLIENT: {
        const RECT client = ClientRect();
        PaintWindow(reinterpret_cast<HDC>(message.WParam), client);
        return;
      }
      default:
        if (IsMouseMessage(message.Msg)) RouteMouse(message);
        break;
    }
  }
  DefaultHandler(message);
}

}  // namespace vorlan::ui
