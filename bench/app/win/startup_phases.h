#pragma once

#include <string>
#include <utility>
#include <vector>

// The program's start-up taken apart from inside: this process does what
// the program's entry does (the main form with its skin manager, the banner
// fetched from the stand-in picture service) and notes the time of each
// phase, in milliseconds since the process was created.
namespace bench {

using TPhases = std::vector<std::pair<std::string, double>>;

// Runs the start-up once; its phases written to `file`, one "name ms" a
// line. The process's exit code.
int RunStartUpPhases(const std::wstring& file);

// The phases a run wrote, or none.
TPhases ReadPhases(const std::wstring& file);

}  // namespace bench
