#pragma once

#include <windows.h>

#include <utility>

// Move-only owners of Win32 handles. Each kind of handle names its type, its
// invalid value and the call that gives it back; raw releases appear only here.
namespace vorlan::ui {

template <class Traits>
class UniqueHandle {
 public:
  using Type = typename Traits::Type;

  UniqueHandle() noexcept = default;
  explicit UniqueHandle(Type handle) noexcept : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Type get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }

  // Gives up ownership without closing.
  Type release() noexcept { return std::exchange(handle_, Traits::Invalid()); }

  void reset(Type handle = Traits::Invalid()) noexcept {
    const Type old = std::exchange(handle_, handle);
    if (old != Traits::Invalid()) Traits::Close(old);
  }

 private:
  Type handle_ = Traits::Invalid();
};

namespace handle_traits {

struct Window {
  using Type = HWND;
  static Type Invalid() noexcept { return nullptr; }
  static void Close(Type h) noexcept { DestroyWindow(h); }
};

template <class T>
struct GdiObject {
  using Type = T;
  static Type Invalid() noexcept { return nullptr; }
  static void Close(Type h) noexcept { DeleteObject(h); }
};

// A device context made by CreateCompatibleDC or CreateDC.
struct MemoryDc {
  using Type = HDC;
  static Type Invalid() noexcept { return nullptr; }
  static void Close(Type h) noexcept { DeleteDC(h); }
};

struct Menu {
  using Type = HMENU;
  static Type Invalid() noexcept { return nullptr; }
  static void Close(Type h) noexcept { DestroyMenu(h); }
};

// An icon made by LoadImage without LR_SHARED or CreateIconIndirect.
struct Icon {
  using Type = HICON;
  static Type Invalid() noexcept { return nullptr; }
  static void Close(Type h) noexcept { DestroyIcon(h); }
};

struct Kernel {
  using Type = HANDLE;
  static Type Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(Type h) noexcept { CloseHandle(h); }
};

}  // namespace handle_traits

using UniqueWindow = UniqueHandle<handle_traits::Window>;
using UniqueBitmap = UniqueHandle<handle_traits::GdiObject<HBITMAP>>;
using UniqueFont = UniqueHandle<handle_traits::GdiObject<HFONT>>;
using UniqueBrush = UniqueHandle<handle_traits::GdiObject<HBRUSH>>;
using UniqueRegion = UniqueHandle<handle_traits::GdiObject<HRGN>>;
using UniqueMemoryDc = UniqueHandle<handle_traits::MemoryDc>;
using UniqueMenu = UniqueHandle<handle_traits::Menu>;
using UniqueIcon = UniqueHandle<handle_traits::Icon>;
using UniqueKernelHandle = UniqueHandle<handle_traits::Kernel>;

// The device context of a window's client area (GetDC / ReleaseDC).
class WindowDc {
 public:
  explicit WindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC get() const noexcept { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// The device context of one WM_PAINT (BeginPaint / EndPaint).
class PaintDc {
 public:
  explicit PaintDc(HWND window) noexcept : window_(window) { dc_ = BeginPaint(window, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  ~PaintDc() { EndPaint(window_, &paint_); }
  HDC get() const noexcept { return dc_; }
  const RECT& UpdateRect() const noexcept { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// Puts back the object that SelectObject replaced.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;
  ~SelectGuard() {
    if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Restores the whole state of a device context (SaveDC / RestoreDC).
class SavedDcState {
 public:
  explicit SavedDcState(HDC dc) noexcept : dc_(dc), saved_(SaveDC(dc)) {}
  SavedDcState(const SavedDcState&) = delete;
  SavedDcState& operator=(const SavedDcState&) = delete;
  ~SavedDcState() {
    if (saved_) RestoreDC(dc_, saved_);
  }

 private:
  HDC dc_;
  int saved_;
};

}  // namespace vorlan::ui
