#pragma once

#include <string>
#include <vector>

// While on, GetSysColor, GetSysColorBrush and CreatePen answer with the
// default manager's skin colours where the skin takes a system colour over.
// The calls are redirected through the import tables of the modules loaded
// in this process: the program's own calls and those of every loaded
// module that imports the functions (the common controls library among
// them), not the system's calls inside the module that exports them.
// Process-wide; switched on the user-interface thread by the default
// manager only.
namespace vorlan::skin {

void SwitchSysColorSubstitution(bool on);
bool SysColorSubstitutionOn();
// The modules whose calls are redirected now (file names, each once).
std::vector<std::u16string> SysColorSubstitutedModules();

}  // namespace vorlan::skin
