#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/message_target.h"
#include "skin/data/skin_commands.h"
#include "skin/data/skinable_menus_link.h"

// How the manager reaches every form and control with a skin command. The
// window framework implements these views of its windows; tests use fakes.
namespace vorlan::skin {

class TSkinManager;

// The manager's names for the window framework's targets.
using ISkinControl = platform::IMessageTarget;
using ISkinForm = platform::IFormTarget;

class ISkinForeignWindow {
 public:
  virtual ~ISkinForeignWindow() = default;
  virtual bool IsVisible() const = 0;
  virtual std::intptr_t Send(const TSkinMessage& message) = 0;
  // Frame, background and children at once.
  virtual void Redraw() = 0;
};

// The windows of the process as the manager sees them, and the services of
// the window layer the manager calls at fixed points of a skin change.
class ISkinWindowSystem {
 public:
  virtual ~ISkinWindowSystem() = default;
  // Forms owned by the application, first to last.
  virtual std::vector<ISkinForm*> ApplicationForms() = 0;
  // Forms registered by their form providers, in registration order.
  virtual std::vector<ISkinForm*> ProviderForms() = 0;
  // Foreign windows skinned through the hooks.
  virtual std::vector<ISkinForeignWindow*> HookedWindows() = 0;
  // A process-wide auxiliary skinned window, if one exists.
  virtual ISkinControl* AuxiliaryWindow() { return nullptr; }

  virtual bool SupportsLayeredWindows() const { return true; }
  virtual bool ApplicationMinimized() const { return false; }
  virtual void RemoveAllGlows() {}
  virtual void InstallHook() {}
  virtual void UnInstallHook() {}
  // The default manager's watch over the application window, from its
  // construction to its destruction.
  virtual void InstallApplicationHook() {}
  virtual void RemoveApplicationHook() {}
  // The skin's colours stand in for the system colours (or stop doing so).
  virtual void SetSysColorSubstitution(bool /*on*/) {}
  // The menu painter of a new manager; none where menus are not skinned.
  virtual std::unique_ptr<ISkinableMenus> CreateSkinableMenus(TSkinManager& /*manager*/) { return nullptr; }
};

// The three passes: application forms (last to first), then provider forms,
// then the visible hooked foreign windows.
void BroadcastSkinMessage(ISkinWindowSystem& system, const TSkinMessage& message);
// One form and, recursively, its controls.
void SendToFormAndControls(ISkinForm& form, const TSkinMessage& message);

// The window layer of this process; none until the window framework sets it.
ISkinWindowSystem* SkinWindowSystem();
void SetSkinWindowSystem(ISkinWindowSystem* system);

}  // namespace vorlan::skin
