#pragma once

#include <cstdint>
#include <string_view>

#include "skin/data/manager_options.h"

// Which adapter class skins a control that is not a skin control, decided
// by the control's class name from the 23 ThirdParty lists.
namespace vorlan::skin {

// A control whose Tag has this bit is never adapted.
inline constexpr std::intptr_t kTagNoAdapter = 256;

inline bool TagExcludesAdapter(std::intptr_t tag) { return (tag & kTagNoAdapter) != 0; }

// The first list (in kind order) that names the class exactly (letter case
// counts); -1 when none does. Blank entries (the lists' " " default) never
// match.
int FindAdapterKind(const ThirdPartyList& lists, std::u16string_view className);

// The lists that decide: the provider's own when any of them names a class,
// else the manager's.
const ThirdPartyList& DecidingLists(const ThirdPartyList* providerLists, const ThirdPartyList& managerLists);

// The adapter class name of a list kind ("TSkEditWnd" for ThirdEdits ...);
// empty for the speed buttons' list (they get a handler, not an adapter) and
// for a kind out of range.
std::u16string_view AdapterClassOfKind(int kind);

}  // namespace vorlan::skin
