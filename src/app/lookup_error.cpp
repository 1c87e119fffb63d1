#include "app/lookup_error.h"

namespace vorlan::app {

std::u16string InvalidIntegerMessage(std::u16string_view text) {
  std::u16string message = u"''";
  message += text;
  message += u"'' is not a valid integer value";
  return message;
}

}  // namespace vorlan::app
