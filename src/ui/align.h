#pragma once

#include <windows.h>

#include <vector>

#include "ui/types.h"

namespace vorlan::ui {

struct TAlignItem {
  TAlign Align = TAlign::alNone;
  RECT Bounds{};  // current bounds; the aligned ones are replaced
};

// Places aligned controls inside the client rectangle: top ones from the top
// edge down, bottom ones from the bottom edge up, then left and right ones in
// the height that is left, and client ones fill what remains. Each kind keeps
// the order of the list; unaligned items keep their bounds.
void AlignItems(const RECT& client, std::vector<TAlignItem>& items);

}  // namespace vorlan::ui
