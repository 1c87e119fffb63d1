#pragma once

#include <string_view>

#include "app/item.h"

namespace vorlan::app {

// Reads the catalogue's answer into video records, one per array element
// in order. Throws LookupError with the program's message when the text is
// not one JSON value, not an array, has an element that is not an object,
// or a count that is not a 32-bit integer. Missing text members give empty
// texts, missing counts 0. Numbers become text with `decimal_separator`.
TVideoList ReadVideoList(std::u16string_view response_text, char16_t decimal_separator);

}  // namespace vorlan::app
