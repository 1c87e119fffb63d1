// The program as the endurance tests run it: the entry of VorlanTV.exe (the
// main form, `--skin` on its command line, the message loop) with the form
// talking to the local stand-in services, the result page not handed to the
// shell, and a probe: a hidden window titled "VorlanProbe" that answers
// what only the process itself can count (endurance/probe_messages.h): its
// live GDI objects, the live windows of its thread, the result pages written,
// and the last mark posted to it that its thread has handled.
#include <windows.h>

#include <exception>

#include "app/win/endurance/probe_messages.h"
#include "app/win/main_form.h"
#include "app/win/skin_option.h"
#include "app/win/startup.h"
#include "skin/controls/live_handles.h"
#include "skin/controls/provider/window_system.h"
#include "support/stand_in_services_win.h"
#include "ui/application.h"
#include "ui/message_window.h"

namespace {

int g_pages_written = 0;
WPARAM g_last_mark = 0;

bool AnswerProbe(vorlan::ui::TMessage& message) {
  using namespace vorlan::app::testing;
  switch (message.Msg) {
    case kProbeGdiObjects:
      message.Result = static_cast<LRESULT>(vorlan::skin::test::LiveGdiObjects());
      return true;
    case kProbeUserObjects:
      message.Result = static_cast<LRESULT>(vorlan::skin::test::LiveUserObjects());
      return true;
    case kProbePagesWritten:
      message.Result = g_pages_written;
      return true;
    case kProbeMark:
      g_last_mark = message.WParam;
      return true;
    case kProbeLastMark:
      message.Result = static_cast<LRESULT>(g_last_mark);
      return true;
    default:
      return false;
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  vorlan::ui::TApplication& application = vorlan::ui::Application();
  vorlan::app::SetUpApplication(application);
  const vorlan::skin::TSkinWindowSystemInstallation window_system;
  const vorlan::ui::TMessageWindow probe(AnswerProbe, vorlan::app::testing::kProbeTitle);
  try {
    vorlan::app::TMainForm* form_pointer = nullptr;
    const auto form = vorlan::ui::MakeOwned<vorlan::app::TMainForm>(
        vorlan::testing::StandInServices(form_pointer, [](const std::u16string&) { ++g_pages_written; }));
    form_pointer = form.get();
    application.SetMainForm(form.get());
    vorlan::app::ApplySkinOption(*form->SkinManager1);
    application.Run();
    application.SetMainForm(nullptr);
  } catch (...) {
    application.HandleException(std::current_exception());
    return 1;
  }
  return 0;
}
