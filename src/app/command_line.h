#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The program's command line. `--skin PATH` names a skin package file or an
// unpacked skin directory to use instead of the skin stored in the program;
// `--work-in-program-folder` makes the program's own folder its working
// directory (a start by the system's Run value comes with the system's
// folder, where the result page cannot be written).
namespace vorlan::app {

inline constexpr std::u16string_view kSkinOption = u"--skin";
inline constexpr std::u16string_view kProgramFolderOption = u"--work-in-program-folder";

// The skin path the arguments (the program's name left out) ask for; none
// when the option is absent or has no value. The last one given counts.
std::optional<std::u16string> SkinArgument(std::span<const std::u16string> args);

// Whether the arguments ask for the program's folder as the working
// directory (a skin option's value is no option).
bool ProgramFolderArgument(std::span<const std::u16string> args);

// Where the skin manager finds a skin: its directory (ending in "\") and
// the skin's name in it (a package's file name or a directory's name).
struct TSkinLocation {
  std::u16string Directory;
  std::u16string Name;
  friend bool operator==(const TSkinLocation&, const TSkinLocation&) = default;
};

// Splits a full path to a package file or skin directory; none when it
// names no file or directory inside one (a drive's root, a bare name).
std::optional<TSkinLocation> SplitSkinPath(std::u16string_view fullPath);

}  // namespace vorlan::app
