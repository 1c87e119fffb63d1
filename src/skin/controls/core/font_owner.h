#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/control.h"

// Which section gives its font colour to a control whose own section is a
// transparent one (a check box, a web button on a panel): the question
// scGetFontOwner climbs from the control through its parents to the first
// that is opaque enough and gives its own font.
namespace vorlan::skin {

// What scGetFontOwner carries in LParam. The answering control writes its
// skin index into the second integer and returns 1; one that passes the
// question on to its parent moves R by its own position first.
struct TFontOwnerQuery {
  std::int32_t Reserved = 0;
  std::int32_t SkinIndex = -1;
  RECT R{};  // the asker's bounds in the coordinates of the receiver's parent
};

// Asks `control` (through its window, or its message chain when it has none)
// with its bounds; the skin index of the section that answered, or −1.
std::int32_t AskFontOwner(ui::TControl& control);

}  // namespace vorlan::skin
