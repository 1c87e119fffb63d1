#pragma once

#include <cstdlib>
#include <string>

// "127.0.0.1:PORT" of one stand-in service: scripts/with-services hands the
// free ports it chose in VORLAN_*_ADDRESS; without them the fixed ports of
// `scripts/services start`.
namespace bench {

inline std::string ServiceAddress(const char* variable, const char* fixed) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0' ? value : fixed;
}

}  // namespace bench
