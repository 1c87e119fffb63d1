#pragma once

#include <string>
#include <string_view>

// Authentication schemes a 401 answer can attach to the client's requests.
namespace vorlan::http {

// The scheme a WWW-Authenticate challenge names, in its canonical spelling,
// when the client knows it ("Basic", "Digest"); empty otherwise.
std::string KnownAuthScheme(std::string_view challenge);

// The Authorization field the attached scheme produces (empty: none).
std::string AuthorizationValue(std::string_view scheme, std::u16string_view username, std::u16string_view password);

}  // namespace vorlan::http
