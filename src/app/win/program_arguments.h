#pragma once

#include <string>
#include <vector>

namespace vorlan::app {

// The program's command-line arguments, its own name left out.
std::vector<std::u16string> ProgramArguments();

// Makes the folder of the program's file the working directory when the
// arguments ask for it (see ProgramFolderArgument).
void ApplyProgramFolderOption(const std::vector<std::u16string>& args);

}  // namespace vorlan::app
