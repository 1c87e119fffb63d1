#pragma once

#include <optional>
#include <string_view>

#include "app/json_value.h"

namespace vorlan::app {

// Reads exactly one JSON value (any kind at the top level) from the text.
// The text is taken as UTF-8, a leading byte order mark and blanks (space,
// tab, CR, LF) are skipped. The value must end exactly at the end of the
// text: blanks after the closing bracket of an array or object belong to
// it, anything else (a blank after a top-level scalar too) fails. Gives no
// value when the text is not one complete JSON value.
std::optional<JsonValue> ParseJson(std::u16string_view text);

// The same reading on UTF-8 bytes.
std::optional<JsonValue> ParseJsonUtf8(std::string_view utf8);

// Arrays and objects nested deeper than this are refused rather than
// risking the stack.
inline constexpr int kMaxJsonNesting = 1000;

}  // namespace vorlan::app
