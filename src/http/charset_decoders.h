#pragma once

#include <string>
#include <string_view>

// The decoders the program carries itself; other code pages go to the system.
namespace vorlan::http {

// Bytes 0x80 to 0xFF become "?".
std::u16string DecodeAscii(std::string_view bytes);

// Byte n becomes U+0000 + n.
std::u16string DecodeEightBit(std::string_view bytes);

// Code units as they stand (a lone surrogate stays); an odd last byte
// becomes U+FFFD.
std::u16string DecodeUtf16(std::string_view bytes, bool big_endian);

// Values beyond U+10FFFF, surrogates and a cut-off last unit become U+FFFD.
std::u16string DecodeUtf32(std::string_view bytes, bool big_endian);

}  // namespace vorlan::http
