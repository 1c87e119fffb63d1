#include <langinfo.h>
#include <locale.h>

#include <string>

#include "platform/locale.h"
#include "platform/text.h"

namespace vorlan::platform {

// Read from the user's LC_NUMERIC settings without touching the process's
// global locale.
char16_t DecimalSeparator() {
  locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (user == static_cast<locale_t>(nullptr)) return u'.';
  const std::u16string point = Utf8ToUtf16(nl_langinfo_l(RADIXCHAR, user));
  freelocale(user);
  return point.empty() ? u'.' : point.front();
}

}  // namespace vorlan::platform
