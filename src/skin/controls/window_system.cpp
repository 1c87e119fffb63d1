#include "skin/controls/window_system.h"

#include <algorithm>
#include <memory>

#include "skin/controls/skin_menus.h"

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

std::vector<ISkinForm*> TSkinWindowSystem::ApplicationForms() { return AsSkinForms(ui::LiveForms()); }

std::unique_ptr<ISkinableMenus> TSkinWindowSystem::CreateSkinableMenus(TSkinManager& manager) {
  return std::make_unique<TSkinableMenus>(manager);
}

std::vector<ISkinForm*> TSkinWindowSystem::ProviderForms() { return AsSkinForms(provider_forms_); }

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
