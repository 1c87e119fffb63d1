#pragma once

namespace vorlan::platform {

// The decimal separator of the user's locale ("." when the system names
// none).
char16_t DecimalSeparator();

}  // namespace vorlan::platform
