#pragma once

#include <string>
#include <string_view>

namespace vorlan::app {

// The text the application's error box shows for an error message: a "." is
// appended when the message is not empty and its last character's code is
// above that of "." (letters, digits, most signs); a message ending in ".",
// a line break, a space or a comma is shown unchanged.
std::u16string ErrorBoxText(std::u16string_view message);

}  // namespace vorlan::app
