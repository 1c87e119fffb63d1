#include "skin/controls/provider/desktop_manager.h"

#include <utility>

namespace vorlan::skin {
namespace {

bool SystemCompositionEnabled() {
  using TIsEnabled = HRESULT(WINAPI*)(BOOL*);
  static const auto isEnabled =
      reinterpret_cast<TIsEnabled>(reinterpret_cast<void*>(DesktopManagerProc("DwmIsCompositionEnabled")));
  BOOL enabled = FALSE;
  return isEnabled != nullptr && SUCCEEDED(isEnabled(&enabled)) && enabled;
}

void SystemSetWindowAttribute(HWND window, DWORD attribute, BOOL value) {
  using TSetAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
  static const auto setAttribute =
      reinterpret_cast<TSetAttribute>(reinterpret_cast<void*>(DesktopManagerProc("DwmSetWindowAttribute")));
  if (setAttribute) setAttribute(window, attribute, &value, sizeof value);
}

TDesktopManagerCalls SystemCalls() { return {SystemCompositionEnabled, SystemSetWindowAttribute}; }

TDesktopManagerCalls& Calls() {
  static TDesktopManagerCalls calls = SystemCalls();
  return calls;
}

}  // namespace

TDesktopManagerCalls SetDesktopManagerCalls(TDesktopManagerCalls calls) {
  if (!calls.CompositionEnabled || !calls.SetWindowAttribute) calls = SystemCalls();
  return std::exchange(Calls(), std::move(calls));
}

FARPROC DesktopManagerProc(const char* name) {
  static const HMODULE dwm = LoadLibraryW(L"dwmapi.dll");
  return dwm ? GetProcAddress(dwm, name) : nullptr;
}

bool CompositionEnabled() { return Calls().CompositionEnabled(); }

void SetWindowTransitions(HWND window, bool disabled) {
  if (window != nullptr && CompositionEnabled()) {
    Calls().SetWindowAttribute(window, kDwmTransitionsForceDisabled, disabled ? TRUE : FALSE);
  }
}

}  // namespace vorlan::skin
