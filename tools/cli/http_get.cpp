#include "cli/http_get.h"

#include "platform/error.h"

namespace vorlan::cli {

std::u16string HttpGetText(std::u16string_view) { throw Error(std::string("HTTP client not built yet")); }

}  // namespace vorlan::cli
