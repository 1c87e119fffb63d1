#pragma once

#include <windows.h>

#include <utility>

// Move-only owners of Win32 handles. Each kind of handle names its type, its
// empty value and the call that gives it back; raw releases appear only here
// (and, for sockets, in socket_handle_win.h).
namespace vorlan::platform {

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
  explicit operator bool() const noexcept { return !IsEmpty(handle_); }

  // Gives up ownership without closing.
  Type release() noexcept { return std::exchange(handle_, Traits::Invalid()); }

  void reset(Type handle = Traits::Invalid()) noexcept {
    const Type old = std::exchange(handle_, handle);
    if (!IsEmpty(old)) Traits::Close(old);
  }

  // Closes now and tells whether the system agreed (a file's last write can
  // fail only here); an empty owner closes successfully.
  bool close() noexcept {
    const Type old = release();
    return IsEmpty(old) || Traits::Close(old);
  }

 private:
  static bool IsEmpty(Type handle) noexcept {
    if constexpr (requires { Traits::IsEmpty(handle); }) {
      return Traits::IsEmpty(handle);
    } else {
      return handle == Traits::Invalid();
    }
  }

  Type handle_ = Traits::Invalid();
};

namespace handle_traits {

struct Window {
  using Type = HWND;
  static Type Invalid() noexcept { return nullptr; }
  static bool Close(Type h) noexcept { return DestroyWindow(h) != FALSE; }
};

template <class T>
struct GdiObject {
  using Type = T;
  static Type Invalid() noexcept { return nullptr; }
  static bool Close(Type h) noexcept { return DeleteObject(h) != FALSE; }
};

// A device context made by CreateCompatibleDC or CreateDC.
struct MemoryDc {
  using Type = HDC;
  static Type Invalid() noexcept { return nullptr; }
  static bool Close(Type h) noexcept { return DeleteDC(h) != FALSE; }
};

struct Menu {
  using Type = HMENU;
  static Type Invalid() noexcept { return nullptr; }
  static bool Close(Type h) noexcept { return DestroyMenu(h) != FALSE; }
};

// An icon made by LoadImage without LR_SHARED or CreateIconIndirect.
struct Icon {
  using Type = HICON;
  static Type Invalid() noexcept { return nullptr; }
  static bool Close(Type h) noexcept { return DestroyIcon(h) != FALSE; }
};

// Kernel objects: files answer INVALID_HANDLE_VALUE on failure, most other
// calls null, so both mean "nothing owned".
struct Kernel {
  using Type = HANDLE;
  static Type Invalid() noexcept { return nullptr; }
  static bool IsEmpty(Type h) noexcept { return h == nullptr || h == INVALID_HANDLE_VALUE; }
  static bool Close(Type h) noexcept { return CloseHandle(h) != FALSE; }
};

// Memory the system allocated for us (FormatMessage's buffer).
struct LocalMemory {
  using Type = HLOCAL;
  static Type Invalid() noexcept { return nullptr; }
  static bool Close(Type h) noexcept { return LocalFree(h) == nullptr; }
};

// A hook of SetWindowsHookExW.
struct Hook {
  using Type = HHOOK;
  static Type Invalid() noexcept { return nullptr; }
  static bool Close(Type h) noexcept { return UnhookWindowsHookEx(h) != FALSE; }
};

}  // namespace handle_traits

using UniqueWindow = UniqueHandle<handle_traits::Window>;
using UniqueBitmap = UniqueHandle<handle_traits::GdiObject<HBITMAP>>;
using UniqueFont = UniqueHandle<handle_traits::GdiObject<HFONT>>;
using UniqueBrush = UniqueHandle<handle_traits::GdiObject<HBRUSH>>;
using UniquePen = UniqueHandle<handle_traits::GdiObject<HPEN>>;
using UniqueRegion = UniqueHandle<handle_traits::GdiObject<HRGN>>;
using UniqueMemoryDc = UniqueHandle<handle_traits::MemoryDc>;
using UniqueMenu = UniqueHandle<handle_traits::Menu>;
using UniqueIcon = UniqueHandle<handle_traits::Icon>;
using UniqueKernelHandle = UniqueHandle<handle_traits::Kernel>;
using UniqueHook = UniqueHandle<handle_traits::Hook>;
using UniqueLocalMemory = UniqueHandle<handle_traits::LocalMemory>;

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

// The device context of a whole window, frame included (GetWindowDC /
// ReleaseDC).
class WholeWindowDc {
 public:
  explicit WholeWindowDc(HWND window) noexcept : window_(window), dc_(GetWindowDC(window)) {}
  WholeWindowDc(const WholeWindowDc&) = delete;
  WholeWindowDc& operator=(const WholeWindowDc&) = delete;
  ~WholeWindowDc() {
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
    if (Selected()) SelectObject(dc_, previous_);
  }
  // False when the context refused the object (a bitmap already selected
  // into another context, say).
  bool Selected() const noexcept { return previous_ && previous_ != HGDI_ERROR; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Restores the whole state of a device context (SaveDC / RestoreDC), so that
// objects selected meanwhile are deselected before their owners delete them.
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

}  // namespace vorlan::platform
