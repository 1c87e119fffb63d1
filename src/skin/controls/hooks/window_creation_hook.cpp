#include "skin/controls/hooks/window_creation_hook.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "skin/controls/base/window_queries.h"
#include "skin/controls/menus/menu_window.h"
#include "skin/data/skin_manager.h"
#include "ui/creation_hook.h"
#include "ui/types.h"
#include "ui/window_proc.h"

namespace vorlan::skin {

LRESULT CALLBACK SkinCbtProc(int code, WPARAM wparam, LPARAM lparam) noexcept;

namespace {

TSkinCreationHook* g_hook = nullptr;  // the one installed on this thread

TMenuWindowHandler& MenuWindowHandler() {
  static TMenuWindowHandler handler;
  return handler;
}

TDialogHandler& DialogHandler() {
  static TDialogHandler handler;
  return handler;
}

bool IsClass(HWND window, const wchar_t* name) {
  return ui::WindowClassName(window) == std::u16string_view(reinterpret_cast<const char16_t*>(name));
}

bool AnswersSkinned(HWND window) { return SendMessageW(window, SM_ALPHACMD, MakeSkinWParam(scIsSkinned), 0) == 1; }

}  // namespace

void SetMenuWindowHandler(TMenuWindowHandler handler) { MenuWindowHandler() = std::move(handler); }
void SetDialogHandler(TDialogHandler handler) { DialogHandler() = std::move(handler); }

bool DialogSkinningTakes(HWND window, HWND parent) {
  return !StdDialogsNotSkinned() && parent == nullptr && GetParent(window) == nullptr && IsClass(window, kDialogClass);
}

LRESULT CALLBACK SkinCbtProc(int code, WPARAM wparam, LPARAM lparam) noexcept {
  // The other hooks first; their answer stands.
  const LRESULT result = CallNextHookEx(nullptr, code, wparam, lparam);
  // Nothing while the skin's owners are missing or going, or when a hook
  // stopped the creation or activation.
  if (code < 0 || result != 0 || g_hook == nullptr || DefaultManager() == nullptr) return result;
  try {
    if (code == HCBT_CREATEWND) {
      const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lparam);
      g_hook->WindowCreated(reinterpret_cast<HWND>(wparam), create->lpcs ? create->lpcs->hwndParent : nullptr);
    } else if (code == HCBT_ACTIVATE) {
      g_hook->WindowActivated(reinterpret_cast<HWND>(wparam));
    }
  } catch (...) {
    ui::ReportEscapedError();
  }
  return result;
}

TSkinCreationHook::TSkinCreationHook() {
  if (g_hook) throw std::logic_error("The window creation hook is installed already");
  hook_.reset(SetWindowsHookExW(WH_CBT, SkinCbtProc, nullptr, GetCurrentThreadId()));
  if (!hook_) throw std::runtime_error("Cannot watch window creation");
  g_hook = this;
}

TSkinCreationHook::~TSkinCreationHook() {
  g_hook = nullptr;
  hook_.reset();
}

void TSkinCreationHook::WindowCreated(HWND window, HWND parent) {
  const TSkinManager* manager = DefaultManager();
  if (IsClass(window, kPopupMenuClass)) {
    if (manager->SkinnedPopups() && !AnswersSkinned(window)) {
      AttachMenuWindow(window);
      if (MenuWindowHandler()) MenuWindowHandler()(window);
    }
    return;
  }
  if (DialogHandler() && DialogSkinningTakes(window, parent)) DialogHandler()(window, *this);
}

void TSkinCreationHook::AttachMenuWindow(HWND window) {
  std::unique_ptr<TSkMnuWnd> adapter;
  try {
    // Released when its window is destroyed.
    adapter = MakeAdapter<TSkMnuWnd>(window, DefaultManager(), [this](TSkMnuWnd& gone) { RemoveHookedWindow(&gone); });
  } catch (const std::runtime_error&) {
    return;  // a window that cannot be subclassed keeps the system's look
  }
  AddHookedWindow(std::move(adapter));
}

std::size_t TSkinCreationHook::MenuWindowCount() const {
  return static_cast<std::size_t>(std::count_if(hooked_windows_.begin(), hooked_windows_.end(), [](const auto& owned) {
    return dynamic_cast<const TSkMnuWnd*>(owned.get()) != nullptr;
  }));
}

void TSkinCreationHook::WindowActivated(HWND window) {
  if (DialogHandler() && DialogSkinningTakes(window, nullptr)) DialogHandler()(window, *this);
}

std::vector<ISkinForeignWindow*> TSkinCreationHook::HookedWindows() const {
  std::vector<ISkinForeignWindow*> windows;
  for (const auto& window : hooked_windows_) windows.push_back(window.get());
  return windows;
}

void TSkinCreationHook::AddHookedWindow(std::unique_ptr<ISkinForeignWindow> window) {
  if (window) hooked_windows_.push_back(std::move(window));
}

void TSkinCreationHook::RemoveHookedWindow(const ISkinForeignWindow* window) {
  std::erase_if(hooked_windows_, [window](const auto& owned) { return owned.get() == window; });
}

}  // namespace vorlan::skin
