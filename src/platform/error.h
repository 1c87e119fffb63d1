#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/text.h"

namespace vorlan {

// The program's failures: an exception carrying the message text that the
// error box shows. The text is kept as UTF-8 (what()); Message() gives the
// program's UTF-16 form. Each layer derives its own type where callers need
// to tell them apart.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& utf8_message) : std::runtime_error(utf8_message) {}
  explicit Error(std::u16string_view message) : std::runtime_error(platform::Utf16ToUtf8(message)) {}

  std::u16string Message() const { return platform::Utf8ToUtf16(what()); }
};

}  // namespace vorlan
