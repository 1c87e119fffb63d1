#include "ui/window_proc.h"

#include <commctrl.h>

#include <exception>

#include "ui/application.h"

namespace vorlan::ui {
namespace {

constexpr wchar_t kTargetProperty[] = L"Vorlan.WindowTarget";
// The framework's own layer on windows of system classes; other layers
// (TWindowSubclass) take ids from a counter that starts above it.
constexpr UINT_PTR kFrameworkSubclassId = 1;

}  // namespace

LRESULT CALLBACK FrameworkSubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                       DWORD_PTR data) noexcept;

void ReportEscapedError() noexcept {
  try {
    Application().HandleException(std::current_exception());
  } catch (...) {
    // The box itself failed: the message is lost, the program goes on.
  }
}

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
  // Only our own layer goes: layers added above it stay in place.
  if (subclassed_) RemoveWindowSubclass(window_, FrameworkSubclassProc, kFrameworkSubclassId);
  subclassed_ = false;
  window_ = nullptr;
}

LRESULT TWindowTarget::CallDefault(const TMessage& message) const {
  if (!window_) return 0;
  if (subclassed_) return DefSubclassProc(window_, message.Msg, message.WParam, message.LParam);
  return DefWindowProcW(window_, message.Msg, message.WParam, message.LParam);
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
  subclassed_ = SetWindowSubclass(window, FrameworkSubclassProc, kFrameworkSubclassId,
                                  reinterpret_cast<DWORD_PTR>(this)) != FALSE;
  if (!subclassed_) {
    Unbind();
    DestroyWindow(window);
    return nullptr;
  }
  return window;
}

void TWindowTarget::DestroyHandle() {
  if (window_) DestroyWindow(window_);
}

LRESULT TWindowTarget::Deliver(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
  TMessage m{message, wparam, lparam, 0};
  try {
    Dispatch(m);
  } catch (...) {
    ReportEscapedError();
  }
  if (message == WM_NCDESTROY && window_ == window) {
    Unbind();
    try {
      HandleDestroyed();
    } catch (...) {
      ReportEscapedError();
    }
  }
  return m.Result;
}

TWindowTarget* FindTarget(HWND window) {
  return window ? static_cast<TWindowTarget*>(GetPropW(window, kTargetProperty)) : nullptr;
}

LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    if (auto* target = static_cast<TWindowTarget*>(create->lpCreateParams)) target->Bind(window);
  }
  TWindowTarget* target = FindTarget(window);
  if (!target) return DefWindowProcW(window, message, wparam, lparam);
  return target->Deliver(window, message, wparam, lparam);
}

LRESULT CALLBACK FrameworkSubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR /*id*/,
                                       DWORD_PTR data) noexcept {
  auto* target = reinterpret_cast<TWindowTarget*>(data);
  return target->Deliver(window, message, wparam, lparam);
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
