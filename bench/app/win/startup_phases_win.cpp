#include "startup_phases.h"

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "app/win/main_form.h"
#include "app/win/startup.h"
#include "shown_main_form.h"
#include "skin/controls/provider/window_system.h"
#include "support/stand_in_services_win.h"
#include "ui/application.h"
#include "window_watch.h"

namespace bench {
namespace {

std::uint64_t Ticks(const FILETIME& t) { return (std::uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime; }

// Milliseconds since this process was created, on the system's clock.
double SinceProcessStart() {
  static const std::uint64_t created = [] {
    FILETIME creation{}, exited{}, kernel{}, user{};
    GetProcessTimes(GetCurrentProcess(), &creation, &exited, &kernel, &user);
    return Ticks(creation);
  }();
  FILETIME now{};
  GetSystemTimePreciseAsFileTime(&now);
  return static_cast<double>(Ticks(now) - created) / 10000.0;
}

// The installed window system with the moments the manager reaches it
// noted: its construction (the application hook first, the menu painter
// last) and the application of its skin (glows removed first, hooks
// installed last).
class TimedWindowSystem : public vorlan::skin::ISkinWindowSystem {
 public:
  explicit TimedWindowSystem(vorlan::skin::ISkinWindowSystem& real) : real_(real) {}

  std::vector<vorlan::skin::ISkinForm*> ApplicationForms() override { return real_.ApplicationForms(); }
  std::vector<vorlan::skin::ISkinForm*> ProviderForms() override { return real_.ProviderForms(); }
  std::vector<vorlan::skin::ISkinForeignWindow*> HookedWindows() override { return real_.HookedWindows(); }
  vorlan::skin::ISkinControl* AuxiliaryWindow() override { return real_.AuxiliaryWindow(); }
  bool SupportsLayeredWindows() const override { return real_.SupportsLayeredWindows(); }
  bool ApplicationMinimized() const override { return real_.ApplicationMinimized(); }
  void RemoveAllGlows() override {
    Note("apply begins");
    real_.RemoveAllGlows();
  }
  void InstallHook() override {
    real_.InstallHook();
    Note("apply ends");
  }
  void UnInstallHook() override { real_.UnInstallHook(); }
  void InstallApplicationHook() override {
    Note("manager begins");
    real_.InstallApplicationHook();
  }
  void RemoveApplicationHook() override { real_.RemoveApplicationHook(); }
  void SetSysColorSubstitution(bool on) override { real_.SetSysColorSubstitution(on); }
  std::unique_ptr<vorlan::skin::ISkinableMenus> CreateSkinableMenus(vorlan::skin::TSkinManager& manager) override {
    auto menus = real_.CreateSkinableMenus(manager);
    Note("manager ends");
    return menus;
  }

  // The first time of each mark.
  std::map<std::string, double> marks;
  void Note(const std::string& mark) { marks.emplace(mark, SinceProcessStart()); }

 private:
  vorlan::skin::ISkinWindowSystem& real_;
};

}  // namespace

int RunStartUpPhases(const std::wstring& file) {
  using namespace vorlan;
  const double entry = SinceProcessStart();
  ui::TApplication& application = ui::Application();
  const double application_built = SinceProcessStart();
  app::SetUpApplication(application);
  const skin::TSkinWindowSystemInstallation window_system;
  TimedWindowSystem timed(*skin::SkinWindowSystem());
  skin::SetSkinWindowSystem(&timed);
  const double set_up = SinceProcessStart();

  app::TMainForm* form_pointer = nullptr;
  double banner_ms = 0;
  app::TMainFormServices services = testing::StandInServices(form_pointer, [](const std::u16string&) {});
  services.get_stream = [fetch = services.get_stream, &banner_ms](const std::u16string& url,
                                                                  std::vector<uint8_t>& stream) {
    const Clock::time_point start = Clock::now();
    fetch(url, stream);
    banner_ms += MillisecondsSince(start);
  };
  double tray_ms = 0;
  services.tray_notify = [&tray_ms](DWORD message, NOTIFYICONDATAW& data) {
    const Clock::time_point start = Clock::now();
    const bool done = Shell_NotifyIconW(message, &data) != FALSE;
    tray_ms += MillisecondsSince(start);
    return done;
  };
  const auto form = ui::MakeOwned<app::TMainForm>(std::move(services));
  form_pointer = form.get();
  application.SetMainForm(form.get());
  const double built = SinceProcessStart();

  double form_show_ms = 0;
  form->OnShow = [handler = form->OnShow, &form_show_ms](ui::TObject& sender) {
    const Clock::time_point start = Clock::now();
    handler(sender);
    form_show_ms += MillisecondsSince(start);
  };
  const double show_begins = SinceProcessStart();
  form->Show();
  const double shown = SinceProcessStart();
  std::map<HWND, double> paint_ms;
  PumpUntilPainted(form->Handle(), &paint_ms);
  const double painted = SinceProcessStart();
  skin::SetSkinWindowSystem(skin::InstalledWindowSystem());

  const auto mark = [&](const char* name) { return timed.marks.count(name) ? timed.marks.at(name) : 0.0; };
  const double manager = mark("manager ends") - mark("manager begins");
  const double load = mark("apply begins") - mark("manager ends");
  const double apply = mark("apply ends") - mark("apply begins");
  const std::pair<const char*, HWND> controls[] = {
      {"paint form", form->Handle()},
      {"paint SkinPanel1 (label)", form->SkinPanel1->Handle()},
      {"paint SkinPanel2 (banner)", form->SkinPanel2->Handle()},
      {"paint SkinEdit1", form->SkinEdit1->Handle()},
      {"paint SkinButton1", form->SkinButton1->Handle()},
  };
  std::ostringstream out;
  out << "loader " << entry << "\n";
  out << "application-object " << application_built - entry << "\n";
  out << "window-system " << set_up - application_built << "\n";
  out << "manager " << manager << "\n";
  out << "skin-load " << load << "\n";
  out << "skin-apply " << apply << "\n";
  out << "tray-icon " << tray_ms << "\n";
  out << "form-rest " << (built - set_up) - manager - load - apply - tray_ms << "\n";
  out << "banner-fetch " << banner_ms << "\n";
  out << "banner-decode " << form_show_ms - banner_ms << "\n";
  out << "showing " << (shown - show_begins) - form_show_ms << "\n";
  out << "first-paints " << painted - shown << "\n";
  for (const auto& [name, window] : controls) out << name << " " << paint_ms[window] << "\n";
  out << "total " << painted << "\n";
  std::ofstream(std::filesystem::path(file)) << out.str();
  application.SetMainForm(nullptr);
  return 0;
}

TPhases ReadPhases(const std::wstring& file) {
  TPhases phases;
  std::ifstream in{std::filesystem::path(file)};
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t space = line.rfind(' ');
    if (space == std::string::npos) continue;
    phases.emplace_back(line.substr(0, space), std::stod(line.substr(space + 1)));
  }
  return phases;
}

}  // namespace bench
