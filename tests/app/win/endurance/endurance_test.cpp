// An hour of use, compressed: the program worked round after round the way
// its user works it, with nothing growing and the window answering.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "probed_program.h"

namespace vorlan::app::testing {
namespace {

// Rounds of the run and the round of the first count (VORLAN_ENDURANCE_ROUNDS
// runs longer or shorter by hand).
constexpr int kRounds = 1000;
constexpr int kFirstCount = 100;
// What may come between the two counts: a few objects that caches of the
// system keep for a while, and a little heap, never one object or one
// picture a round.
constexpr std::size_t kGdiAllowance = 8;
constexpr std::size_t kUserAllowance = 2;
constexpr std::uint64_t kPrivateBytesAllowance = 1024 * 1024;

int Rounds() {
  const char* value = std::getenv("VORLAN_ENDURANCE_ROUNDS");
  const int rounds = value != nullptr ? std::atoi(value) : 0;
  return rounds > kFirstCount ? rounds : kRounds;
}

struct Counts {
  std::size_t gdi = 0, user = 0;
  std::uint64_t bytes = 0;
  int pages = 0;
};

Counts Count(ProbedProgram& program) {
  return {program.GdiObjects(), program.UserObjects(), program.PrivateBytes(), program.PagesWritten()};
}

// One round; empty when every step did what it should, else the step that
// did not.
std::string OneRound(ProbedProgram& program) {
  const HWND form = program.Form();
  const auto menu_opens_and_closes = [&](const char* which) -> std::string {
    if (!program.WaitUntil([&] { return program.OpenMenu() != nullptr; })) return std::string(which) + " did not open";
    program.CloseMenu();
    if (!program.WaitUntil([&] { return program.OpenMenu() == nullptr; })) return std::string(which) + " stayed open";
    return {};
  };
  program.HoverButton();
  if (!program.WaitIdle()) return "hovering over the button";
  program.ClickButton();
  if (!program.WaitIdle()) return "the lookup of a click";
  program.HoverClose();
  if (!program.WaitIdle()) return "hovering over the close button";
  program.ClickClose();
  if (!program.WaitUntil([&] { return !IsWindowVisible(form); })) return "the close button did not hide the window";
  program.DoubleClickTrayIcon();
  if (!program.WaitUntil([&] { return IsWindowVisible(form) != FALSE; }) || !program.WaitIdle()) {
    return "the tray icon did not show the window";
  }
  program.OpenTrayMenu();
  if (std::string failed = menu_opens_and_closes("the tray menu"); !failed.empty()) return failed;
  program.OpenSystemMenu();
  if (std::string failed = menu_opens_and_closes("the system menu"); !failed.empty()) return failed;
  program.MoveAway();
  if (!program.WaitIdle()) return "the window does not answer";
  if (const auto boxes = program.MessageBoxes(); !boxes.empty()) {
    return "a message box is up: " + Utf8(ProbedProgram::BoxText(boxes.front()));
  }
  return {};
}

TEST(Endurance, AnHourOfUseCompressedLeavesNothingGrowingAndTheWindowAnswering) {
  ProbedProgram program;
  ASSERT_TRUE(program.WaitForWindowOrBox()) << "the window did not appear";
  if (const auto boxes = program.MessageBoxes(); !boxes.empty()) {
    FAIL() << "a message box at start (are the stand-in services running?): "
           << Utf8(ProbedProgram::BoxText(boxes.front()));
  }
  SetForegroundWindow(program.Form());
  ASSERT_TRUE(program.WaitIdle());
  const TColour title = program.TitleColour();

  const int rounds = Rounds();
  Counts first;
  for (int round = 1; round <= rounds; ++round) {
    const std::string failed = OneRound(program);
    ASSERT_EQ(failed, "") << "round " << round;
    if (round == kFirstCount) first = Count(program);
  }
  const Counts last = Count(program);

  EXPECT_EQ(first.pages, kFirstCount) << "every click ran its lookup";
  EXPECT_EQ(last.pages, rounds);
  EXPECT_GT(first.gdi, 0u);
  EXPECT_LE(last.gdi, first.gdi + kGdiAllowance) << "GDI objects at round " << kFirstCount << " and " << rounds;
  EXPECT_LE(last.user, first.user + kUserAllowance) << "windows at round " << kFirstCount << " and " << rounds;
  EXPECT_LE(last.bytes, first.bytes + kPrivateBytesAllowance)
      << "private bytes at round " << kFirstCount << " and " << rounds;
  SetForegroundWindow(program.Form());
  ASSERT_TRUE(program.WaitIdle());
  EXPECT_TRUE(SameColour(program.TitleColour(), title))
      << "the title is painted as at start: " << ColourText(program.TitleColour()) << " against " << ColourText(title);
  std::printf("counts at rounds %d and %d: GDI %zu, %zu; windows %zu, %zu; private bytes %llu KiB, %llu KiB\n",
              kFirstCount, rounds, first.gdi, last.gdi, first.user, last.user,
              static_cast<unsigned long long>(first.bytes / 1024), static_cast<unsigned long long>(last.bytes / 1024));
}

}  // namespace
}  // namespace vorlan::app::testing
