#include "http/authentication.h"

#include <array>

#include "http/base64.h"
#include "platform/ascii.h"

namespace vorlan::http {

using platform::EqualsIgnoreCase;
using platform::ToAscii;
using platform::TrimControlAndSpace;

std::string KnownAuthScheme(std::string_view challenge) {
  static constexpr std::array<std::string_view, 2> kSchemes{"Basic", "Digest"};
  const std::string_view scheme = TrimControlAndSpace(challenge).substr(0, TrimControlAndSpace(challenge).find(' '));
  for (std::string_view known : kSchemes) {
    if (EqualsIgnoreCase(scheme, known)) return std::string(known);
  }
  return {};
}

std::string AuthorizationValue(std::string_view scheme, std::u16string_view username, std::u16string_view password) {
  // Digest needs a challenge's nonce; with only a reset state it produces nothing.
  if (scheme != "Basic") return {};
  return "Basic " + Base64Encode(ToAscii(username) + ":" + ToAscii(password));
}

}  // namespace vorlan::http
