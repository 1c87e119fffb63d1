#include "skin/data/manager_messages.h"

namespace vorlan::skin {

std::u16string InternalFormatErrorMessage(std::u16string_view skin_name) {
  return u"Internal format error in the \"" + std::u16string(skin_name) +
         u"\" skin. Please, update this skin to latest version.";
}

}  // namespace vorlan::skin
