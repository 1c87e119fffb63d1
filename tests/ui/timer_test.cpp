#include "ui/timer.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/error.h"
#include "ui/application.h"
#include "ui/message_box_recorder.h"

namespace vorlan::ui {
namespace {

// Handles messages until `done` holds or about two seconds have passed (a
// limit against hanging, not a measurement).
bool PumpUntil(const std::function<bool()>& done) {
  for (int round = 0; round < 400; ++round) {
    Application().ProcessMessages();
    if (done()) return true;
    Sleep(5);
  }
  return done();
}

// Handles messages for a while, whatever comes.
void PumpFor(int milliseconds) {
  for (int waited = 0; waited < milliseconds; waited += 5) {
    Application().ProcessMessages();
    Sleep(5);
  }
}

TEST(Timer, TicksFromTheMessageLoopWhileEnabled) {
  TComponent owner;
  TTimer& timer = owner.Add<TTimer>();
  int ticks = 0;
  TObject* sender = nullptr;
  timer.OnTimer = [&](TObject& s) {
    ++ticks;
    sender = &s;
  };
  timer.SetInterval(10);
  EXPECT_TRUE(timer.Running());
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; })) << "ticks: " << ticks;
  EXPECT_EQ(sender, &timer);

  timer.SetEnabled(false);
  EXPECT_FALSE(timer.Running());
  const int stopped_at = ticks;
  PumpFor(60);
  EXPECT_EQ(ticks, stopped_at) << "no tick after disabling, not even one already queued";

  timer.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return ticks > stopped_at; })) << "enabled again";
}

TEST(Timer, RunsOnlyWithAnIntervalAndNotWhileTheLayoutIsRead) {
  struct Row {
    bool enabled;
    UINT interval;
    bool loading;
    bool running;
    const char* why;
  };
  const Row rows[] = {
      {true, TTimer::kDefaultInterval, false, true, "enabled with the default interval"},
      {true, 0, false, false, "interval 0 stops it"},
      {false, 10, false, false, "disabled"},
      {true, 10, true, false, "settings wait for the layout to be loaded"},
  };
  for (const Row& row : rows) {
    TComponent owner;
    TTimer& timer = owner.Add<TTimer>();
    if (row.loading) owner.BeginLoading();
    timer.SetInterval(row.interval);
    timer.SetEnabled(row.enabled);
    EXPECT_EQ(timer.Running(), row.running) << row.why;
    if (row.loading) {
      owner.EndLoading();
      EXPECT_TRUE(timer.Running()) << row.why << ": running once loaded";
    }
  }
}

TEST(Timer, AnErrorInTheHandlerIsShownAndTheTimerGoesOn) {
  testing::MessageBoxRecorder recorder;
  TComponent owner;
  TTimer& timer = owner.Add<TTimer>();
  int ticks = 0;
  timer.OnTimer = [&](TObject&) {
    if (++ticks == 1) throw vorlan::Error(std::string("Tick failed"));
  };
  timer.SetInterval(10);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));
  ASSERT_FALSE(recorder.boxes.empty());
  EXPECT_EQ(recorder.boxes[0].text, u"Tick failed");
}

TEST(Timer, AFreedTimerNeverTicks) {
  int ticks = 0;
  {
    TComponent owner;
    TTimer& timer = owner.Add<TTimer>();
    timer.OnTimer = [&](TObject&) { ++ticks; };
    timer.SetInterval(1);
    Sleep(20);  // a tick is due, perhaps already queued
  }
  PumpFor(40);
  EXPECT_EQ(ticks, 0);
}

}  // namespace
}  // namespace vorlan::ui
