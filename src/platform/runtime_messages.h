#pragma once

#include <string>
#include <string_view>

// Messages of the runtime library that several layers raise with the same text.
namespace vorlan::platform {

// "''%s'' is not a valid integer value" with `text` in place of %s.
inline std::u16string InvalidIntegerMessage(std::u16string_view text) {
  std::u16string message = u"''";
  message += text;
  message += u"'' is not a valid integer value";
  return message;
}

}  // namespace vorlan::platform
