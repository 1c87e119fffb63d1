#include "platform/file_write.h"

namespace vorlan::platform {

std::u16string CannotCreateFileMessage(std::u16string_view full_path, std::u16string_view system_text) {
  while (!system_text.empty() && (system_text.back() <= u' ' || system_text.back() == u'.')) {
    system_text.remove_suffix(1);
  }
  std::u16string message = u"Cannot create file \"";
  message += full_path;
  message += u"\". ";
  message += system_text;
  return message;
}

}  // namespace vorlan::platform
