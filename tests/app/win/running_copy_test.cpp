#include "app/win/running_copy.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "app/win/running_copy_listener.h"
#include "main_form_fixture.h"
#include "ui/application.h"

namespace vorlan::app {
namespace {

using testing::MainFormFixture;

// Names of this test's own, so that a program running beside it is not
// disturbed and no case sees another's copy.
TRunningCopyNames FreshNames() {
  static int counter = 0;
  return {L"VorlanTV.Test." + std::to_wstring(GetCurrentProcessId()) + L"." + std::to_wstring(++counter)};
}

// What a later start decides and whether its request went out. Another
// thread stands in for the other process: a mutex owned by this thread
// would let this thread in again.
struct LaterStart {
  bool first = false;
  bool asked = false;
};

LaterStart StartAgain(const TRunningCopyNames& names) {
  LaterStart result;
  std::thread([&] {
    const TRunningCopy copy(names);
    result.first = copy.First();
    if (!result.first) result.asked = copy.AskToShow();
  }).join();
  return result;
}

TEST(RunningCopy, TheFirstStartRunsAndALaterOneOnlyAsksTheRunningCopy) {
  MainFormFixture f;
  const TRunningCopyNames names = FreshNames();
  const TRunningCopy running(names);
  ASSERT_TRUE(running.First());
  const TRunningCopyListener listener(f.Form(), names);

  struct Case {
    bool visible_before;
    size_t banners_after;
    const char* why;
  };
  const Case cases[] = {
      {false, 1, "hidden: shown as the tray's toggle shows it, with a banner"},
      {true, 1, "shown: brought to the front, no new banner"},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(f.Form().Visible(), c.visible_before) << c.why;
    if (c.visible_before) SetForegroundWindow(f.Form().TrayIcon1->Handle());
    const LaterStart later = StartAgain(names);
    EXPECT_FALSE(later.first) << c.why;
    EXPECT_TRUE(later.asked) << c.why;
    ui::Application().ProcessMessages();
    EXPECT_TRUE(IsWindowVisible(f.Window())) << c.why;
    EXPECT_EQ(f.stream_urls.size(), c.banners_after) << c.why;
    EXPECT_EQ(GetForegroundWindow(), f.Window()) << c.why;
    EXPECT_TRUE(f.text_urls.empty()) << c.why;
  }
}

TEST(RunningCopy, TheExitRequestEndsTheProgramAsTheTrayMenuDoes) {
  MainFormFixture f;
  const TRunningCopyNames names = FreshNames();
  const TRunningCopy running(names);
  const TRunningCopyListener listener(f.Form(), names);
  ASSERT_EQ(FindWindowW(nullptr, names.WindowTitle().c_str()), listener.Handle()) << "found by its title";
  f.Form().Hide();
  bool asked = false;
  f.Form().OnCloseQuery = [&asked](ui::TObject&, bool&) { asked = true; };
  PostMessageW(listener.Handle(), names.ExitRequest(), 0, 0);
  ui::Application().ProcessMessages();
  EXPECT_TRUE(ui::Application().Terminated());
  EXPECT_FALSE(asked) << "closing is not consulted on the way out";
  f.DestroyForm();
  EXPECT_EQ(f.tray_calls, (std::vector<DWORD>{NIM_ADD, NIM_DELETE}));
  ui::Application().ResetTerminated();
}

TEST(RunningCopy, ALaterStartTakesOverFromACopyThatEndsAndGivesUpOnOneThatNeverListens) {
  const TRunningCopyNames names = FreshNames();
  auto running = std::make_unique<TRunningCopy>(names);
  ASSERT_TRUE(running->First());
  const LaterStart beside_a_silent_copy = StartAgain(names);
  EXPECT_FALSE(beside_a_silent_copy.first) << "the copy still holds its mutex";
  EXPECT_FALSE(beside_a_silent_copy.asked) << "no one listens";

  std::optional<LaterStart> later;
  std::thread starting([&] {
    const TRunningCopy copy(names);
    later = LaterStart{copy.First(), false};
  });
  running.reset();  // the running copy ends while the later start looks
  starting.join();
  ASSERT_TRUE(later);
  EXPECT_TRUE(later->first);
  EXPECT_TRUE(TRunningCopy(names).First()) << "once no copy runs, a start runs";
}

}  // namespace
}  // namespace vorlan::app
