#include "skin/controls/provider/window_system.h"

#include <algorithm>
#include <memory>

#include "skin/controls/effects/glow.h"
#include "skin/controls/hooks/sys_color_substitution.h"
#include "skin/controls/menus/skin_menus.h"
#include "skin/controls/provider/window_animation.h"
#include "skin/data/skin_manager.h"
#include "ui/application.h"

namespace vorlan::skin {
namespace {

std::unique_ptr<TSkinWindowSystem>& Installed() {
  static std::unique_ptr<TSkinWindowSystem> system;
  return system;
}

std::vector<ISkinForm*> AsSkinForms(const std::vector<ui::TForm*>& forms) {
  return std::vector<ISkinForm*>(forms.begin(), forms.end());
}

}  // namespace

TSkinWindowSystem::~TSkinWindowSystem() {
  ReleaseHideTimer();
  UnInstallHook();
  RemoveApplicationHook();
}

std::vector<ISkinForeignWindow*> TSkinWindowSystem::HookedWindows() {
  return creation_hook_ ? creation_hook_->HookedWindows() : std::vector<ISkinForeignWindow*>{};
}

void TSkinWindowSystem::InstallHook() {
  if (!creation_hook_) creation_hook_ = std::make_unique<TSkinCreationHook>();
  const TSkinManager* manager = DefaultManager();
  if (manager && manager->Options().ChangeSysColors) SwitchSysColorSubstitution(true);
}

void TSkinWindowSystem::UnInstallHook() {
  creation_hook_.reset();
  SwitchSysColorSubstitution(false);
}

void TSkinWindowSystem::InstallApplicationHook() {
  HWND window = ui::Application().Handle();
  if (!app_hook_ && window) app_hook_ = std::make_unique<TAppWindowHook>(window);
}

void TSkinWindowSystem::RemoveApplicationHook() { app_hook_.reset(); }

void TSkinWindowSystem::SetSysColorSubstitution(bool on) { SwitchSysColorSubstitution(on); }

std::vector<ISkinForm*> TSkinWindowSystem::ApplicationForms() { return AsSkinForms(ui::LiveForms()); }

std::unique_ptr<ISkinableMenus> TSkinWindowSystem::CreateSkinableMenus(TSkinManager& manager) {
  return std::make_unique<TSkinableMenus>(manager);
}

std::vector<ISkinForm*> TSkinWindowSystem::ProviderForms() { return AsSkinForms(provider_forms_); }

void TSkinWindowSystem::RemoveAllGlows() { DestroyAllGlows(true); }

void TSkinWindowSystem::RegisterProviderForm(ui::TForm& form) {
  if (std::find(provider_forms_.begin(), provider_forms_.end(), &form) == provider_forms_.end()) {
    provider_forms_.push_back(&form);
  }
}

void TSkinWindowSystem::UnregisterProviderForm(ui::TForm& form) { std::erase(provider_forms_, &form); }

TSkinWindowSystemInstallation::TSkinWindowSystemInstallation() {
  Installed() = std::make_unique<TSkinWindowSystem>();
  SetSkinWindowSystem(Installed().get());
}

TSkinWindowSystemInstallation::~TSkinWindowSystemInstallation() {
  SetSkinWindowSystem(nullptr);
  Installed().reset();
}

TSkinWindowSystem* InstalledWindowSystem() { return Installed().get(); }

}  // namespace vorlan::skin
