#include <windows.h>

#include <memory>

#include "app/win/main_form.h"
#include "app/win/program_arguments.h"
#include "app/win/running_copy.h"
#include "app/win/running_copy_listener.h"
#include "app/win/skin_option.h"
#include "app/win/startup.h"
#include "skin/controls/provider/window_system.h"
#include "ui/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Before anything else: a second start only asks the running copy to show
  // its window and ends, with no window and no request of its own.
  const vorlan::app::TRunningCopyNames names = vorlan::app::TRunningCopyNames::Program();
  const vorlan::app::TRunningCopy running_copy(names);
  if (!running_copy.First()) {
    running_copy.AskToShow();
    return 0;
  }
  // First, so that every relative path (a skin's, the result page) is taken
  // against the directory the process works in.
  vorlan::app::ApplyProgramFolderOption(vorlan::app::ProgramArguments());
  vorlan::ui::TApplication& application = vorlan::ui::Application();
  vorlan::app::SetUpApplication(application);
  // Before any manager exists, so that its broadcasts reach the forms.
  const vorlan::skin::TSkinWindowSystemInstallation window_system;
  try {
    const auto form = vorlan::ui::MakeOwned<vorlan::app::TMainForm>();
    application.SetMainForm(form.get());
    // A skin named on the command line replaces the stored one at run time.
    vorlan::app::ApplySkinOption(*form->SkinManager1);
    const vorlan::app::TRunningCopyListener listener(*form, names);
    application.Run();
    application.SetMainForm(nullptr);
  } catch (...) {
    application.HandleException(std::current_exception());
    return 1;
  }
  return 0;
}
