#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "skin/controls/provider/window_system.h"
#include "skin/data/manager_messages.h"
#include "skin/data/skin_manager.h"
#include "skin/data/skin_package_writer.h"
#include "ui/application.h"

// A skinned process in small: the window system, a default manager with
// one internal skin, and a box that only records.
namespace vorlan::skin::test {

class QuietBox final : public ISkinMessageBox {
 public:
  void Show(TSkinBoxKind, std::u16string_view text) override { Shown.emplace_back(text); }
  std::vector<std::u16string> Shown;
};

inline TSkinStoredSkin StoredSkin(std::u16string_view name, std::string_view options) {
  TSkinStoredSkin skin;
  skin.Name = name;
  const std::vector<PackageMember> members{
      {u"Options.dat", std::vector<std::uint8_t>(options.begin(), options.end()), PackMethod::Deflate}};
  skin.Data = WriteSkinPackage(members);
  return skin;
}

// Handles every message waiting now, and those arriving for `milliseconds`.
inline void PumpFor(int milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  do {
    ui::Application().ProcessMessages();
    Sleep(5);
  } while (static_cast<int>(end - GetTickCount()) > 0);
}

struct SkinnedProcess {
  explicit SkinnedProcess(std::string_view options, bool change_sys_colors = false) {
    manager.SetMessageBox(&box);
    manager.BeginLoading();
    TSkOptions settings = manager.Options();
    settings.ChangeSysColors = change_sys_colors;
    manager.SetOptions(settings);
    manager.InternalSkins.Add(StoredSkin(u"Test", options));
    manager.SetSkinName(u"Test");
    manager.Loaded();
  }
  // The name of the skin's second section tells which skin is loaded.
  std::u16string Loaded() const { return manager.Skin.gd.size() > 1 ? manager.Skin.gd[1].ClassName : u"(none)"; }

  TSkinWindowSystemInstallation installation;  // before the manager, as at program start
  QuietBox box;
  TSkinManager manager;
};

}  // namespace vorlan::skin::test
