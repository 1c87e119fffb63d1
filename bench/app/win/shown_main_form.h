#pragma once

#include <windows.h>

#include <cstdio>
#include <map>
#include <string>

#include "app/win/main_form.h"
#include "app/win/startup.h"
#include "platform/error.h"
#include "skin/controls/provider/window_system.h"
#include "support/stand_in_services_win.h"
#include "ui/application.h"
#include "window_watch.h"

// The program's main form built in this process, as the program's entry
// builds it, talking to the stand-in services; for benchmarks that look
// inside the running window.
namespace bench {

// Handles messages until the form and its children have nothing left to
// paint; with `paint_ms`, each window's paints are timed.
inline void PumpUntilPainted(HWND form, std::map<HWND, double>* paint_ms = nullptr) {
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      const Clock::time_point start = Clock::now();
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
      if (paint_ms != nullptr && msg.message == WM_PAINT) (*paint_ms)[msg.hwnd] += MillisecondsSince(start);
    }
    if (NothingToPaint(form) && (GetQueueStatus(QS_PAINT | QS_POSTMESSAGE | QS_SENDMESSAGE) & 0xFFFF) == 0) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  }
}

// Handles messages for `milliseconds`.
inline void PumpFor(DWORD milliseconds) {
  const Clock::time_point end = Clock::now() + std::chrono::milliseconds(milliseconds);
  while (Clock::now() < end) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  }
}

// Empty when the stand-in picture service answers, else why not.
inline std::string StandInsProblem() {
  try {
    vorlan::http::THttpClient client;
    std::vector<uint8_t> picture;
    client.Get(u"http://" + vorlan::testing::PicturesStandIn() + u"/400/200/nature/", picture);
    return {};
  } catch (const vorlan::Error& error) {
    return "the stand-in services do not answer (" + std::string(error.what()) + "); run through scripts/with-services";
  }
}

class ShownMainForm {
 public:
  // Builds the form and shows it (the banner fetched); painted on return.
  ShownMainForm() {
    vorlan::app::SetUpApplication(vorlan::ui::Application());
    form_ = vorlan::ui::MakeOwned<vorlan::app::TMainForm>(
        vorlan::testing::StandInServices(pointer_, [this](const std::u16string&) { ++pages_opened_; }));
    pointer_ = form_.get();
    vorlan::ui::Application().SetMainForm(form_.get());
    form_->Show();
    PumpUntilPainted(form_->Handle());
  }
  ~ShownMainForm() { vorlan::ui::Application().SetMainForm(nullptr); }
  ShownMainForm(const ShownMainForm&) = delete;
  ShownMainForm& operator=(const ShownMainForm&) = delete;

  vorlan::app::TMainForm& Form() { return *form_; }
  // Result pages the lookups wrote (the shell is not asked to open them).
  int PagesOpened() const { return pages_opened_; }

 private:
  vorlan::skin::TSkinWindowSystemInstallation window_system_;
  vorlan::app::TMainForm* pointer_ = nullptr;
  int pages_opened_ = 0;
  vorlan::ui::TOwned<vorlan::app::TMainForm> form_;
};

}  // namespace bench
