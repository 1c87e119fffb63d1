#include "ui/creation_hook.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "platform/handle_win.h"
#include "ui/types.h"
#include "ui/window_proc.h"

namespace vorlan::ui {

LRESULT CALLBACK CreationHookProc(int code, WPARAM wparam, LPARAM lparam) noexcept;

namespace {

struct TRegistry {
  std::vector<TWindowCreationHook*> watches;  // borrowed: each removes itself
  platform::UniqueHook hook;
};

TRegistry& Registry() {
  thread_local TRegistry registry;
  return registry;
}

}  // namespace

LRESULT CALLBACK CreationHookProc(int code, WPARAM wparam, LPARAM lparam) noexcept {
  if (code == HCBT_CREATEWND) {
    // A copy: a handler may end its own watch or start another one.
    const std::vector<TWindowCreationHook*> watches = Registry().watches;
    for (TWindowCreationHook* watch : watches) {
      if (std::find(Registry().watches.begin(), Registry().watches.end(), watch) == Registry().watches.end()) continue;
      try {
        watch->handler_(reinterpret_cast<HWND>(wparam));
      } catch (...) {
        ReportEscapedError();
      }
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

TWindowCreationHook::TWindowCreationHook(THandler handler) : handler_(std::move(handler)) {
  TRegistry& registry = Registry();
  if (!registry.hook) {
    registry.hook.reset(SetWindowsHookExW(WH_CBT, CreationHookProc, nullptr, GetCurrentThreadId()));
    if (!registry.hook) throw std::runtime_error("Cannot watch window creation");
  }
  registry.watches.push_back(this);
}

TWindowCreationHook::~TWindowCreationHook() {
  TRegistry& registry = Registry();
  std::erase(registry.watches, this);
  if (registry.watches.empty()) registry.hook.reset();
}

std::u16string WindowClassName(HWND window) {
  wchar_t name[256] = {};
  const int length = GetClassNameW(window, name, 256);
  return FromWide(name, static_cast<size_t>(std::max(length, 0)));
}

}  // namespace vorlan::ui
