#include "skin/controls/base/layered_window.h"

#include "paint/bitmap_gdi_win.h"
#include "platform/handle_win.h"

namespace vorlan::skin {

const wchar_t* PictureWindowClass(const wchar_t* name, WNDPROC procedure) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExW(instance, name, &wc)) return name;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  // No CS_DROPSHADOW: a glow or a fade is its own shadow.
  return RegisterClassExW(&wc) != 0 ? name : nullptr;
}

bool ShowLayeredPicture(HWND window, const paint::TBitmap32& picture, POINT at, std::uint8_t alpha) {
  if (window == nullptr || picture.Empty()) return false;
  const paint::TBitmapDC source(picture);
  if (source.get() == nullptr) return false;
  SIZE size{picture.Width(), picture.Height()};
  POINT origin{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, AC_SRC_ALPHA};
  const platform::WindowDc screen(nullptr);
  return UpdateLayeredWindow(window, screen.get(), &at, &size, source.get(), &origin, 0, &blend, ULW_ALPHA) != FALSE;
}

bool ShowLayeredPicture(HWND window, const paint::TBitmap32& picture, std::uint8_t alpha) {
  RECT r{};
  if (window == nullptr || !GetWindowRect(window, &r)) return false;
  return ShowLayeredPicture(window, picture, POINT{r.left, r.top}, alpha);
}

}  // namespace vorlan::skin
