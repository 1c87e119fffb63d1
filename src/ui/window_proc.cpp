#include "ui/window_proc.h"

#include <exception>

#include "ui/application.h"

namespace vorlan::ui {
namespace {

constexpr wchar_t kTargetProperty[] = L"Vorlan.WindowTarget";

}  // namespace

TWindowTarget::~TWindowTarget() {
  if (!window_) return;
  const HWND window = window_;
  Unbind();
  DestroyWindow(window);
}

void TWindowTarget::Bind(HWND window) {
  window_ = window;
  SetPropW(window, kTargetProperty, this);
}

void TWindowTarget::Unbind() {
  RemovePropW(window_, kTargetProperty);
  if (subclassed_) SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(default_proc_));
  window_ = nullptr;
}

LRESULT TWindowTarget::CallDefault(const TMessage& message) const {
  return CallWindowProcW(default_proc_, window_, message.Msg, message.WParam, message.LParam);
}

HWND TWindowTarget::CreateBoundWindow(DWORD ex_style, const wchar_t* window_class, const wchar_t* title, DWORD style,
                                      int x, int y, int width, int height, HWND parent, HMENU menu_or_id) {
  return CreateWindowExW(ex_style, window_class, title, style, x, y, width, height, parent, menu_or_id,
                         GetModuleHandleW(nullptr), this);
}

HWND TWindowTarget::CreateSubclassedWindow(DWORD ex_style, const wchar_t* window_class, const wchar_t* title,
                                           DWORD style, int x, int y, int width, int height, HWND parent,
                                           HMENU menu_or_id) {
  const HWND window = CreateWindowExW(ex_style, window_class, title, style, x, y, width, height, parent, menu_or_id,
                                      GetModuleHandleW(nullptr), nullptr);
  if (!window) return nullptr;
  Bind(window);
  subclassed_ = true;
  default_proc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FrameworkWindowProc)));
  return window;
}

void TWindowTarget::DestroyHandle() {
  if (window_) DestroyWindow(window_);
}

TWindowTarget* FindTarget(HWND window) {
  return window ? static_cast<TWindowTarget*>(GetPropW(window, kTargetProperty)) : nullptr;
}

LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    if (auto* target = static_cast<TWindowTarget*>(create->lpCreateParams)) target->Bind(window);
  }
  TWindowTarget* target = FindTarget(window);
  if (!target) return DefWindowProcW(window, message, wparam, lparam);

  TMessage m{message, wparam, lparam, 0};
  try {
    target->Dispatch(m);
  } catch (...) {
    Application().HandleException(std::current_exception());
  }
  if (message == WM_NCDESTROY) {
    target->Unbind();
    target->HandleDestroyed();
  }
  return m.Result;
}

const wchar_t* RegisterFrameworkClass(const wchar_t* name, UINT style) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(instance, name, &existing)) return name;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = style;
  wc.lpfnWndProc = FrameworkWindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
  return name;
}

}  // namespace vorlan::ui
