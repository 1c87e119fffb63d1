// Skin changes in the running program: a skin directory named on its command
// line, then switches back and forth by the skin preview a skin editor
// sends from its own process, with nothing growing and the title always
// painted in the skin it should show.
#include <gtest/gtest.h>

#include <string>

#include "probed_program.h"
#include "skin_files.h"

namespace vorlan::app::testing {
namespace {

constexpr int kSwitches = 100;
constexpr int kFirstCount = 10;
// The skins' pictures are loaded anew at each switch: a few objects and a
// little heap may stay with the system's caches, never one skin's worth.
constexpr std::size_t kGdiAllowance = 8;
constexpr std::size_t kUserAllowance = 2;
constexpr std::uint64_t kPrivateBytesAllowance = 2 * 1024 * 1024;

struct Counts {
  std::size_t gdi = 0, user = 0;
  std::uint64_t bytes = 0;
};

// The title's colour of the active window, after everything posted has run.
TColour ActiveTitle(ProbedProgram& program) {
  SetForegroundWindow(program.Form());
  program.WaitIdle();
  return program.TitleColour();
}

TEST(SkinChanges, SwitchesBetweenTheInternalSkinAndASkinDirectoryKeepTheTitlePaintedAndNothingGrowing) {
  SkinFiles skins;
  // The preview takes its images from a directory: the internal skin's own
  // files stand for it, named as it is.
  const std::string internal = skins.CopyOfInternalSkin(Widen(kInternalSkinName));
  const std::string recoloured = skins.RecolouredSkin(L"Recoloured");

  TColour internal_title = 0;
  {
    ProbedProgram plain;
    ASSERT_TRUE(plain.WaitForWindowOrBox());
    internal_title = ActiveTitle(plain);
  }
  ProbedProgram program(L"--skin \"" + skins.PathOf(L"Recoloured") + L"\"");
  ASSERT_TRUE(program.WaitForWindowOrBox());
  ASSERT_TRUE(program.MessageBoxes().empty()) << "the skin directory loads without a message";
  const TColour recoloured_title = ActiveTitle(program);
  ASSERT_FALSE(SameColour(recoloured_title, internal_title))
      << "--skin shows the directory's skin: " << ColourText(recoloured_title) << " against the internal "
      << ColourText(internal_title);

  Counts first;
  for (int change = 1; change <= kSwitches; ++change) {
    const bool to_internal = change % 2 == 1;
    ASSERT_TRUE(program.SendPreview(to_internal ? kInternalSkinName : "Recoloured", Narrow(skins.Directory()),
                                    to_internal ? internal : recoloured))
        << "switch " << change << ": the preview is taken";
    const TColour title = ActiveTitle(program);
    ASSERT_TRUE(SameColour(title, to_internal ? internal_title : recoloured_title))
        << "switch " << change << ": the title shows " << ColourText(title);
    ASSERT_TRUE(program.MessageBoxes().empty()) << "switch " << change;
    if (change == kFirstCount) first = {program.GdiObjects(), program.UserObjects(), program.PrivateBytes()};
  }
  const Counts last{program.GdiObjects(), program.UserObjects(), program.PrivateBytes()};
  EXPECT_LE(last.gdi, first.gdi + kGdiAllowance) << "GDI objects at switch " << kFirstCount << " and " << kSwitches;
  EXPECT_LE(last.user, first.user + kUserAllowance) << "windows";
  EXPECT_LE(last.bytes, first.bytes + kPrivateBytesAllowance) << "private bytes";
  std::printf("counts at switches %d and %d: GDI %zu, %zu; windows %zu, %zu; private bytes %llu KiB, %llu KiB\n",
              kFirstCount, kSwitches, first.gdi, last.gdi, first.user, last.user,
              static_cast<unsigned long long>(first.bytes / 1024), static_cast<unsigned long long>(last.bytes / 1024));
}

}  // namespace
}  // namespace vorlan::app::testing
