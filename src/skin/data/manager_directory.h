#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "skin/data/manager_options.h"

// Skin directories: resolving the SkinDirectory property and listing skins.
namespace vorlan::skin {

// The directory of the running program with a trailing separator.
std::u16string ProgramDirectory();

// A directory name made to end in "\": a final "/" becomes "\", a
// one-character name (a drive letter) gets ":\".
std::u16string WithTrailingBackslash(std::u16string_view directory);

// Resolves a SkinDirectory value against `program_dir`: "..\x" from the
// program directory's parent, ".\x" or "./x" and "." from the program
// directory, a name with neither ":" nor "\\" (nor a leading "/") inside the
// program directory, anything else as written; always with a trailing "\".
std::u16string ResolveSkinDirectory(std::u16string_view value, std::u16string_view program_dir);

// The skins of `directory` (already resolved): sub-directories holding
// "Options.dat" and files ending exactly in ".asz" (without it), by type;
// entries starting with "." are skipped. Unsorted, in directory order.
std::vector<std::u16string> FindSkinsInDirectory(std::u16string_view directory, TSkinTypes type);

// A skin name as the manager keeps it: a final ".asz" in any letter case is
// dropped from a name longer than it.
std::u16string WithoutPackageExtension(std::u16string_view name);

// Case-insensitive sort of skin names.
void SortSkinNames(std::vector<std::u16string>& names);

}  // namespace vorlan::skin
