#include "skin/controls/hooks/sys_color_substitution.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>

#include "platform/handle_win.h"
#include "skin/controls/hooks/import_redirect.h"
#include "skin/data/skin_manager.h"
#include "skin/data/sys_color_substitutes.h"

namespace vorlan::skin {
namespace {

using GetSysColorFn = DWORD(WINAPI*)(int);
using GetSysColorBrushFn = HBRUSH(WINAPI*)(int);
using CreatePenFn = HPEN(WINAPI*)(int, int, COLORREF);

struct TSubstitution {
  std::unique_ptr<TImportRedirect> sys_color, sys_color_brush, create_pen;
};

std::unique_ptr<TSubstitution>& Current() {
  static std::unique_ptr<TSubstitution> substitution;
  return substitution;
}

// The system's own functions, found once.
GetSysColorFn SystemGetSysColor() {
  static const auto function = TypedFunction<GetSysColorFn>(SystemFunction(L"user32.dll", "GetSysColor"));
  return function;
}
GetSysColorBrushFn SystemGetSysColorBrush() {
  static const auto function = TypedFunction<GetSysColorBrushFn>(SystemFunction(L"user32.dll", "GetSysColorBrush"));
  return function;
}
CreatePenFn SystemCreatePen() {
  static const auto function = TypedFunction<CreatePenFn>(SystemFunction(L"gdi32.dll", "CreatePen"));
  return function;
}

TColor SystemColor(int index) { return static_cast<TColor>(SystemGetSysColor()(index)); }

// The skin's answer, or none while no skin is loaded or one is being loaded
// (the skin's own fallbacks to system colours must see the system's).
template <class Substitute>
std::optional<TColor> SkinAnswer(Substitute substitute, TColor key) {
  const TSkinManager* manager = DefaultManager();
  if (!Current() || !manager || SkinChanging() || manager->Skin.gd.empty()) return std::nullopt;
  return substitute(manager->Skin.Palette, key, SystemColor);
}

// Callers never free what GetSysColorBrush gives, so each colour's brush is
// made once and kept for the life of the process (a window class may hold
// one as its background long after the substitution ends).
HBRUSH SkinBrush(COLORREF color) {
  static std::map<COLORREF, platform::UniqueBrush> brushes;
  platform::UniqueBrush& brush = brushes[color];
  if (!brush) brush.reset(CreateSolidBrush(color));
  return brush.get();
}

DWORD WINAPI SkinGetSysColor(int index) {
  if (const auto color = SkinAnswer(SubstituteSysColor, index)) return static_cast<DWORD>(*color);
  return SystemGetSysColor()(index);
}

HBRUSH WINAPI SkinGetSysColorBrush(int index) {
  if (const auto color = SkinAnswer(SubstituteSysColorBrush, index)) {
    if (HBRUSH brush = SkinBrush(static_cast<COLORREF>(*color))) return brush;
  }
  return SystemGetSysColorBrush()(index);
}

HPEN WINAPI SkinCreatePen(int style, int width, COLORREF color) {
  if (const auto skin = SkinAnswer(SubstitutePenColor, static_cast<TColor>(color))) {
    color = static_cast<COLORREF>(*skin);
  }
  return SystemCreatePen()(style, width, color);
}

}  // namespace

void SwitchSysColorSubstitution(bool on) {
  if (on == SysColorSubstitutionOn()) return;
  if (!on) {
    Current().reset();
    return;
  }
  auto substitution = std::make_unique<TSubstitution>();
  substitution->sys_color =
      std::make_unique<TImportRedirect>(AnyFunction(SystemGetSysColor()), AnyFunction(&SkinGetSysColor));
  substitution->sys_color_brush =
      std::make_unique<TImportRedirect>(AnyFunction(SystemGetSysColorBrush()), AnyFunction(&SkinGetSysColorBrush));
  substitution->create_pen =
      std::make_unique<TImportRedirect>(AnyFunction(SystemCreatePen()), AnyFunction(&SkinCreatePen));
  Current() = std::move(substitution);
}

bool SysColorSubstitutionOn() { return Current() != nullptr; }

std::vector<std::u16string> SysColorSubstitutedModules() {
  std::vector<std::u16string> modules;
  if (!Current()) return modules;
  for (const auto* redirect :
       {Current()->sys_color.get(), Current()->sys_color_brush.get(), Current()->create_pen.get()}) {
    for (const std::u16string& module : redirect->Modules()) {
      if (std::find(modules.begin(), modules.end(), module) == modules.end()) modules.push_back(module);
    }
  }
  return modules;
}

}  // namespace vorlan::skin
