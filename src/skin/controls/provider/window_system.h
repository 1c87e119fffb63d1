#pragma once

#include <memory>
#include <vector>

#include "skin/controls/hooks/app_window_hook.h"
#include "skin/controls/hooks/window_creation_hook.h"
#include "skin/data/broadcast.h"
#include "ui/form.h"

// The window framework as the skin manager sees it: the forms of the
// process, the forms that skin providers registered, and the services the
// manager calls during a skin change. Installed once at program start, so
// that the manager's broadcasts reach every form and control.
namespace vorlan::skin {

class TSkinWindowSystem : public ISkinWindowSystem {
 public:
  TSkinWindowSystem() = default;
  TSkinWindowSystem(const TSkinWindowSystem&) = delete;
  TSkinWindowSystem& operator=(const TSkinWindowSystem&) = delete;
  ~TSkinWindowSystem() override;

  std::vector<ISkinForm*> ApplicationForms() override;
  std::vector<ISkinForm*> ProviderForms() override;
  std::vector<ISkinForeignWindow*> HookedWindows() override;
  void RemoveAllGlows() override;
  std::unique_ptr<ISkinableMenus> CreateSkinableMenus(TSkinManager& manager) override;

  // The window-creation hook and, when the default manager asks for it, the
  // system-colour substitution; both go with UnInstallHook.
  void InstallHook() override;
  void UnInstallHook() override;
  void InstallApplicationHook() override;
  void RemoveApplicationHook() override;
  void SetSysColorSubstitution(bool on) override;

  // The hook while the skin's hooks are installed, else none.
  TSkinCreationHook* CreationHook() const { return creation_hook_.get(); }

  // A skin provider takes its form over, or lets it go.
  void RegisterProviderForm(ui::TForm& form);
  void UnregisterProviderForm(ui::TForm& form);

 private:
  std::vector<ui::TForm*> provider_forms_;  // borrowed: providers unregister before their form goes
  std::unique_ptr<TSkinCreationHook> creation_hook_;
  std::unique_ptr<TAppWindowHook> app_hook_;
};

// Makes the process's window system the manager's for as long as it lives.
class TSkinWindowSystemInstallation {
 public:
  TSkinWindowSystemInstallation();
  ~TSkinWindowSystemInstallation();
  TSkinWindowSystemInstallation(const TSkinWindowSystemInstallation&) = delete;
  TSkinWindowSystemInstallation& operator=(const TSkinWindowSystemInstallation&) = delete;
};

// The installed system, or none.
TSkinWindowSystem* InstalledWindowSystem();

}  // namespace vorlan::skin
